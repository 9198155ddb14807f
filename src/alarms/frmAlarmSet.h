#pragma once

#include "shell/Form.h"

#include <QDateTime>
#include <QPointer>

class QAction;
class QComboBox;
class QDateEdit;
class QToolButton;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class frmNote;

// The alarm dialog: time of day, message and sound for an alarm on the selected text of a
// note. It does not block the notes and stays above other windows while open; OK marks the
// note's selection and adds the alarm entry to the note.
class frmAlarmSet : public Form
{
    Q_OBJECT
public:
    explicit frmAlarmSet(AppContext &ctx);

    // The loaded dialog, or a new one loaded now.
    static frmAlarmSet *Open(AppContext &ctx);

    // The note the dialog works for.
    QPointer<frmNote> frmSender;

    QGroupBox *fraMain = nullptr;
    QLabel *lblTime = nullptr;
    QLineEdit *txtHour = nullptr;
    QLabel *lblDot = nullptr;
    QLineEdit *txtMin = nullptr;
    QComboBox *cboAMPM = nullptr;
    // The day, under the time: a calendar, and quick choices beside it.
    QLabel *lblDate = nullptr;
    QDateEdit *dtpDate = nullptr;
    QToolButton *cmdFastDate = nullptr;
    QMenu *mnuFastDate = nullptr;
    QLabel *lblRepeat = nullptr;
    QComboBox *cboRepeat = nullptr; // in AlarmWhen::Repeat's order
    QLabel *lblMsg = nullptr;
    QLineEdit *txtMsg = nullptr;
    QRadioButton *optSysBeep = nullptr;
    QRadioButton *optCusSound = nullptr;
    QLineEdit *txtCusSound = nullptr;
    QPushButton *cmdBrowse = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdFastSelect = nullptr;

    QMenu *mnuFast = nullptr;
    QAction *mnu1Min = nullptr, *mnu2Min = nullptr, *mnu3Min = nullptr, *mnu5Min = nullptr,
            *mnuDash1 = nullptr, *mnu10Min = nullptr, *mnu15Min = nullptr, *mnu20Min = nullptr,
            *mnu30Min = nullptr, *mnu45Min = nullptr, *mnu1Hour = nullptr;

    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdFastSelect_Click();
    void cmdBrowse_Click();
    void optSysBeep_Click();
    void optCusSound_Click();
    // The fast choices: now plus that many minutes.
    void FastSelect(int minutes);
    void SetTimeBoxes(const QDateTime &t);
    // The quick date choices, from today's date: today, tomorrow and the days
    // of the coming week.
    void FillFastDates();
    void dtpDate_Change();
    // False (after the box's message, with the focus kept in it) when the box is wrong.
    bool txtHour_Validate();
    bool txtMin_Validate();

protected:
    void Form_Load() override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void warn(const QString &text, QWidget *focus);
    bool validateBox(QLineEdit *box, int low, int high, const QString &message);
    void roomForCaptions();

    bool m_validating = false;
};
