#include "../skins/SkinMaker.h"
#include "../skins/SkinTestFiles.h"
#include "TestApp.h"
#include "notes/frmNote.h"
#include "shell/AppInfo.h"
#include "shell/SessionFile.h"
#include "shell/Startup.h"
#include "shell/frmSplash.h"
#include "shell/mdlVariables.h"
#include "skins/SkinList.h"
#include "skins/frmSkins.h"

#include <QFileInfo>
#include <QLabel>
#include <QTest>

namespace {

const QColor Blue(40, 90, 200);
const QColor Green(40, 160, 80);

void prepare(TestApp &app, const QStringList &skins)
{
    app.forms.setFactory(QStringLiteral("frmSkins"), [&app] { return new frmSkins(app.ctx); });
    // Notes show at start, and the notice about a missing tray was seen before.
    for (const char *option : {"ShowWhenStart", "NoTrayNoticeShown"})
        app.vars.RegSetString(mdlVariables::HKEY_CURRENT_USER, AppInfo::RegistryKey,
                              QString::fromLatin1(option), QStringLiteral("yes"));
    QList<SessionFile::Note> notes;
    double left = 300;
    for (const QString &skin : skins) {
        SessionFile::Note note;
        note.Left = left += 600;
        note.Top = 900;
        note.Skin = skin;
        notes.append(note);
    }
    QVERIFY(SessionFile(app.ctx.folders).save(notes));
    const QString dir = app.ctx.folders.skinsDir() + QLatin1Char('/');
    QVERIFY(SkinMaker::write(dir + "Blue Sky.pqs", "Ocean", Blue));
    QVERIFY(SkinMaker::write(dir + "Meadow.pqs", "Meadow", Green));
}

frmSplash *startUp(Startup &startup, const QStringList &arguments = {})
{
    startup.setArguments(arguments);
    startup.run();
    frmSplash *splash = startup.splash();
    splash->tmrMoveInfo_Timer();
    if (!QTest::qWaitFor([splash] { return !splash->isVisible(); }, 5000))
        qWarning("the splash did not bring the notes back");
    return splash;
}

bool wearsBase(const frmNote *note)
{
    return note->Picture().toImage() == note->imgBase->pixmap().toImage();
}

QList<frmNote *> liveNotes(TestApp &app)
{
    QList<frmNote *> notes;
    for (Form *form : app.forms.formsNamed("frmNote"))
        if (auto *note = qobject_cast<frmNote *>(form); note && note->bolShown)
            notes.append(note);
    return notes;
}

} // namespace

class tst_SkinStartup : public QObject
{
    Q_OBJECT

private slots:
    void storedSkinsComeBack()
    {
        TestApp app;
        prepare(app, {"Blue Sky", "Meadow", "", "<<Base Skin>>", "Gone", "Ocean"});
        Startup startup(app.ctx);
        frmSplash *splash = startUp(startup);
        const QList<frmNote *> notes = splash->restoredNotes();
        QCOMPARE(notes.size(), 6);
        QVERIFY(SkinMaker::shows(notes[0]->Picture(), Blue));
        QVERIFY(SkinMaker::shows(notes[1]->Picture(), Green));
        for (int i = 2; i < 6; ++i)
            QVERIFY2(wearsBase(notes[i]), qPrintable(notes[i]->Skin));
        QCOMPARE(notes[4]->Skin, QStringLiteral("Gone")); // kept as stored
        // The lookup was loaded for the start only.
        QVERIFY(!app.forms.find("frmSkins"));
        QVERIFY(app.prompter.shown.isEmpty());
    }

