#include "SkinMaker.h"
#include "SkinTestFiles.h"
#include "TestApp.h"
#include "notes/frmNote.h"
#include "platform/TopMost.h"
#include "shell/AppInfo.h"
#include "skins/frmSkins.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QColor Blue(40, 90, 200);
const QColor Green(40, 160, 80);

frmNote *loadNote(TestApp &app, const QString &skin = QString())
{
    auto *note = new frmNote(app.ctx);
    note->Load();
    note->bolShown = true;
    note->Skin = skin;
    return note;
}

void offerDialog(TestApp &app)
{
    app.forms.setFactory(QStringLiteral("frmSkins"), [&app] { return new frmSkins(app.ctx); });
}

QString skinPath(TestApp &app, const QString &fileName)
{
    return app.ctx.folders.skinsDir() + QLatin1Char('/') + fileName;
}

// "Blue Sky" (stored name Ocean, blue) and "Meadow" (green).
void installTwo(TestApp &app)
{
    QVERIFY(SkinMaker::write(skinPath(app, "Blue Sky.pqs"), "Ocean", Blue));
    QVERIFY(SkinMaker::write(skinPath(app, "Meadow.pqs"), "Meadow", Green, "Bo", "", ""));
}

QStringList entries(const frmSkins *dialog)
{
    QStringList names;
    for (int row = 0; row < dialog->lstSkins->count(); ++row)
        names << dialog->lstSkins->item(row)->text();
    return names;
}

bool wearsBase(const frmNote *note)
{
    return note->Picture().toImage() == note->imgBase->pixmap().toImage();
}

int select(frmSkins *dialog, const QString &name)
{
    const int row = entries(dialog).indexOf(name);
    dialog->lstSkins->setCurrentRow(row);
    return row;
}

} // namespace

class tst_frmSkins : public QObject
{
    Q_OBJECT

private slots:
    void captions()
    {
        TestApp app;
        offerDialog(app);
        frmSkins *dialog = frmSkins::OpenFor(app.ctx, loadNote(app));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Select Skin"));
        QCOMPARE(dialog->lblTitle->text(), QStringLiteral("Available Skins:"));
        QCOMPARE(dialog->chkChangeAll->text(), QStringLiteral("&Change skin of all notes"));
        QCOMPARE(dialog->lblChanging->text(), QStringLiteral("Changing Skin..."));
        QCOMPARE(dialog->lblLink->text(), QStringLiteral("Get More Skins"));
        QCOMPARE(dialog->cmdClose->text(), QStringLiteral("&Close"));
        QCOMPARE(dialog->txtSkinInfo->font().family(), QStringLiteral("Tahoma"));
        QVERIFY(dialog->isVisible());
        QVERIFY(TopMost::isTopMost(dialog));
        QVERIFY(dialog->lblChanging->isHidden());
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    void listsFilesByNameWithoutExtension_data()
    {
        QTest::addColumn<QStringList>("fileNames");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("none") << QStringList() << QStringList();
        QTest::newRow("stored name differs")
            << QStringList{"Blue Sky.pqs"} << QStringList{"Blue Sky"};
        QTest::newRow("several dots")
            << QStringList{"my.best.skin.pqs"} << QStringList{"my.best.skin"};
        QTest::newRow("sorted, other files left out")
            << QStringList{"zebra.pqs", "notes.txt", "Apple.PQS", "mango.pqs.bak"}
            << QStringList{"Apple", "zebra"};
    }
    void listsFilesByNameWithoutExtension()
    {
        QFETCH(QStringList, fileNames);
        QFETCH(QStringList, listed);
        TestApp app;
        offerDialog(app);
        for (const QString &name : fileNames)
            QVERIFY(SkinMaker::write(skinPath(app, name), "Ocean", Blue));
        frmSkins *dialog = frmSkins::OpenFor(app.ctx, loadNote(app));
        // The user's skins come first; skins shipped with the program follow.
        const QStringList shown = entries(dialog);
        QCOMPARE(shown.mid(0, listed.size() + 1), QStringList{"<<Base Skin>>"} + listed);
        QCOMPARE(dialog->files.size(), shown.size() - 1);
        for (int i = 0; i < listed.size(); ++i)
            QVERIFY(dialog->files.at(i).endsWith(QLatin1Char('/') +
                                                 fileNames.filter(listed.at(i)).first()));
    }

    void openingFromANoteSelectsItsSkin_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("storedAfter");
        QTest::addColumn<bool>("blue");
        QTest::newRow("its skin") << "Blue Sky"
                                  << "Blue Sky"
                                  << "Blue Sky" << true;
        QTest::newRow("base skin") << "<<Base Skin>>"
                                   << "<<Base Skin>>"
                                   << "<<base skin>>" << false;
        QTest::newRow("never skinned") << ""
                                       << "<<Base Skin>>"
                                       << "<<base skin>>" << false;
        QTest::newRow("skin gone") << "Lost"
                                   << "<<Base Skin>>"
                                   << "<<base skin>>" << false;
        QTest::newRow("other case") << "blue sky"
                                    << "<<Base Skin>>"
                                    << "<<base skin>>" << false;
    }
    void openingFromANoteSelectsItsSkin()
    {
        QFETCH(QString, stored);
        QFETCH(QString, selected);
        QFETCH(QString, storedAfter);
        QFETCH(bool, blue);
        TestApp app;
        offerDialog(app);
        installTwo(app);
        frmNote *note = loadNote(app, stored);
        frmNote *other = loadNote(app, "Meadow");
        frmSkins *dialog = frmSkins::OpenFor(app.ctx, note);
        QCOMPARE(dialog->lstSkins->currentItem()->text(), selected);
        QCOMPARE(note->Skin, storedAfter);
        QCOMPARE(SkinMaker::shows(note->Picture(), Blue), blue);
        QCOMPARE(wearsBase(note), !blue);
        QVERIFY(dialog->chkChangeAll->isEnabled());
        QVERIFY(!dialog->chkChangeAll->isChecked());
        QCOMPARE(other->Skin, QStringLiteral("Meadow"));
        QVERIFY(wearsBase(other)); // untouched: it never got its picture here
        QVERIFY(app.prompter.shown.isEmpty());
    }

