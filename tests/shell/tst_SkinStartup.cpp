#include "../skins/SkinMaker.h"
#include "../skins/SkinTestFiles.h"
#include "TestApp.h"
#include "notes/frmNote.h"
#include "shell/AppInfo.h"
#include "shell/SessionFile.h"
#include "shell/Startup.h"
#include "shell/frmSplash.h"
#include "shell/mdlVariables.h"
#include "skins/frmSkins.h"

#include <QLabel>
#include <QTest>

namespace {

using SkinMaker::Blue;
using SkinMaker::Green;

// A session of notes with these skin names; "Blue Sky" (stored name Ocean)
// and "Meadow" are installed.
void prepare(TestApp &app, const QStringList &skins)
{
    app.forms.setFactory("frmSkins", [&app] { return new frmSkins(app.ctx); });
    for (const char *option : {"ShowWhenStart", "NoTrayNoticeShown"})
        app.vars.RegSetString(mdlVariables::HKEY_CURRENT_USER, AppInfo::RegistryKey, option, "yes");
    QList<SessionFile::Note> notes;
    for (const QString &skin : skins) {
        SessionFile::Note note;
        note.Left = note.Top = 900;
        note.Skin = skin;
        notes.append(note);
    }
    QVERIFY(SessionFile(app.ctx.folders).save(notes));
    QVERIFY(SkinMaker::writeBlueSkyAndMeadow(app.ctx.folders.skinsDir()));
}

QList<frmNote *> startUp(TestApp &app, Startup &startup, const QStringList &arguments = {})
{
    startup.setArguments(arguments);
    startup.run();
    startup.splash()->tmrMoveInfo_Timer();
    if (!QTest::qWaitFor([&startup] { return !startup.splash()->isVisible(); }, 5000))
        return {};
    QList<frmNote *> notes;
    for (Form *form : app.forms.formsNamed("frmNote"))
        if (auto *note = qobject_cast<frmNote *>(form); note->bolShown)
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
        prepare(app, {"Blue Sky", "Meadow", "", "<<Base Skin>>", "Ocean"});
        Startup startup(app.ctx);
        const QList<frmNote *> notes = startUp(app, startup);
        QCOMPARE(notes.size(), 5);
        QVERIFY(SkinMaker::shows(notes[0]->Picture(), Blue));
        QVERIFY(SkinMaker::shows(notes[1]->Picture(), Green));
        for (frmNote *note : notes.mid(2)) // no file of that list name: the base skin
            QCOMPARE(note->Picture().toImage(), note->imgBase->pixmap().toImage());
        QCOMPARE(notes[4]->Skin, QStringLiteral("Ocean"));
        QVERIFY(!app.forms.find("frmSkins")); // the lookup served the start only
    }

    void skinFileOnTheCommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("installed"); // empty: no extra note
        const QString none;
        QTest::newRow("first start")
            << QStringList{"\"SKIN\"", "%1"} << "Ocean" << QStringLiteral("Ocean");
        QTest::newRow("only %1") << QStringList{"%1"} << "Ocean" << none;
        QTest::newRow("only quotes") << QStringList{"\"\""} << "Ocean" << none;
        QTest::newRow("hostile name") << QStringList{"SKIN"} << "../../x" << none;
    }
    void skinFileOnTheCommandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, stored);
        QFETCH(QString, installed);
        TestApp app;
        prepare(app, {"Meadow"});
        QTemporaryDir outside;
        const QString source = outside.filePath("Blue Sky.pqs");
        QVERIFY(SkinMaker::write(source, stored, Blue));
        const QStringList before = SkinTestFiles::listing(app.ctx.folders.skinsDir());
        Startup startup(app.ctx);
        const QList<frmNote *> notes =
            startUp(app, startup, arguments.replaceInStrings("SKIN", source));
        QCOMPARE(notes.size(), installed.isEmpty() ? 1 : 2);
        QCOMPARE(notes.last()->Skin, installed.isEmpty() ? "Meadow" : installed);
        QCOMPARE(SkinMaker::shows(notes.last()->Picture(), Blue), !installed.isEmpty());
        QCOMPARE(startup.splash()->savePending(), !installed.isEmpty());
        const QStringList after = SkinTestFiles::listing(app.ctx.folders.skinsDir());
        if (installed.isEmpty()) {
            QCOMPARE(after, before);
            QCOMPARE(app.prompter.shown.size(), stored == "Ocean" ? 0 : 1);
            return;
        }
        // Both the file's own name and its stored name are listed now.
        QCOMPARE(after, QStringList({"Blue Sky.pqs", "Meadow.pqs", "Ocean.pqs"}));
        QCOMPARE(app.prompter.shown.size(), 0);
    }

    // A skin file named by a later start is installed by the running copy,
    // which says so and shows it on a new note; the later start only hands it over.
    void secondStartShowsTheSkinInTheRunningCopy()
    {
        TestApp app;
        prepare(app, {"Meadow"});
        QTemporaryDir outside;
        const QString source = outside.filePath("Blue Sky.pqs");
        QVERIFY(SkinMaker::write(source, "Ocean", Blue));
        Startup startup(app.ctx);
        QCOMPARE(startUp(app, startup).size(), 1);
        startup.SecondStart({source});
        QList<frmNote *> notes;
        for (Form *form : app.forms.formsNamed("frmNote"))
            if (auto *note = qobject_cast<frmNote *>(form); note->bolShown)
                notes.append(note);
        QCOMPARE(notes.size(), 2);
        QCOMPARE(notes.last()->Skin, QStringLiteral("Ocean"));
        QVERIFY(notes.last()->isVisible());
        QVERIFY(SkinMaker::shows(notes.last()->Picture(), Blue));
        QVERIFY(startup.splash()->savePending());
        QCOMPARE(app.prompter.shown.size(), 1);
        QCOMPARE(app.prompter.shown[0].text,
                 QStringLiteral("Ocean skin successfully added to Pennyquill."));
    }
};

QTEST_MAIN(tst_SkinStartup)
#include "tst_SkinStartup.moc"
