#include "FileBytes.h"
#include "TestApp.h"
#include "notes/frmNote.h"
#include "notes/richtext/RichTextBox.h"
#include "platform/IniFile.h"
#include "platform/TopMost.h"
#include "shell/AppInfo.h"
#include "shell/Startup.h"
#include "shell/frmSplash.h"
#include "tips/MinTimer.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTest>

namespace {

// Three notes as the Windows program left them: one on top with an alarm,
// one minimized, one hidden with two alarms.
const QByteArray Session =
    "[Note1]\r\nLeft=1500\r\nTop=990\r\nMinimized=False\r\nSkin=<<Base Skin>>\r\nVisible=True\r\n"
    "OnTop=True\r\nAlerts=<alertsplitter>1<splitter>10:30 PM<splitter>Call Bo<splitter>system beep"
    "<splitter>in que<splitter>{\\rtf1\\ansi two words}[CRLF]\r\nTextID=1\r\n"
    "[Note2]\r\nLeft=4500\r\nTop=3015\r\nMinimized=True\r\nSkin=\r\nVisible=True\r\n"
    "OnTop=False\r\nAlerts=\r\nTextID=2\r\n"
    "[Note3]\r\nLeft=7005\r\nTop=60\r\nMinimized=False\r\nSkin=Ocean\r\nVisible=False\r\nOnTop="
    "False\r\n"
    "Alerts=<alertsplitter>2<splitter>2:5 AM<splitter>a<splitter>/x/ring.wav<splitter>played"
    "<splitter>{\\rtf1 x}<alertsplitter>3<splitter>9:00 AM<splitter>b<splitter>system beep"
    "<splitter>in que<splitter>{\\rtf1 y}\r\nTextID=3\r\n"
    "[Number of notes]\r\nTotal=3\r\n";

const QByteArray Text =
    "[ID: 1]\r\n{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Tahoma;}}\\f0\\fs16 Groceries\\par\r\n"
    "milk}\r\n"
    "[ID: 2]\r\n{\\rtf1\\ansi Dentist at \\b 3\\b0}\r\n"
    "[ID: 3]\r\n{\\rtf1\\ansi Hidden}\r\n";

struct Run
{
    TestApp app;
    Startup startup{app.ctx};
    frmSplash *splash = nullptr;

    explicit Run(const QString &showWhenStart = "yes", const QByteArray &session = Session)
    {
        app.vars.RegSetString(mdlVariables::HKEY_CURRENT_USER, AppInfo::RegistryKey,
                              "ShowWhenStart", showWhenStart);
        app.vars.RegSetString(mdlVariables::HKEY_CURRENT_USER, AppInfo::RegistryKey, "TipDelay",
                              "7");
        app.vars.RegSetString(mdlVariables::HKEY_CURRENT_USER, AppInfo::RegistryKey, "ShowTipText",
                              "Yes");
        app.vars.RegSetString(mdlVariables::HKEY_CURRENT_USER, AppInfo::RegistryKey, "ShowRnd",
                              "YES");
        if (!session.isEmpty()) {
            FileBytes::write(app.ctx.folders.profileFile("session.ini"), session);
            FileBytes::write(app.ctx.folders.dataFile("filecon.pqn"), Text);
        }
        startup.run();
        splash = startup.splash();
        QVERIFY(TestApp::loadSession(splash));
    }
    QList<frmNote *> notes() const { return splash->restoredNotes(); }
};

} // namespace

class tst_TraySession : public QObject
{
    Q_OBJECT

private slots:
    void restoresWhatTheWindowsProgramLeft()
    {
        Run run;
        const auto notes = run.notes();
        QCOMPARE(notes.size(), 3);
        QCOMPARE(notes[0]->Left(), 1500);
        QCOMPARE(notes[0]->Top(), 990);
        QVERIFY(notes[0]->isOnTop());
        QVERIFY(TopMost::isTopMost(notes[0]));
        QCOMPARE(notes[0]->rtxtMain->Text(), QStringLiteral("Groceries\r\nmilk"));
        QCOMPARE(notes[0]->lstAlarms->count(), 1);
        QVERIFY(notes[0]->lstAlarms->text(0).endsWith("{\\rtf1\\ansi two words}\r\n"));
        QVERIFY(notes[0]->isVisible());

        QVERIFY(notes[1]->isBullet());
        QCOMPARE(notes[1]->Width(), 35 * 15);
        QCOMPARE(notes[1]->Left(), 4500);
        QCOMPARE(notes[1]->rtxtMain->Text(), QStringLiteral("Dentist at 3"));
        QVERIFY(!TopMost::isTopMost(notes[1]));

        QVERIFY(!notes[2]->isVisible());
        QCOMPARE(notes[2]->Skin, QStringLiteral("Ocean"));
        QCOMPARE(notes[2]->lstAlarms->count(), 2);
        QVERIFY(notes[2]->lstAlarms->text(0).contains("<splitter>played<splitter>"));
        for (frmNote *note : notes) {
            // Restored notes build no menus until one is opened.
            QVERIFY(!note->menusBuilt());
            QVERIFY(note->bolShown);
            QCOMPARE(note->tmrlblADS->Interval(), 7);
            QVERIFY(note->tmrlblADS->Enable());
        }
        QVERIFY(notes[0]->menus().mnuTop->isChecked());
        QVERIFY(!notes[1]->menus().mnuTop->isChecked());
        QVERIFY(run.app.vars.RandomTips);
    }

