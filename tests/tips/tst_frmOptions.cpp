#include "tips/frmOptions.h"

#include "platform/IniFile.h"
#include "shell/AppInfo.h"
#include "shell/cIni.h"
#include "support/FailingFileSystem.h"
#include "support/TestApp.h"
#include "tips/frmEnterTip.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <memory>

class tst_frmOptions : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestApp> app;

    QString option(const QString &name) const
    {
        return app->registry.getString(UserRegistry::HKEY_CURRENT_USER, AppInfo::RegistryKey, name);
    }
    void setOption(const QString &name, const QString &value)
    {
        app->registry.setString(UserRegistry::HKEY_CURRENT_USER, AppInfo::RegistryKey, name, value);
    }
    void setTips(const QStringList &tips) { app->vars.Tips = tips + QStringList{QString()}; }

    // The dialog as the menus open it: the loaded default instance, shown.
    frmOptions *open()
    {
        auto *dialog = qobject_cast<frmOptions *>(app->forms.defaultInstance("frmOptions"));
        dialog->show();
        return dialog;
    }
    bool isOpen() const { return app->forms.find("frmOptions") != nullptr; }
    QStringList listed(const frmOptions *dialog) const
    {
        QStringList texts;
        for (int i = 0; i < dialog->lstTips->count(); ++i)
            texts << dialog->lstTips->item(i)->text();
        return texts;
    }
    frmEnterTip *enterTip() const
    {
        return qobject_cast<frmEnterTip *>(app->forms.find("frmEnterTip"));
    }
    QString iniValue(const QString &key) const
    {
        return IniFile(cIni(app->ctx.folders).resolve("PQOptions.ini"))
            .value("General Options", key, "<none>");
    }
    // A stored set of options that passes every check.
    void storeValidOptions()
    {
        setOption("UserName", "Ada");
        setOption("TipDelay", "15");
        setOption("ShowTipText", "yes");
    }