    void commandLineSkinOnFirstStart_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("stored"); // skin name in the file
        QTest::addColumn<QString>("installed");
        QTest::newRow("quoted path") << QStringList{"\"SKIN\""} << "Ocean"
                                     << "Ocean";
        QTest::newRow("path and %1") << QStringList{"SKIN", "%1"} << "Sea. "
                                     << "Sea";
        QTest::newRow("only %1") << QStringList{"%1"} << "Ocean"
                                 << "";
        QTest::newRow("only quotes") << QStringList{"\"\""} << "Ocean"
                                     << "";
        QTest::newRow("hostile name") << QStringList{"SKIN"} << "../../x"
                                      << "";
        QTest::newRow("absolute name") << QStringList{"SKIN"} << "/tmp/x"
                                       << "";
    }
    void commandLineSkinOnFirstStart()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, stored);
        QFETCH(QString, installed);
        TestApp app;
        prepare(app, {"Meadow"});
        QTemporaryDir outside;
        const QString source = outside.filePath("Blue Sky.pqs");
        QVERIFY(SkinMaker::write(source, stored, Blue));
        arguments.replaceInStrings("SKIN", source);
        Startup startup(app.ctx);
        startUp(startup, arguments);

        const QList<frmNote *> notes = liveNotes(app);
        const QStringList inSkins = SkinTestFiles::listing(app.ctx.folders.skinsDir());
        if (installed.isEmpty()) {
            QCOMPARE(notes.size(), 1);
            QCOMPARE(inSkins, QStringList({"Blue Sky.pqs", "Meadow.pqs"}));
            QCOMPARE(app.prompter.shown.size(), stored == "Ocean" ? 0 : 1);
            return;
        }
        QCOMPARE(notes.size(), 2);
        frmNote *added = notes.last();
        QCOMPARE(added->Skin, installed);
        QVERIFY(added->isVisible());
        QVERIFY(SkinMaker::shows(added->Picture(), Blue));
        QVERIFY(inSkins.contains(installed + ".pqs"));
        QVERIFY(app.prompter.shown.isEmpty());

        // It comes back in its skin after a restart.
        QVERIFY(startup.splash()->SaveSession());
        TestApp again;
        again.forms.setFactory("frmSkins", [&again] { return new frmSkins(again.ctx); });
        again.ctx.folders = app.ctx.folders;
        Startup restart(again.ctx);
        const QList<frmNote *> back = startUp(restart)->restoredNotes();
        QCOMPARE(back.size(), 2);
        QCOMPARE(back.last()->Skin, installed);
        QVERIFY(SkinMaker::shows(back.last()->Picture(), Blue));
    }

    void secondStartInstallsWithAMessage_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("stored name differs from file name")
            << "Ocean" << QStringList{"Blue Sky", "Meadow", "Ocean"};
        QTest::newRow("same name replaces") << "Blue Sky" << QStringList{"Blue Sky", "Meadow"};
        QTest::newRow("hostile") << "../../x" << QStringList{"Blue Sky", "Meadow"};
    }
    void secondStartInstallsWithAMessage()
    {
        QFETCH(QString, stored);
        QFETCH(QStringList, listed);
        TestApp app;
        prepare(app, {});
        QTemporaryDir outside;
        const QString source = outside.filePath("Blue Sky.pqs");
        QVERIFY(SkinMaker::write(source, stored, Blue));
        const bool ok = Startup::InstallSkin(app.ctx, source);
        QStringList names;
        for (const SkinList::Entry &entry : SkinList::Scan({app.ctx.folders.skinsDir()}))
            names << entry.listName;
        QCOMPARE(names, listed);
        QCOMPARE(app.prompter.shown.size(), 1);
        const auto &shown = app.prompter.shown.first();
        QCOMPARE(ok, stored != "../../x");
        if (ok) {
            QCOMPARE(shown.text, stored + " skin successfully added to Pennyquill.");
            QCOMPARE(shown.icon, Prompter::Icon::Information);
            QCOMPARE(shown.title, QStringLiteral("Pennyquill"));
        } else {
            QCOMPARE(shown.icon, Prompter::Icon::Exclamation);
        }
        // No start-up happened: no window was opened.
        QVERIFY(app.forms.all().isEmpty());
    }
};

QTEST_MAIN(tst_SkinStartup)
#include "tst_SkinStartup.moc"