    void exitWritesTheSameKeysAndValues()
    {
        Run run;
        run.startup.menuNote()->mnuTrayExit_Click();
        const IniFile saved(run.app.ctx.folders.profileFile("session.ini"));
        FileBytes::write(run.app.home() + "/original.ini", Session);
        const IniFile original(run.app.home() + "/original.ini");
        for (int i = 1; i <= 3; ++i)
            for (const char *key :
                 {"Left", "Top", "Minimized", "Skin", "Visible", "OnTop", "Alerts", "TextID"}) {
                const QString section = "Note" + QString::number(i);
                QCOMPARE(saved.value(section, key), original.value(section, key));
            }
        QCOMPARE(saved.value("Number of notes", "Total"), QStringLiteral("3"));
    }

    void notShownAtStartUnlessAsked()
    {
        Run run("no");
        for (frmNote *note : run.notes())
            QVERIFY(!note->isVisible());
        run.splash->TrayIcon_BringForward();
        for (frmNote *note : run.notes())
            QVERIFY(!note->isVisible());
        run.startup.menuNote()->mnuTrayShowAll_Click();
        for (frmNote *note : run.notes())
            QVERIFY(note->isVisible());
        QVERIFY(!run.startup.menuNote()->isVisible());
    }

    void hideAllThenShow()
    {
        Run run;
        run.startup.menuNote()->mnuTrayHideAll_Click();
        for (frmNote *note : run.notes())
            QVERIFY(!note->isVisible());
        run.splash->TrayIcon_BringForward();
        for (frmNote *note : run.notes())
            QVERIFY(!note->isVisible());
        run.splash->TrayIcon_ShowNotes();
        for (frmNote *note : run.notes())
            QVERIFY(note->isVisible());
    }

    void alwaysOnTopForAllAndNewNotes()
    {
        Run run;
        frmNote *menu = run.startup.menuNote();
        menu->menus().mnuTrayTop->setChecked(true);
        menu->mnuTrayTop_Click();
        for (frmNote *note : run.notes())
            QVERIFY(note->menus().mnuTop->isChecked() && TopMost::isTopMost(note));
        QVERIFY(menu->menus().mnuTop->isChecked());
        menu->mnuTrayNew_Click();
        auto *made = qobject_cast<frmNote *>(run.app.forms.formsNamed("frmNote").last());
        QVERIFY(made->bolShown && made->isVisible());
        QVERIFY(TopMost::isTopMost(made) && made->menus().mnuTop->isChecked());
        menu->menus().mnuTrayTop->setChecked(false);
        menu->mnuTrayTop_Click();
        menu->mnuTrayNew_Click();
        made = qobject_cast<frmNote *>(run.app.forms.formsNamed("frmNote").last());
        QVERIFY(!TopMost::isTopMost(made));
    }

    void minimizeAndRestoreAll()
    {
        Run run;
        frmNote *menu = run.startup.menuNote();
        menu->mnuTrayMin_Click();
        for (frmNote *note : run.notes())
            QTRY_VERIFY(note->isBullet());
        menu->mnuTrayRestore_Click();
        for (frmNote *note : run.notes())
            QTRY_COMPARE(note->Width(), 3945);
    }

    void noNotesLeftGivesNoNotesNextTime()
    {
        {
            Run run;
            for (frmNote *note : run.notes()) {
                run.app.prompter.answers << Prompter::Answer::Yes;
                note->DeleteNote();
            }
            run.startup.menuNote()->mnuTrayExit_Click();
            QCOMPARE(IniFile(run.app.ctx.folders.profileFile("session.ini"))
                         .value("Number of notes", "Total"),
                     QStringLiteral("0"));
            // The next start in the same folders creates no note.
            Startup again(run.app.ctx);
            again.run();
            QVERIFY(TestApp::loadSession(again.splash()));
            QCOMPARE(again.splash()->restoredNotes().size(), 0);
        }
    }

