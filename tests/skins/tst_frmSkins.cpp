#include "SkinMaker.h"
#include "SkinTestFiles.h"
#include "TestApp.h"
#include "notes/frmNote.h"
#include "skins/frmSkins.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

namespace {

using SkinMaker::Blue;
using SkinMaker::Green;

frmNote *loadNote(TestApp &app, const QString &skin = QString(), bool live = true)
{
    auto *note = new frmNote(app.ctx);
    note->Load();
    note->bolShown = live;
    note->Skin = skin;
    return note;
}

// The dialog is offered; "Blue Sky" (stored name Ocean), "Meadow" and two
// files that are not listed are installed.
void prepare(TestApp &app)
{
    app.forms.setFactory("frmSkins", [&app] { return new frmSkins(app.ctx); });
    QVERIFY(SkinMaker::writeBlueSkyAndMeadow(app.ctx.folders.skinsDir()));
    QVERIFY(SkinMaker::write(app.ctx.folders.skinsDir() + "/old.pqs.bak", "x", Blue));
}

bool wearsBase(const frmNote *note)
{
    return note->Picture().toImage() == note->imgBase->pixmap().toImage();
}

void select(frmSkins *dialog, const QString &name)
{
    dialog->lstSkins->setCurrentItem(dialog->lstSkins->findItems(name, Qt::MatchExactly).value(0));
}

} // namespace