    void choosingPutsTheSkinOnOneNoteAndShowsItsHeader_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("info");
        QTest::newRow("file") << "Blue Sky"
                              << "Skin name : Ocean\r\nAuthor : Ada Quill\r\nEmail : "
                                 "ada@quill.example\r\nWebsite : https://quill.example/";
        QTest::newRow("empty texts")
            << "Meadow"
            << "Skin name : Meadow\r\nAuthor : Bo\r\nEmail : \r\nWebsite : ";
        QTest::newRow("base") << "<<Base Skin>>"
                              << "Skin name : <<Base Skin>>\r\nAuthor : Corvane, Inc.\r\nEmail : " +
                                     AppInfo::SupportEmail + "\r\nWebsite : " + AppInfo::MakerSite;
    }
    void choosingPutsTheSkinOnOneNoteAndShowsItsHeader()
    {
        QFETCH(QString, entry);
        QFETCH(QString, info);
        TestApp app;
        offerDialog(app);
        installTwo(app);
        frmNote *note = loadNote(app);
        frmNote *other = loadNote(app);
        frmSkins *dialog = frmSkins::OpenFor(app.ctx, note);
        select(dialog, "Blue Sky");
        select(dialog, entry);
        QCOMPARE(note->Skin, entry);
        QCOMPARE(dialog->txtSkinInfo->toPlainText(), QString(info).replace("\r\n", "\n"));
        QCOMPARE(wearsBase(note), entry == "<<Base Skin>>");
        QVERIFY(other->Skin.isEmpty());
        QVERIFY(wearsBase(other));
        QVERIFY(dialog->lblChanging->isHidden());
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    void changeAllDressesEveryNote_data()
    {
        QTest::addColumn<bool>("fromTray");
        QTest::newRow("check box") << false;
        QTest::newRow("tray") << true;
    }
    void changeAllDressesEveryNote()
    {
        QFETCH(bool, fromTray);
        TestApp app;
        offerDialog(app);
        installTwo(app);
        const QList<frmNote *> notes{loadNote(app, "Meadow"), loadNote(app), loadNote(app)};
        frmSkins *dialog = nullptr;
        if (fromTray) {
            dialog = frmSkins::OpenForAll(app.ctx);
            QVERIFY(dialog->chkChangeAll->isChecked());
            QVERIFY(!dialog->chkChangeAll->isEnabled());
            QVERIFY(dialog->lblChanging->isHidden());
            // Opening changes nothing yet.
            QCOMPARE(notes[0]->Skin, QStringLiteral("Meadow"));
            QVERIFY(notes[1]->Skin.isEmpty());
        } else {
            dialog = frmSkins::OpenFor(app.ctx, notes[1]);
            dialog->chkChangeAll->setChecked(true);
        }
        select(dialog, "Blue Sky");
        for (frmNote *note : notes) {
            QCOMPARE(note->Skin, QStringLiteral("Blue Sky"));
            QVERIFY(SkinMaker::shows(note->Picture(), Blue));
        }
        select(dialog, "<<Base Skin>>");
        for (frmNote *note : notes) {
            QCOMPARE(note->Skin, QStringLiteral("<<Base Skin>>"));
            QVERIFY(wearsBase(note));
        }
        QVERIFY(app.prompter.shown.isEmpty());
    }

    void unusableSkinLeavesTheNotesAsTheyWere_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("messages");
        QTest::newRow("empty version") << SkinTestFiles::skin("", "a", "e", "w", "Bad", "x")
                                       << "This file is not an Pennyquill Skin." << 2;
        QTest::newRow("other version")
            << SkinTestFiles::skin("1.1", "a", "e", "w", "Bad", "x")
            << "The version of this skin is different from the version you have installed on "
               "your computer."
            << 2;
        QTest::newRow("negative length")
            << SkinTestFiles::le32(3) + "1.0" + SkinTestFiles::le32(0xFFFFFFF0u) + "rest"
            << "Error reading skin file.\r\nThe skin file is damaged or not in the right format."
            << 1;
        QTest::newRow("picture does not decode")
            << SkinTestFiles::skin("1.0", "a", "e", "w", "Bad", "not a picture at all")
            << "Error reading skin file.\r\nThe picture in the skin file is damaged or not a "
               "picture."
            << 1;
    }
    void unusableSkinLeavesTheNotesAsTheyWere()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QFETCH(int, messages);
        TestApp app;
        offerDialog(app);
        installTwo(app);
        QVERIFY(SkinTestFiles::writeAll(skinPath(app, "Bad.pqs"), bytes));
        frmNote *first = loadNote(app, "Meadow");
        frmNote *second = loadNote(app, "Meadow");
        frmSkins *dialog = frmSkins::OpenFor(app.ctx, first);
        QVERIFY(SkinMaker::shows(first->Picture(), Green));
        second->setPicture(first->Picture());
        dialog->chkChangeAll->setChecked(true);
        select(dialog, "Bad");
        // Told once per note it tried, or once when the whole pass stops.
        QCOMPARE(app.prompter.shown.size(), messages);
        for (const auto &shown : app.prompter.shown)
            QCOMPARE(shown.text, message);
        for (frmNote *note : {first, second}) {
            QCOMPARE(note->Skin, QStringLiteral("Meadow"));
            QVERIFY(SkinMaker::shows(note->Picture(), Green));
        }
        QVERIFY(dialog->lblChanging->isHidden());
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    void storedSkinLookup_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("blue");
        QTest::newRow("listed") << "Blue Sky" << true;
        QTest::newRow("stored name is not the list name") << "Ocean" << false;
        QTest::newRow("case differs") << "BLUE SKY" << false;
        QTest::newRow("base") << "<<Base Skin>>" << false;
        QTest::newRow("empty") << "" << false;
    }
    void storedSkinLookup()
    {
        QFETCH(QString, stored);
        QFETCH(bool, blue);
        TestApp app;
        offerDialog(app);
        installTwo(app);
        frmNote *note = loadNote(app, stored);
        frmSkins *lookup = frmSkins::Instance(app.ctx);
        QVERIFY(!lookup->isVisible());
        lookup->ApplyStoredSkin(note);
        QCOMPARE(SkinMaker::shows(note->Picture(), Blue), blue);
        QCOMPARE(wearsBase(note), !blue);
        QCOMPARE(note->Skin, stored);
    }

    void linkAndClose()
    {
        TestApp app;
        offerDialog(app);
        frmSkins *dialog = frmSkins::OpenForAll(app.ctx);
        QTest::mouseClick(dialog->lblLink, Qt::LeftButton);
        QCOMPARE(app.shell.opened, QList<QUrl>{QUrl(frmSkins::SkinsPage())});
        QTest::mouseClick(dialog->cmdClose, Qt::LeftButton);
        QVERIFY(!app.forms.find("frmSkins"));
    }

    void reopeningFromANoteAfterTheTrayServesThatNote()
    {
        TestApp app;
        offerDialog(app);
        installTwo(app);
        frmNote *a = loadNote(app, "Meadow");
        frmNote *b = loadNote(app);
        frmSkins::OpenForAll(app.ctx);
        frmSkins *dialog = frmSkins::OpenFor(app.ctx, b);
        QVERIFY(dialog->chkChangeAll->isEnabled());
        QVERIFY(!dialog->chkChangeAll->isChecked());
        select(dialog, "Blue Sky");
        QCOMPARE(b->Skin, QStringLiteral("Blue Sky"));
        QCOMPARE(a->Skin, QStringLiteral("Meadow"));
        QCOMPARE(app.forms.formsNamed("frmSkins").size(), 1);
    }

    void noteMenusOpenTheDialog()
    {
        TestApp app;
        offerDialog(app);
        installTwo(app);
        frmNote *menu = loadNote(app);
        frmNote *note = loadNote(app, "Blue Sky");
        QVERIFY(note->mnuSkins->isEnabled());
        note->mnuSkins->trigger();
        auto *dialog = qobject_cast<frmSkins *>(app.forms.find("frmSkins"));
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->frmToBeSet.data(), note);
        QVERIFY(SkinMaker::shows(note->Picture(), Blue));
        menu->mnuTraySkin->trigger();
        QVERIFY(!dialog->frmToBeSet);
        QVERIFY(!dialog->chkChangeAll->isEnabled());
    }
};

QTEST_MAIN(tst_frmSkins)
#include "tst_frmSkins.moc"
