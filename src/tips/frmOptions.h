#pragma once

#include "shell/Form.h"

#include <QPointer>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabBar;
class frmEnterTip;
class SpellingOptions;

// The options dialog: the user's name, the two start-up choices and the tips
// (the list, whether they are shown, in which order and how often). Saving
// writes the settings and the tip list and applies the tip switches to the
// open notes at once.
class frmOptions : public Form
{
    Q_OBJECT
public:
    explicit frmOptions(AppContext &ctx);

    // The tab strip; each tab's key is its tab data.
    QTabBar *tbsOptions = nullptr;

    QGroupBox *fraGeneral = nullptr;
    QLabel *lblName = nullptr;
    QLineEdit *txtName = nullptr;
    QCheckBox *chkShowNote = nullptr;
    QCheckBox *chkRunOnStart = nullptr;
    // Only when the program checks spelling.
    SpellingOptions *fraSpelling = nullptr;
    QCheckBox *chkTaskbar = nullptr;
    QCheckBox *chkAllWorkspaces = nullptr;

    QGroupBox *fraTip = nullptr;
    QLabel *lblTip = nullptr;
    QListWidget *lstTips = nullptr;
    QPushButton *cmdAdd = nullptr;
    QPushButton *cmdEdit = nullptr;
    QPushButton *cmdRemove = nullptr;
    QCheckBox *chkShowTip = nullptr;
    QGroupBox *fraBehavior = nullptr;
    QCheckBox *chkShowRnd = nullptr;
    QLabel *lblShowDelay = nullptr;
    QLineEdit *txtDelay = nullptr;

    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdApply = nullptr;

    // The tip dialog while it is open.
    frmEnterTip *EnterTip() const;

    // Checks, saves and applies the options; false (with a warning shown) when
    // a value is refused or could not be written.
    bool SaveOptions();

    void tbsOptions_Click();
    void SelectTab(const QString &key);
    QString SelectedTabKey() const;

    void chkRunOnStart_Click();
    void chkShowNote_Click();
    void chkShowRnd_Click();
    void chkShowTip_Click();
    void txtName_Change();
    void txtDelay_Change();
    // KeyAscii of a typed character; 0 when the delay box discards it.
    static int txtDelay_KeyPress(int KeyAscii);
    void lstTips_Click();
    void cmdAdd_Click();
    void cmdEdit_Click();
    void cmdRemove_Click();
    void cmdOK_Click();
    void cmdApply_Click();
    void cmdCancel_Click();
    // Ctrl+Tab: the next tab, from the last one the first.
    void NextTab();

protected:
    void Form_Load() override;
    void Form_Unload() override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildGeneral();
    void buildTip();
    void placeDelayBox();
    void showEnterTip(const QString &iEdit, const QString &text);
    bool saveTips();
    void applyTipSwitch(bool showTips);
    void warn(const QString &text);

    QPointer<frmEnterTip> m_enterTip;
};
