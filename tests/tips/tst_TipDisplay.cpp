#include "notes/frmNote.h"
#include "shell/AppInfo.h"
#include "support/TestApp.h"
#include "tips/MinTimer.h"
#include "tips/frmOptions.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

// Tips on the notes: each note's minute timer picks the next tip into its
// message line, and the options dialog switches the tip lines of all notes.
class tst_TipDisplay : public QObject
{
    Q_OBJECT

    static frmNote *loadNote(TestApp &app, bool live = true)
    {
        auto *note = new frmNote(app.ctx);
        note->Load();
        note->bolShown = live;
        note->tmrlblADS->setInterval(1);
        return note;
    }
    // One minute on the note's tip timer; the tip it chose, or "<none>".
    static QString nextTip(frmNote *note)
    {
        note->tmrType.stop();
        note->lblAds->setText("<none>");
        note->tmrlblADS->tmrInterval_Timer();
        return note->tmrType.isActive() ? note->lblAds->text() : QString("<none>");
    }
    static void setTips(TestApp &app, const QStringList &tips)
    {
        app.vars.Tips = tips + QStringList{QString()};
    }
    static frmOptions *openOptions(TestApp &app, bool showTips)
    {
        app.registry.setString(UserRegistry::HKEY_CURRENT_USER, AppInfo::RegistryKey, "UserName",
                               "Ada");
        app.registry.setString(UserRegistry::HKEY_CURRENT_USER, AppInfo::RegistryKey, "TipDelay",
                               "5");
        app.forms.setFactory("frmOptions", [&app] { return new frmOptions(app.ctx); });
        auto *dialog = qobject_cast<frmOptions *>(app.forms.defaultInstance("frmOptions"));
        dialog->show();
        dialog->chkShowTip->setChecked(showTips);
        return dialog;
    }

private slots:
    void listOrderPerNote()
    {
        TestApp app;
        setTips(app, {"zero", "one", "two"});
        frmNote *first = loadNote(app);
        QStringList shown;
        for (int i = 0; i < 4; ++i)
            shown << nextTip(first);
        QCOMPARE(shown, (QStringList{"zero", "one", "two", "zero"}));
        QVERIFY(first->lblAds->isHidden()); // the typewriter shows it letter by letter

        frmNote *second = loadNote(app);
        QCOMPARE(nextTip(second), QString("zero"));
        QCOMPARE(nextTip(first), QString("one"));
    }

    void oneRandomTipEveryTime()
    {
        TestApp app;
        setTips(app, {"only"});
        app.vars.RandomTips = true;
        app.random.numbers << 0.0 << 0.5 << 0.999;
        frmNote *note = loadNote(app);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(nextTip(note), QString("only"));
    }

    void noTipsNothingShown()
    {
        TestApp app;
        setTips(app, {});
        frmNote *note = loadNote(app);
        note->lblAds->show();
        QCOMPARE(nextTip(note), QString("<none>"));
        QVERIFY(note->lblAds->isHidden());
    }

    void tipComesEveryDelay()
    {
        TestApp app;
        setTips(app, {"a", "b"});
        frmNote *note = loadNote(app);
        note->tmrlblADS->setInterval(3);
        QStringList shown;
        for (int minute = 1; minute <= 6; ++minute)
            shown << nextTip(note);
        QCOMPARE(shown, (QStringList{"<none>", "<none>", "a", "<none>", "<none>", "b"}));
    }

    void showTipTextOffStopsEveryTipTimer()
    {
        TestApp app;
        setTips(app, {"a"});
        frmNote *shownA = loadNote(app);
        frmNote *shownB = loadNote(app);
        frmNote *hiddenLive = loadNote(app);
        for (frmNote *note : {shownA, shownB}) {
            note->show();
            note->lblAds->show();
        }
        QVERIFY(!hiddenLive->isVisible());

        openOptions(app, false)->cmdOK_Click();
        for (frmNote *note : {shownA, shownB}) {
            QVERIFY(note->lblAds->isHidden());
            QVERIFY(!note->tmrlblADS->Enable());
        }
        // Hidden live notes stay quiet too, until tips are switched on again.
        QVERIFY(!hiddenLive->tmrlblADS->Enable());
    }

    void showTipTextOnRestartsTheTipLines()
    {
        TestApp app;
        frmNote *shown = loadNote(app);
        frmNote *hiddenLive = loadNote(app);
        frmNote *menuNote = loadNote(app, false);
        shown->show();
        for (frmNote *note : {shown, hiddenLive, menuNote}) {
            note->tmrlblADS->setEnable(false);
            note->lblAds->hide();
        }

        openOptions(app, true)->cmdApply_Click();
        QVERIFY(shown->tmrlblADS->Enable());
        QVERIFY(!shown->lblAds->isHidden());
        QVERIFY(hiddenLive->tmrlblADS->Enable());
        QVERIFY(!menuNote->tmrlblADS->Enable());
    }

    void newDelayWaitsForTheNextStart()
    {
        TestApp app;
        frmNote *note = loadNote(app);
        note->tmrlblADS->setInterval(15);
        frmOptions *dialog = openOptions(app, true);
        dialog->txtDelay->setText("3");
        QVERIFY(dialog->SaveOptions());
        QCOMPARE(note->tmrlblADS->Interval(), 15);
    }

    void optionsItemsOpenTheDialog_data()
    {
        QTest::addColumn<bool>("tray");
        QTest::newRow("note menu") << false;
        QTest::newRow("tray menu") << true;
    }
    void optionsItemsOpenTheDialog()
    {
        QFETCH(bool, tray);
        TestApp app;
        app.forms.setFactory("frmOptions", [&app] { return new frmOptions(app.ctx); });
        frmNote *note = loadNote(app, !tray);
        if (tray)
            note->mnuTrayOptions_Click();
        else
            note->mnuOptions_Click();
        auto *dialog = qobject_cast<frmOptions *>(app.forms.find("frmOptions"));
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QVERIFY(!dialog->isModal());
        // A second click brings the same dialog back.
        note->mnuOptions_Click();
        QCOMPARE(app.forms.formsNamed("frmOptions").size(), 1);
    }
};

QTEST_MAIN(tst_TipDisplay)
#include "tst_TipDisplay.moc"
