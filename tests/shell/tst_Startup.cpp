#include "TestApp.h"
#include "notes/frmNote.h"
#include "notes/richtext/RichTextBox.h"
#include "platform/TopMost.h"
#include "shell/AppInfo.h"
#include "shell/CommandLine.h"
#include "shell/InitialSettings.h"
#include "shell/Startup.h"
#include "shell/cIni.h"
#include "shell/frmSplash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QTest>

namespace {

// Runs the start-up to the end of tmrLoad, driving the splash's timers.
frmSplash *startUp(TestApp &app, Startup &startup)
{
    startup.run();
    frmSplash *splash = startup.splash();
    splash->tmrMoveInfo_Timer();
    if (!QTest::qWaitFor([splash] { return !splash->isVisible(); }, 5000))
        qWarning("the splash did not bring the notes back");
    Q_UNUSED(app);
    return splash;
}

QStringList loadedNames(const TestApp &app)
{
    QStringList names;
    for (Form *form : app.forms.all())
        names << form->formName();
    return names;
}

} // namespace

class tst_Startup : public QObject
{
    Q_OBJECT

private slots:
    void commandLineCleanUp_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        QTest::newRow("nothing") << QStringList() << "";
        QTest::newRow("only %1") << QStringList{"%1"} << "";
        QTest::newRow("only quotes") << QStringList{"\"\""} << "";
        QTest::newRow("quoted %1") << QStringList{"\"%1\""} << "";
        QTest::newRow("quoted path")
            << QStringList{"\"/home/ada/My Skins/sea.pqs\""} << "/home/ada/My Skins/sea.pqs";
        QTest::newRow("split path")
            << QStringList{"/home/ada/My", "Skins/sea.pqs"} << "/home/ada/My Skins/sea.pqs";
        QTest::newRow("path and %1") << QStringList{"/tmp/a.pqs", "%1"} << "/tmp/a.pqs";
    }
    void commandLineCleanUp()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        QCOMPARE(Startup::CleanCommandLine(arguments), expected);
    }

    void splashComesBeforeAnySessionNote()
    {
        TestApp app;
        Startup startup(app.ctx);
        startup.run();
        QCOMPARE(loadedNames(app), QStringList({"frmNote", "frmSplash"}));
        frmNote *menuNote = startup.menuNote();
        QVERIFY(!menuNote->isVisible());
        QVERIFY(!menuNote->bolShown);
        QCOMPARE(menuNote->menus().mnuHelp->title(), QStringLiteral("On &Web"));
        QCOMPARE(menuNote->menus().mnuTrayHelp->title(), QStringLiteral("On &Web"));
        frmSplash *splash = startup.splash();
        QVERIFY(splash->isVisible());
        QVERIFY(TopMost::isTopMost(splash));
        QCOMPARE(splash->txtInfo->text(), QStringLiteral("Loading \r\nNotes...\r\n"));
        QCOMPARE(splash->Label2->text(), QStringLiteral(" Version 1.0"));
        QCOMPARE(splash->tmrMoveInfo.interval(), 300);
        QVERIFY(splash->tmrMoveInfo.isActive());
        QVERIFY(!splash->tmrLoad.isActive());

        // The scroll ends by arming tmrLoad, which brings the session back once.
        int loads = 0;
        QObject::connect(splash, &frmSplash::loadFinished, [&] { ++loads; });
        splash->tmrMoveInfo_Timer();
        QVERIFY(!splash->tmrMoveInfo.isActive());
        QTRY_COMPARE_WITH_TIMEOUT(loads, 1, 5000);
        const int containerHeight = splash->picContainer->height() * 15;
        QVERIFY(splash->txtInfoTop() + 300 < containerHeight / 2);
        QVERIFY(splash->txtInfoTop() + 300 >= containerHeight / 2 - 10);
        QVERIFY(!splash->tmrLoad.isActive());
        QTest::qWait(50);
        QCOMPARE(loads, 1);
        QCOMPARE(loadedNames(app), QStringList({"frmNote", "frmSplash", "frmNote"}));
        QVERIFY(!splash->isVisible());
        QVERIFY(splash->isLoaded());
        QVERIFY(!app.vars.Greeted);
    }

    void noSessionGivesOneNoteAt50()
    {
        TestApp app;
        Startup startup(app.ctx);
        frmSplash *splash = startUp(app, startup);
        QCOMPARE(splash->restoredNotes().size(), 1);
        frmNote *note = splash->restoredNotes().first();
        QCOMPARE(note->Left(), 50);
        QCOMPARE(note->Top(), 50);
        QVERIFY(note->bolShown);
        QVERIFY(note->rtxtMain->Text().isEmpty());
    }

    // A later start of the program that asks nothing brings hidden notes back.
    void secondStartShowsEveryNote_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("shown");
        QTest::newRow("empty") << QStringList() << true;
        QTest::newRow("only quotes and %1") << QStringList{"\"%1\""} << true;
        QTest::newRow("asks to hide") << QStringList{"--hide"} << false;
    }
    void secondStartShowsEveryNote()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, shown);
        TestApp app;
        InitialSettings::apply(app.ctx);
        Startup startup(app.ctx);
        frmSplash *splash = startUp(app, startup);
        frmNote *note = splash->restoredNotes().value(0);
        QVERIFY(note);
        note->hide();
        startup.SecondStart(arguments);
        QCOMPARE(note->isVisible(), shown);
        QVERIFY(!startup.menuNote()->isVisible());
    }

    // "--list" opens the notes list: after the session at the first start, at once in the
    // copy already running; it is never taken for a skin file.
    void listOptionOpensTheNotesList_data()
    {
        QTest::addColumn<bool>("secondStart");
        QTest::newRow("first start") << false;
        QTest::newRow("handed to the running copy") << true;
    }
    void listOptionOpensTheNotesList()
    {
        QFETCH(bool, secondStart);
        TestApp app;
        InitialSettings::apply(app.ctx);
        Form *list = nullptr;
        app.forms.setFactory("frmNotesList",
                             [&] { return list = new Form(app.ctx, "frmNotesList"); });
        const CommandLine line({"pennyquill", "--list"});
        Startup startup(app.ctx);
        startup.setArguments({line.skinPath()});
        if (!secondStart) {
            startup.run();
            startup.commands().runAtStart(line.commands());
            startup.splash()->tmrMoveInfo_Timer();
        } else {
            startUp(app, startup);
            startup.SecondStart(CommandLine::encode(line.commands()));
        }
        QTRY_VERIFY(list && list->isVisible());
        QCOMPARE(startup.splash()->CommandLineSkin, QString());
    }

    // Settings that cannot be read give defaults that show the notes, a
    // word once, and the file is never written over.
    void unreadableSettingsShowTheNotes_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::newRow("a folder in its place") << true;
        QTest::newRow("readable") << false;
    }
    void unreadableSettingsShowTheNotes()
    {
        QFETCH(bool, folder);
        TestApp app;
        if (folder)
            QVERIFY(QDir().mkpath(app.registry.filePath() + "/inside"));
        InitialSettings::apply(app.ctx);
        Startup startup(app.ctx);
        frmSplash *splash = startUp(app, startup);
        QVERIFY(splash->restoredNotes().value(0)->isVisible());
        int told = 0;
        for (const auto &shownText : app.prompter.shown)
            told += shownText.text.contains("settings could not be read");
        QCOMPARE(told, folder ? 1 : 0);
        QCOMPARE(QFileInfo(app.registry.filePath()).isDir(), folder);
        QCOMPARE(app.vars.Option("ShowWhenStart"), QString("yes"));
    }

    void tipsAndNameAreReadAtLoad()
    {
        TestApp app;
        const cIni ini(app.ctx.folders);
        ini.writeINI("PQOptions.ini", "General Options", "TipsCount", "2");
        ini.writeINI("PQOptions.ini", "General Options", "Tips0", "Stretch");
        ini.writeINI("PQOptions.ini", "General Options", "Tips1", "Drink water");
        ini.writeINI("PQOptions.ini", "General Options", "Tips2", "never read");
        app.vars.RegSetString(mdlVariables::HKEY_CURRENT_USER, AppInfo::RegistryKey, "UserName",
                              "Ada");
        Startup startup(app.ctx);
        startup.run();
        QCOMPARE(app.vars.Tips, QStringList({"Stretch", "Drink water", ""}));
        QCOMPARE(app.vars.TipsCount(), 2);
        QCOMPARE(app.vars.UserName, QStringLiteral("Ada"));
    }

    void absurdTipCountIsBounded()
    {
        TestApp app;
        const cIni ini(app.ctx.folders);
        ini.writeINI("PQOptions.ini", "General Options", "TipsCount", "2000000000");
        ini.writeINI("PQOptions.ini", "General Options", "Tips0", "only one");
        Startup startup(app.ctx);
        startup.run();
        QCOMPARE(app.vars.TipsCount(), frmSplash::MaxTips);
        QCOMPARE(app.vars.Tips.first(), QStringLiteral("only one"));
    }

    void missingOptionsFileGivesNoTips()
    {
        TestApp app;
        Startup startup(app.ctx);
        startup.run();
        QCOMPARE(app.vars.Tips, QStringList({""}));
        QCOMPARE(app.vars.TipsCount(), 0);
    }

    void exitUnloadsInLoadOrderAndWritesTheSession()
    {
        TestApp app;
        Startup startup(app.ctx);
        frmSplash *splash = startUp(app, startup);
        frmNote *note = splash->restoredNotes().first();
        note->rtxtMain->setSelText("kept at exit");
        QStringList order;
        QObject::connect(&app.forms, &FormRegistry::formUnloaded, [&](Form *form) {
            order << form->formName();
            if (form->formName() == "frmSplash") {
                // The session is written while every session note is still open.
                QFile text(app.ctx.folders.dataFile("filecon.pqn"));
                QVERIFY(text.open(QIODevice::ReadOnly));
                QVERIFY(text.readAll().contains("kept at exit"));
                QCOMPARE(app.forms.formsNamed("frmNote").size(), 1);
            }
        });
        startup.menuNote()->mnuTrayExit_Click();
        QCOMPARE(order, QStringList({"frmNote", "frmSplash", "frmNote"}));
        QVERIFY(app.forms.all().isEmpty());
    }
};

QTEST_MAIN(tst_Startup)
#include "tst_Startup.moc"