class tst_frmSkins : public QObject
{
    Q_OBJECT

private slots:
    void openingFromANoteSelectsAndReappliesItsSkin_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("storedAfter");
        const QString base = QStringLiteral("<<Base Skin>>");
        QTest::newRow("its skin") << "Blue Sky" << QStringLiteral("Blue Sky") << "Blue Sky";
        QTest::newRow("base skin") << "<<Base Skin>>" << base << "<<base skin>>";
        QTest::newRow("never skinned") << "" << base << "<<base skin>>";
        QTest::newRow("other case") << "blue sky" << base << "<<base skin>>";
    }
    void openingFromANoteSelectsAndReappliesItsSkin()
    {
        QFETCH(QString, stored);
        QFETCH(QString, selected);
        QFETCH(QString, storedAfter);
        TestApp app;
        prepare(app);
        frmNote *note = loadNote(app, stored);
        frmNote *other = loadNote(app, "Meadow");
        note->menus().mnuSkins->trigger();
        auto *dialog = qobject_cast<frmSkins *>(app.forms.find("frmSkins"));
        QVERIFY(dialog && dialog->isVisible() && dialog->chkChangeAll->isEnabled());
        QCOMPARE(dialog->lstSkins->currentItem()->text(), selected);
        // The user's skins come first, by file name; any shipped ones follow.
        const QList<QListWidgetItem *> listed = dialog->lstSkins->findItems("*", Qt::MatchWildcard);
        QCOMPARE(listed.mid(0, 3).last()->text(), QStringLiteral("Meadow"));
        QVERIFY(listed.at(0)->text() == "<<Base Skin>>" &&
                dialog->files.at(1).endsWith("/Meadow.pqs"));
        QCOMPARE(note->Skin, storedAfter);
        QCOMPARE(SkinMaker::shows(note->Picture(), Blue), selected == "Blue Sky");
        QCOMPARE(wearsBase(note), selected != "Blue Sky");
        QVERIFY(wearsBase(other));
        select(dialog, "Meadow");
        QCOMPARE(note->Skin, QStringLiteral("Meadow"));
        QCOMPARE(dialog->txtSkinInfo->toPlainText(),
                 QStringLiteral("Skin name : Meadow\nAuthor : Ada\nEmail : ada@quill.example\n"
                                "Website : "));
        QVERIFY(wearsBase(other) && dialog->lblChanging->isHidden());
    }

    void allNotesGetTheSkin_data()
    {
        QTest::addColumn<bool>("fromTray");
        QTest::newRow("check box") << false;
        QTest::newRow("tray") << true;
    }
    void allNotesGetTheSkin()
    {
        QFETCH(bool, fromTray);
        TestApp app;
        prepare(app);
        frmNote *menu = loadNote(app, QString(), false);
        const QList<frmNote *> notes{loadNote(app, "Meadow"), loadNote(app)};
        if (!fromTray)
            frmSkins::OpenFor(app.ctx, notes[1])->chkChangeAll->setChecked(true);
        else
            menu->menus().mnuTraySkin->trigger();
        auto *dialog = qobject_cast<frmSkins *>(app.forms.find("frmSkins"));
        QCOMPARE(dialog->chkChangeAll->isEnabled(), !fromTray);
        QVERIFY(dialog->chkChangeAll->isChecked());
        QVERIFY(wearsBase(notes[0])); // opening changed nothing
        select(dialog, "Blue Sky");
        // The hidden menu note follows, so the tray's new notes look the same.
        for (frmNote *note : notes + QList<frmNote *>{menu})
            QVERIFY(note->Skin == "Blue Sky" && SkinMaker::shows(note->Picture(), Blue));
        select(dialog, "<<Base Skin>>");
        for (frmNote *note : notes)
            QVERIFY(note->Skin == "<<Base Skin>>" && wearsBase(note));
        QVERIFY(app.prompter.shown.isEmpty());
    }

    void unusableSkinLeavesTheNotesAsTheyWere_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("messages"); // one per note, or one that ends the pass
        QTest::newRow("empty version") << SkinTestFiles::skin("", "a", "", "", "Bad", "x")
                                       << "This file is not a Pennyquill skin." << 2;
        QTest::newRow("cut off after its version")
            << SkinTestFiles::le32(0) << "This file is not a Pennyquill skin." << 2;
        QTest::newRow("negative length")
            << SkinTestFiles::le32(3) + "1.0" + SkinTestFiles::le32(0xFFFFFFF0u)
            << "Error reading skin file.\r\nThe skin file is damaged or not in the right format."
            << 1;
    }
    void unusableSkinLeavesTheNotesAsTheyWere()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QFETCH(int, messages);
        TestApp app;
        prepare(app);
        QVERIFY(SkinTestFiles::writeAll(app.ctx.folders.skinsDir() + "/Bad.pqs", bytes));
        frmNote *menu = loadNote(app, QString(), false);
        const QList<frmNote *> notes{loadNote(app, "Meadow"), loadNote(app, "Meadow")};
        frmSkins *dialog = frmSkins::OpenFor(app.ctx, notes[1]);
        notes[0]->setPicture(notes[1]->Picture());
        dialog->chkChangeAll->setChecked(true);
        select(dialog, "Bad");
        QCOMPARE(app.prompter.shown.size(), messages);
        QCOMPARE(app.prompter.shown.last().text, message);
        for (frmNote *note : notes)
            QVERIFY(note->Skin == "Meadow" && SkinMaker::shows(note->Picture(), Green));
        QVERIFY(wearsBase(menu) && dialog->lblChanging->isHidden());
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    // A click on the entry already highlighted puts it on as well: after ticking the box
    // from a note, or on the base skin that opening from the tray highlights.
    void clickingTheHighlightedEntryApplies_data()
    {
        QTest::addColumn<bool>("fromTray");
        QTest::addColumn<QString>("entry");
        QTest::newRow("check box") << false << "Meadow";
        QTest::newRow("tray") << true << "<<Base Skin>>";
    }
    void clickingTheHighlightedEntryApplies()
    {
        QFETCH(bool, fromTray);
        QFETCH(QString, entry);
        TestApp app;
        prepare(app);
        const QList<frmNote *> notes{loadNote(app, "Meadow"), loadNote(app, "Blue Sky")};
        frmSkins *dialog =
            fromTray ? frmSkins::OpenForAll(app.ctx) : frmSkins::OpenFor(app.ctx, notes[0]);
        dialog->chkChangeAll->setChecked(true);
        QListWidgetItem *item = dialog->lstSkins->currentItem();
        QCOMPARE(item->text(), entry);
        QCOMPARE(notes[1]->Skin, QStringLiteral("Blue Sky")); // opening changed no other note
        QWidget *list = dialog->lstSkins->viewport();
        QTest::mouseClick(list, Qt::LeftButton, {},
                          dialog->lstSkins->visualItemRect(item).center());
        for (frmNote *note : notes)
            QCOMPARE(note->Skin, entry);
        QVERIFY(fromTray ? wearsBase(notes[1]) : SkinMaker::shows(notes[1]->Picture(), Green));
        // A click that moves to another entry puts that one on once.
        QListWidgetItem *blue = dialog->lstSkins->findItems("Blue Sky", Qt::MatchExactly).value(0);
        QSignalSpy changes(notes[0], &frmNote::NoteChanged);
        QTest::mouseClick(list, Qt::LeftButton, {},
                          dialog->lstSkins->visualItemRect(blue).center());
        QVERIFY(notes[0]->Skin == "Blue Sky" && SkinMaker::shows(notes[0]->Picture(), Blue));
        QCOMPARE(changes.count(), 1);
        QVERIFY(app.prompter.shown.isEmpty());
    }
};

QTEST_MAIN(tst_frmSkins)
#include "tst_frmSkins.moc"