    void changesAreSavedSoon()
    {
        Run run("yes", QByteArray());
        frmNote *note = run.notes().first();
        QVERIFY(!run.splash->savePending());
        note->rtxtMain->setSelText("typed");
        QVERIFY(run.splash->savePending());
        QCOMPARE(run.splash->SaveSession(), true);
        QFile text(run.app.ctx.folders.dataFile("filecon.pqn"));
        QVERIFY(text.open(QIODevice::ReadOnly));
        QVERIFY(text.readAll().contains("typed"));
        note->Move(3000, 3000);
        QVERIFY(run.splash->savePending());
    }

    // A save that fails is said once however often it is tried, and the
    // first save that works again is said too; the notes stay meanwhile.
    void failedSavesAreToldOnceAndTheRecoveryToo()
    {
        Run run("yes", QByteArray());
        run.notes().first()->rtxtMain->setSelText("kept");
        const QString blocker = run.app.ctx.folders.profileFile("session.ini.new");
        QVERIFY(QDir().mkpath(blocker + "/x"));
        const auto &shown = run.app.prompter.shown;
        const int before = int(shown.size());
        QCOMPARE(run.splash->SaveSession(), false);
        QCOMPARE(run.splash->SaveSession(), false);
        QCOMPARE(shown.size(), before + 1);
        QVERIFY(shown.last().text.contains("could not be saved"));
        QVERIFY(QDir(blocker).removeRecursively());
        QCOMPARE(run.splash->SaveSession(), true);
        QCOMPARE(shown.size(), before + 2);
        QCOMPARE(shown.last().text, QString("Your notes are saved again."));
        QFile text(run.app.ctx.folders.dataFile("filecon.pqn"));
        QVERIFY(text.open(QIODevice::ReadOnly) && text.readAll().contains("kept"));
    }

    // Exit with notes that cannot be saved asks first; No keeps them open.
    void exitAsksWhenTheNotesCannotBeSaved_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("ends");
        QTest::newRow("stay") << int(Prompter::Answer::No) << false;
        QTest::newRow("end anyway") << int(Prompter::Answer::Yes) << true;
    }
    void exitAsksWhenTheNotesCannotBeSaved()
    {
        QFETCH(int, answer);
        QFETCH(bool, ends);
        Run run("yes", QByteArray());
        QVERIFY(QDir().mkpath(run.app.ctx.folders.profileFile("session.ini.new/x")));
        const int before = int(run.app.prompter.shown.size());
        run.app.prompter.answers.enqueue(Prompter::Answer(answer));
        run.startup.menuNote()->mnuTrayExit_Click();
        QCOMPARE(run.app.prompter.shown.size(), before + 1);
        QVERIFY(run.app.prompter.shown.last().text.contains("End Pennyquill anyway?"));
        QCOMPARE(run.app.forms.all().isEmpty(), ends);
    }

    void steadyTypingIsStillSaved()
    {
        Run run("yes", QByteArray());
        frmNote *note = run.notes().first();
        note->rtxtMain->setSelText("a");
        QTest::qWait(1000);
        note->rtxtMain->setSelText("b");
        // A later change does not push the save further away (the timer may
        // run a little late, so leave it room).
        QVERIFY(run.splash->saveTimerRemaining() <= frmSplash::SaveDelayMs - 500);
    }

    void offScreenNotesComeBack()
    {
        QByteArray far = Session;
        far.replace("Left=7005", "Left=900000");
        Run run("yes", far);
        frmNote *note = run.notes()[2];
        QVERIFY(note->Left() < 900000);
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().intersects(note->geometry()));
    }

    void withoutATrayTheCommandsAreInEveryNote()
    {
        Run run;
        QVERIFY(!run.splash->trayAvailable()); // the test platform has none
        frmNote *menu = run.startup.menuNote();
        for (frmNote *note : run.notes())
            QVERIFY(note->menus().mnuMain->actions().contains(menu->menus().mnuTray->menuAction()));
        int told = 0;
        for (const auto &shown : run.app.prompter.shown)
            told += shown.text.contains("All Notes");
        QCOMPARE(told, 1);
        Startup again(run.app.ctx);
        again.run();
        QVERIFY(TestApp::loadSession(again.splash()));
        told = 0;
        for (const auto &shown : run.app.prompter.shown)
            told += shown.text.contains("All Notes");
        QCOMPARE(told, 1);
    }
};

QTEST_MAIN(tst_TraySession)
#include "tst_TraySession.moc"