private slots:
    void init()
    {
        app = std::make_unique<TestApp>();
        app->forms.setFactory("frmOptions", [this] { return new frmOptions(app->ctx); });
    }
    void cleanup() { app.reset(); }

    void captions_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("caption");
        QTest::newRow("dialog") << "dialog"
                                << "Options";
        QTest::newRow("tab 1") << "tab0"
                               << "General";
        QTest::newRow("tab 2") << "tab1"
                               << "Tip Text";
        QTest::newRow("fraGeneral") << "fraGeneral"
                                    << "General";
        QTest::newRow("lblName")
            << "lblName"
            << "Type your &name below. Pennyquill uses this name for greetings";
        QTest::newRow("chkShowNote") << "chkShowNote"
                                     << "&Show my notes when Pennyquill starts.";
        QTest::newRow("chkRunOnStart") << "chkRunOnStart"
                                       << "&Run Pennyquill when I log in.";
        QTest::newRow("fraTip") << "fraTip"
                                << "Tip Text";
        QTest::newRow("lblTip") << "lblTip"
                                << "Click Add TipText button to add a new Tip Text. These texts "
                                   "will be shown in the period set in below.";
        QTest::newRow("cmdAdd") << "cmdAdd"
                                << "&Add ";
        QTest::newRow("cmdEdit") << "cmdEdit"
                                 << "&Edit";
        QTest::newRow("cmdRemove") << "cmdRemove"
                                   << "&Remove";
        QTest::newRow("chkShowTip") << "chkShowTip"
                                    << "Show Tip Text";
        QTest::newRow("fraBehavior") << "fraBehavior"
                                     << "Tip Text Behavior";
        QTest::newRow("chkShowRnd") << "chkShowRnd"
                                    << "Show Tip Text randomly.";
        QTest::newRow("lblShowDelay") << "lblShowDelay"
                                      << "Show a new Tip Text every                minutes.";
        QTest::newRow("cmdOK") << "cmdOK"
                               << "OK";
        QTest::newRow("cmdCancel") << "cmdCancel"
                                   << "Cancel";
        QTest::newRow("cmdApply") << "cmdApply"
                                  << "Apply";
    }
    void captions()
    {
        QFETCH(QString, control);
        QFETCH(QString, caption);
        frmOptions *d = open();
        const QHash<QString, QString> texts{
            {"dialog", d->windowTitle()},
            {"tab0", d->tbsOptions->tabText(0)},
            {"tab1", d->tbsOptions->tabText(1)},
            {"fraGeneral", d->fraGeneral->title()},
            {"lblName", d->lblName->text()},
            {"chkShowNote", d->chkShowNote->text()},
            {"chkRunOnStart", d->chkRunOnStart->text()},
            {"fraTip", d->fraTip->title()},
            {"lblTip", d->lblTip->text()},
            {"cmdAdd", d->cmdAdd->text()},
            {"cmdEdit", d->cmdEdit->text()},
            {"cmdRemove", d->cmdRemove->text()},
            {"chkShowTip", d->chkShowTip->text()},
            {"fraBehavior", d->fraBehavior->title()},
            {"chkShowRnd", d->chkShowRnd->text()},
            {"lblShowDelay", d->lblShowDelay->text()},
            {"cmdOK", d->cmdOK->text()},
            {"cmdCancel", d->cmdCancel->text()},
            {"cmdApply", d->cmdApply->text()},
        };
        QCOMPARE(texts.value(control), caption);
    }

    void tabKeys()
    {
        frmOptions *d = open();
        QCOMPARE(d->tbsOptions->tabData(0).toString(), QString("General"));
        QCOMPARE(d->tbsOptions->tabData(1).toString(), QString("TipText"));
    }

    void enterTipCaptions()
    {
        frmOptions *d = open();
        d->cmdAdd_Click();
        frmEnterTip *e = enterTip();
        QVERIFY(e);
        QCOMPARE(e->windowTitle(), QString("Enter Tip Text"));
        QCOMPARE(e->fraTip->title(), QString("Enter a Tip Text"));
        QCOMPARE(e->cmdOK->text(), QString("OK"));
        QCOMPARE(e->cmdCancel->text(), QString("Cancel"));
        QCOMPARE(e->windowModality(), Qt::ApplicationModal);
    }

    void loadsTheStoredOptions()
    {
        setOption("RunWithWindows", "YES");
        setOption("ShowTipText", "Yes");
        setOption("ShowRnd", "no");
        setOption("ShowWhenStart", "yes ");
        setOption("UserName", "Ada Lovelace");
        setOption("TipDelay", "7");
        setTips({"first", "second"});
        frmOptions *d = open();
        QVERIFY(d->chkRunOnStart->isChecked());
        QVERIFY(d->chkShowTip->isChecked());
        QVERIFY(!d->chkShowRnd->isChecked());
        QVERIFY(!d->chkShowNote->isChecked()); // "yes " is not "yes"
        QCOMPARE(d->txtName->text(), QString("Ada Lovelace"));
        QCOMPARE(d->txtDelay->text(), QString("7"));
        QCOMPARE(listed(d), (QStringList{"first", "second"}));
        QVERIFY(!d->cmdApply->isEnabled());
        QVERIFY(!d->cmdEdit->isEnabled());
        QVERIFY(!d->cmdRemove->isEnabled());
        QVERIFY(d->fraGeneral->isVisible());
        QVERIFY(!d->fraTip->isVisible());
    }

    void freshInstallLoadsEmpty()
    {
        frmOptions *d = open();
        QVERIFY(!d->chkRunOnStart->isChecked());
        QVERIFY(!d->chkShowTip->isChecked());
        QVERIFY(d->txtName->text().isEmpty());
        QCOMPARE(d->lstTips->count(), 0);
        QVERIFY(!d->cmdApply->isEnabled());
    }

    void showTipSwitchesTheTipControls()
    {
        setTips({"a", "b"});
        frmOptions *d = open();
        const QColor window = QApplication::palette().color(QPalette::Base);
        const QColor face = QApplication::palette().color(QPalette::Button);
        QVERIFY(window != face);

        // Stored off: the tip controls start disabled, on the button face.
        for (QWidget *w : QList<QWidget *>{d->lstTips, d->cmdAdd, d->txtDelay, d->chkShowRnd,
                                           d->cmdEdit, d->cmdRemove})
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
        QCOMPARE(d->lstTips->palette().color(QPalette::Base), face);
        QCOMPARE(d->txtDelay->palette().color(QPalette::Base), face);

        d->SelectTab("TipText");
        QTest::mouseClick(d->chkShowTip, Qt::LeftButton, {},
                          QPoint(5, d->chkShowTip->height() / 2));
        QVERIFY(d->chkShowTip->isChecked());
        for (QWidget *w : QList<QWidget *>{d->lstTips, d->cmdAdd, d->txtDelay, d->chkShowRnd})
            QVERIFY(w->isEnabled());
        QCOMPARE(d->lstTips->palette().color(QPalette::Base), window);
        QCOMPARE(d->txtDelay->palette().color(QPalette::Base), window);
        QVERIFY(!d->cmdEdit->isEnabled());
        QVERIFY(!d->cmdRemove->isEnabled());

        d->lstTips->setCurrentRow(1);
        QVERIFY(d->cmdEdit->isEnabled());
        QVERIFY(d->cmdRemove->isEnabled());

        d->chkShowTip->click();
        QVERIFY(!d->cmdEdit->isEnabled());
        QVERIFY(!d->cmdRemove->isEnabled());
        QVERIFY(!d->lstTips->isEnabled());

        // Checking again leaves Edit and Remove off, although a tip is still selected;
        // clicking the tip brings them back.
        d->chkShowTip->click();
        QVERIFY(!d->cmdEdit->isEnabled());
        QVERIFY(!d->cmdRemove->isEnabled());
        const QRect row = d->lstTips->visualItemRect(d->lstTips->item(1));
        QTest::mouseClick(d->lstTips->viewport(), Qt::LeftButton, {}, row.center());
        QVERIFY(d->cmdEdit->isEnabled());
        QVERIFY(d->cmdRemove->isEnabled());
    }

    void changesEnableApply_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("enables");
        QTest::newRow("chkRunOnStart") << "chkRunOnStart" << true;
        QTest::newRow("chkShowNote") << "chkShowNote" << true;
        QTest::newRow("chkShowRnd") << "chkShowRnd" << true;
        QTest::newRow("chkShowTip") << "chkShowTip" << true;
        QTest::newRow("txtName") << "txtName" << true;
        QTest::newRow("txtDelay") << "txtDelay" << true;
        QTest::newRow("add a tip") << "add" << false;
        QTest::newRow("edit a tip") << "edit" << false;
        QTest::newRow("remove a tip") << "remove" << false;
        QTest::newRow("switch tabs") << "tab" << false;
    }
    void changesEnableApply()
    {
        QFETCH(QString, change);
        QFETCH(bool, enables);
        storeValidOptions();
        setTips({"a", "b"});
        frmOptions *d = open();
        d->SelectTab("TipText");
        QVERIFY(!d->cmdApply->isEnabled());
        if (change.startsWith("chk")) {
            d->findChild<QCheckBox *>(change)->click();
        } else if (change == "txtName") {
            d->SelectTab("General");
            QTest::keyClicks(d->txtName, "x");
        } else if (change == "txtDelay") {
            QTest::keyClick(d->txtDelay, Qt::Key_Backspace);
        } else if (change == "add") {
            d->cmdAdd_Click();
            enterTip()->txtTip->setText("c");
            enterTip()->cmdOK_Click();
            QCOMPARE(d->lstTips->count(), 3);
        } else if (change == "edit") {
            d->lstTips->setCurrentRow(0);
            d->cmdEdit_Click();
            enterTip()->txtTip->setText("z");
            enterTip()->cmdOK_Click();
            QCOMPARE(d->lstTips->item(0)->text(), QString("z"));
        } else if (change == "remove") {
            d->lstTips->setCurrentRow(0);
            d->cmdRemove_Click();
            QCOMPARE(d->lstTips->count(), 1);
        } else if (change == "tab") {
            d->SelectTab("General");
        }
        QCOMPARE(d->cmdApply->isEnabled(), enables);
    }

    void tabsShowTheirFrame()
    {
        frmOptions *d = open();
        d->tbsOptions->setCurrentIndex(1);
        QVERIFY(d->fraTip->isVisible());
        QVERIFY(!d->fraGeneral->isVisible());
        QCOMPARE(d->SelectedTabKey(), QString("TipText"));
        d->tbsOptions->setCurrentIndex(0);
        QVERIFY(d->fraGeneral->isVisible());
        QVERIFY(!d->fraTip->isVisible());
    }

    void ctrlTabSelectsTheNextTab_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::newRow("name box") << "txtName";
        QTest::newRow("check box") << "chkShowNote";
        QTest::newRow("OK button") << "cmdOK";
        QTest::newRow("tab strip") << "tbsOptions";
    }
    void ctrlTabSelectsTheNextTab()
    {
        QFETCH(QString, focus);
        storeValidOptions();
        frmOptions *d = open();
        QApplication::setActiveWindow(d);
        QVERIFY(QTest::qWaitForWindowActive(d));
        QWidget *start = d->findChild<QWidget *>(focus);
        QVERIFY(start);
        start->setFocus();
        QTest::keyClick(start, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(d->SelectedTabKey(), QString("TipText"));
        QVERIFY(d->fraTip->isVisible());
        // From the last tab back to the first, wherever the focus went.
        QWidget *now = QApplication::focusWidget() ? QApplication::focusWidget() : d;
        QTest::keyClick(now, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(d->SelectedTabKey(), QString("General"));
    }

    void delayKeyFilter_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letters") << "ab"
                                 << "";
        QTest::newRow("mixed") << "a1b"
                               << "1";
        QTest::newRow("digits") << "42"
                                << "42";
        QTest::newRow("signs and blanks") << "-+ .,"
                                          << "";
        QTest::newRow("at most two") << "123"
                                     << "12";
    }
    void delayKeyFilter()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        setOption("ShowTipText", "yes");
        frmOptions *d = open();
        d->SelectTab("TipText");
        d->txtDelay->clear();
        QTest::keyClicks(d->txtDelay, typed);
        QCOMPARE(d->txtDelay->text(), shown);
    }

    void delayKeepsBackspaceAndEditingKeys()
    {
        setOption("ShowTipText", "yes");
        setOption("TipDelay", "15");
        frmOptions *d = open();
        d->SelectTab("TipText");
        d->txtDelay->setFocus();
        d->txtDelay->end(false);
        QTest::keyClick(d->txtDelay, Qt::Key_Backspace);
        QCOMPARE(d->txtDelay->text(), QString("1"));
        QTest::keyClick(d->txtDelay, Qt::Key_Home);
        QTest::keyClick(d->txtDelay, Qt::Key_Delete);
        QCOMPARE(d->txtDelay->text(), QString());
        QCOMPARE(frmOptions::txtDelay_KeyPress('\b'), int('\b'));
        QCOMPARE(frmOptions::txtDelay_KeyPress('7'), int('7'));
        QCOMPARE(frmOptions::txtDelay_KeyPress('x'), 0);
    }

    void pastedLettersGiveTheNumericWarning()
    {
        storeValidOptions();
        frmOptions *d = open();
        QApplication::clipboard()->setText("ab");
        d->txtDelay->clear();
        d->txtDelay->setFocus();
        QTest::keyClick(d->txtDelay, Qt::Key_V, Qt::ControlModifier);
        if (d->txtDelay->text().isEmpty())
            d->txtDelay->paste(); // a platform without a key binding for paste
        QCOMPARE(d->txtDelay->text(), QString("ab"));
        QVERIFY(d->cmdApply->isEnabled());

        d->cmdOK->click();
        QCOMPARE(app->prompter.shown.size(), 1);
        const auto shown = app->prompter.shown.first();
        QCOMPARE(shown.text,
                 QString("Please enter a numeric value between 1 to 99 for Tip cycle show."));
        QCOMPARE(shown.icon, Prompter::Icon::Exclamation);
        QCOMPARE(shown.buttons, Prompter::Buttons::Ok);
        QCOMPARE(shown.title, AppInfo::Title);
        QVERIFY(isOpen());
        QCOMPARE(d->SelectedTabKey(), QString("TipText"));
        QVERIFY(d->fraTip->isVisible());
        QCOMPARE(d->focusWidget(), d->txtDelay);
        QVERIFY(option("TipDelay") == "15"); // nothing was written
    }

    void delayValues_data()
    {
        QTest::addColumn<QString>("delay");
        QTest::addColumn<bool>("saved");
        QTest::newRow("1") << "1" << true;
        QTest::newRow("99") << "99" << true;
        QTest::newRow("07") << "07" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("00") << "00" << false;
        QTest::newRow("letters") << "ab" << false;
        QTest::newRow("sign") << "-1" << false;
        QTest::newRow("blank") << " 5" << false;
        QTest::newRow("decimal") << "1." << false;
    }
    void delayValues()
    {
        QFETCH(QString, delay);
        QFETCH(bool, saved);
        storeValidOptions();
        frmOptions *d = open();
        d->txtDelay->setText(delay);
        QCOMPARE(d->SaveOptions(), saved);
        QCOMPARE(option("TipDelay"), saved ? delay : QString("15"));
        QCOMPARE(app->prompter.shown.size(), saved ? 0 : 1);
        if (!saved)
            QCOMPARE(d->SelectedTabKey(), QString("TipText"));
    }

    void emptyNameWarnsOnGeneralAndKeepsApply()
    {
        storeValidOptions();
        frmOptions *d = open();
        d->SelectTab("TipText");
        d->txtName->clear();
        QVERIFY(d->cmdApply->isEnabled());
        d->cmdApply->click();
        QCOMPARE(app->prompter.shown.size(), 1);
        QCOMPARE(app->prompter.shown.first().text, QString("Please enter a name for user name."));
        QCOMPARE(app->prompter.shown.first().icon, Prompter::Icon::Exclamation);
        QCOMPARE(d->SelectedTabKey(), QString("General"));
        QVERIFY(d->fraGeneral->isVisible());
        QCOMPARE(d->focusWidget(), d->txtName);
        QVERIFY(d->cmdApply->isEnabled());
        QCOMPARE(option("UserName"), QString("Ada"));
    }

    void delayIsCheckedBeforeTheName()
    {
        frmOptions *d = open();
        d->txtName->clear();
        d->txtDelay->clear();
        QVERIFY(!d->SaveOptions());
        QCOMPARE(app->prompter.shown.size(), 1);
        QVERIFY(app->prompter.shown.first().text.startsWith("Please enter a numeric"));
    }

    void removeSelects_data()
    {
        QTest::addColumn<QStringList>("tips");
        QTest::addColumn<int>("removed");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<int>("selected");
        QTest::newRow("last of three")
            << QStringList{"a", "b", "c"} << 2 << QStringList{"a", "b"} << 1;
        QTest::newRow("middle of three")
            << QStringList{"a", "b", "c"} << 1 << QStringList{"a", "c"} << 1;
        QTest::newRow("first of three")
            << QStringList{"a", "b", "c"} << 0 << QStringList{"b", "c"} << 0;
        QTest::newRow("only tip") << QStringList{"a"} << 0 << QStringList{} << -1;
    }
    void removeSelects()
    {
        QFETCH(QStringList, tips);
        QFETCH(int, removed);
        QFETCH(QStringList, left);
        QFETCH(int, selected);
        setOption("ShowTipText", "yes");
        setTips(tips);
        frmOptions *d = open();
        d->SelectTab("TipText");
        d->lstTips->setCurrentRow(removed);
        d->cmdRemove->click();
        QCOMPARE(listed(d), left);
        QCOMPARE(d->lstTips->currentRow(), selected);
        QCOMPARE(d->lstTips->selectedItems().size(), selected < 0 ? 0 : 1);
        QCOMPARE(d->cmdEdit->isEnabled(), !left.isEmpty());
        QCOMPARE(d->cmdRemove->isEnabled(), !left.isEmpty());
    }

    void editKeepsThePlace()
    {
        setOption("ShowTipText", "yes");
        setTips({"a", "b", "c"});
        frmOptions *d = open();
        d->SelectTab("TipText");
        d->lstTips->setCurrentRow(1);
        d->cmdEdit->click();
        frmEnterTip *e = enterTip();
        QVERIFY(e && e->isVisible());
        QCOMPARE(e->iEdit, QString("1"));
        QCOMPARE(e->txtTip->text(), QString("b"));
        e->txtTip->setText("B!");
        e->cmdOK->click();
        QCOMPARE(listed(d), (QStringList{"a", "B!", "c"}));
        QCOMPARE(d->lstTips->currentRow(), 1);
        QVERIFY(!e->isVisible());
        QVERIFY(!enterTip());
    }

    void addAppendsEvenEmptyText()
    {
        setOption("ShowTipText", "yes");
        setTips({"a"});
        frmOptions *d = open();
        d->cmdAdd->click();
        frmEnterTip *e = enterTip();
        QVERIFY(e->iEdit.isEmpty());
        QVERIFY(e->txtTip->text().isEmpty());
        QTest::keyClicks(e->txtTip, "Drink water");
        QTest::keyClick(e->txtTip, Qt::Key_Return);
        QCOMPARE(listed(d), (QStringList{"a", "Drink water"}));
        d->cmdAdd->click();
        enterTip()->cmdOK->click();
        QCOMPARE(listed(d), (QStringList{"a", "Drink water", ""}));
    }

    void cancelledTipChangesNothing()
    {
        setOption("ShowTipText", "yes");
        setTips({"a", "b"});
        frmOptions *d = open();
        d->lstTips->setCurrentRow(0);
        d->cmdEdit->click();
        enterTip()->txtTip->setText("changed");
        enterTip()->cmdCancel->click();
        d->cmdAdd->click();
        enterTip()->txtTip->setText("new");
        enterTip()->close();
        QCOMPARE(listed(d), (QStringList{"a", "b"}));
    }

    void addingATipAndOkSavesIt()
    {
        storeValidOptions();
        setTips({"one", "two"});
        frmOptions *d = open();
        d->cmdAdd->click();
        enterTip()->txtTip->setText("three");
        enterTip()->cmdOK->click();
        QVERIFY(!d->cmdApply->isEnabled());
        d->cmdOK->click();
        QVERIFY(!isOpen());
        QCOMPARE(app->vars.Tips, (QStringList{"one", "two", "three", ""}));
        QCOMPARE(app->vars.TipsCount(), 3);
        QCOMPARE(iniValue("TipsCount"), QString("3"));
        QCOMPARE(iniValue("Tips0"), QString("one"));
        QCOMPARE(iniValue("Tips1"), QString("two"));
        QCOMPARE(iniValue("Tips2"), QString("three"));
    }

    void removingAllTipsSavesNone()
    {
        storeValidOptions();
        setTips({"one"});
        frmOptions *d = open();
        d->lstTips->setCurrentRow(0);
        d->cmdRemove_Click();
        QVERIFY(d->SaveOptions());
        QCOMPARE(app->vars.Tips, QStringList{QString()});
        QCOMPARE(app->vars.TipsCount(), 0);
        QCOMPARE(iniValue("TipsCount"), QString("0"));
    }

    void tipLineBreaksAreSavedOnOneLine()
    {
        storeValidOptions();
        frmOptions *d = open();
        d->lstTips->addItem("two\r\nlines");
        QVERIFY(d->SaveOptions());
        QCOMPARE(iniValue("Tips0"), QString("two  lines"));
        QCOMPARE(iniValue("TipsCount"), QString("1"));
    }

    void savesEveryOption()
    {
        storeValidOptions();
        frmOptions *d = open();
        d->txtName->setText("Grace");
        d->txtDelay->setText("30");
        d->chkShowNote->setChecked(true);
        d->chkShowRnd->setChecked(true);
        d->chkShowTip->setChecked(false);
        d->chkRunOnStart->setChecked(false);
        d->cmdApply->click();
        QVERIFY(!d->cmdApply->isEnabled());
        QVERIFY(isOpen());
        QCOMPARE(option("UserName"), QString("Grace"));
        QCOMPARE(option("TipDelay"), QString("30"));
        QCOMPARE(option("ShowWhenStart"), QString("yes"));
        QCOMPARE(option("ShowRnd"), QString("yes"));
        QCOMPARE(option("ShowTipText"), QString("no"));
        QCOMPARE(option("RunWithWindows"), QString("no"));
        QCOMPARE(app->vars.UserName, QString("Grace"));
        QVERIFY(app->vars.RandomTips);
        QVERIFY(app->prompter.shown.isEmpty());

        d->chkShowRnd->setChecked(false);
        QVERIFY(d->SaveOptions());
        QVERIFY(!app->vars.RandomTips);
        QCOMPARE(option("ShowRnd"), QString("no"));
    }

    void runAtLogonWritesAndRemovesTheEntry()
    {
        storeValidOptions();
        frmOptions *d = open();
        d->chkRunOnStart->setChecked(true);
        QVERIFY(d->SaveOptions());
        QCOMPARE(option("RunWithWindows"), QString("yes"));
        QVERIFY(app->logon.exists());
        QFile entry(app->logon.filePath());
        QVERIFY(entry.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(entry.readAll())
                    .contains(QFileInfo(QCoreApplication::applicationFilePath()).fileName()));
        entry.close();

        d->chkRunOnStart->setChecked(false);
        QVERIFY(d->SaveOptions());
        QCOMPARE(option("RunWithWindows"), QString("no"));
        QVERIFY(!app->logon.exists());
    }

    void cancelSavesNothing()
    {
        storeValidOptions();
        frmOptions *d = open();
        d->txtName->setText("Someone else");
        d->cmdCancel->click();
        QVERIFY(!isOpen());
        QCOMPARE(option("UserName"), QString("Ada"));
        QVERIFY(!QFile::exists(cIni(app->ctx.folders).resolve("PQOptions.ini")));
    }

    void escapeCancels()
    {
        storeValidOptions();
        frmOptions *d = open();
        QApplication::setActiveWindow(d);
        QVERIFY(QTest::qWaitForWindowActive(d));
        d->txtName->setFocus();
        QTest::keyClick(d->txtName, Qt::Key_Escape);
        QVERIFY(!isOpen());
    }

    void unloadingClosesTheTipDialog()
    {
        setOption("ShowTipText", "yes");
        frmOptions *d = open();
        d->cmdAdd->click();
        QVERIFY(enterTip());
        d->cmdCancel->click();
        QVERIFY(!enterTip());
    }

    void openingAgainShowsTheSameDialog()
    {
        frmOptions *first = open();
        first->txtName->setText("typed");
        QCOMPARE(open(), first);
        QCOMPARE(first->txtName->text(), QString("typed"));
    }

    void unwritableOptionsFileIsReported()
    {
        storeValidOptions();
        // A folder where the options file should be: it cannot be written.
        QVERIFY(QDir().mkpath(cIni(app->ctx.folders).resolve("PQOptions.ini")));
        frmOptions *d = open();
        d->cmdOK->click();
        QVERIFY(isOpen());
        QCOMPARE(app->prompter.shown.size(), 1);
        QVERIFY(app->prompter.shown.first().text.startsWith("Your options could not be saved."));
        QCOMPARE(app->prompter.shown.first().icon, Prompter::Icon::Exclamation);
    }

    // A full disk at a step of writing the options: the user is told, the file keeps its
    // old values or holds the new ones, and the new ones hold for this run.
    void fullDiskIsReported_data()
    {
        QTest::addColumn<int>("failAt");
        const char *steps[] = {"create", "write", "sync", "close", "rename", "folder sync"};
        for (int step = 1; step <= 6; ++step)
            QTest::newRow(steps[step - 1]) << step;
        QTest::newRow("a later value") << 20;
    }
    void fullDiskIsReported()
    {
        QFETCH(int, failAt);
        storeValidOptions();
        FailingFileSystem fs(failAt);
        UserRegistry registry(app->registry.filePath(), fs);
        app->ctx.registry = &registry;
        frmOptions *d = open();
        d->txtName->setText("Grace");
        d->cmdOK->click();
        QVERIFY(fs.steps() >= failAt); // every write went through it
        QCOMPARE(app->prompter.shown.size(), 1);
        QVERIFY(app->prompter.shown.first().text.startsWith("Your options could not be saved."));
        QVERIFY(QStringList({"Ada", "Grace"}).contains(option("UserName")));
        QCOMPARE(option("TipDelay"), QString("15"));
        QCOMPARE(
            registry.getString(UserRegistry::HKEY_CURRENT_USER, AppInfo::RegistryKey, "UserName"),
            QString("Grace"));
    }
};

QTEST_MAIN(tst_frmOptions)
#include "tst_frmOptions.moc"
