#pragma once

#include "shell/Form.h"
#include "shell/WindowPlace.h"

#include <QPointer>

class AlarmEntry;
class FormRegistry;
class LCDEffect;
class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class frmNote;

// The window of one alarm that fell due: its message beside a light panel
// that plays random effects for as long as the window is open. Dismiss
// removes the alarm and gives the note's text back its look from before
// marking; a snooze lets the alarm fall due again some minutes later.
// Closing the window otherwise snoozes it for the default five minutes, so an
// alarm never stays stuck in the "played" state.
class frmAlert : public Form
{
    Q_OBJECT
public:
    // Client area, in twips.
    static constexpr int ClientWidth = 4680;
    static constexpr int ClientHeight = 1935;
    // Each alert opens this far down and right of the last one painted.
    static constexpr int CascadeStep = 1000;
    static constexpr int DefaultSnooze = 5;

    explicit frmAlert(AppContext &ctx);
    ~frmAlert() override;

    // Set by the note that opens the window.
    QPointer<frmNote> frmSender;
    int iAlarmIndex = 0;
    int iListIndex = 0;
    QString sSelTextRTF;

    // Controls.
    ::LCDEffect *LCDEffect = nullptr;
    QPlainTextEdit *txtMsg = nullptr;
    QLabel *Image1 = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdSnooz = nullptr;
    QMenu *mnuSnooz = nullptr;
    QAction *mnu1Min = nullptr, *mnu2Min = nullptr, *mnu3Min = nullptr, *mnu5Min = nullptr,
            *mnuDash2 = nullptr, *mnu10Min = nullptr, *mnu15Min = nullptr, *mnu20Min = nullptr,
            *mnu30Min = nullptr, *mnu45Min = nullptr, *mnu1Hour = nullptr;

    // Opens the alert of a due entry of the note's list: the entry, already
    // "played", goes back at listIndex; the window is placed, shown, and the
    // sound and a desktop notification go out. `missed` ("missed: 09:30 AM
    // yesterday") stands under the message when the alarm fell due late.
    static frmAlert *Open(AppContext &ctx, frmNote *sender, int listIndex, const AlarmEntry &entry,
                          const QString &missed = {});
    // The open alert window of a note's alarm, or null.
    static frmAlert *OpenFor(const FormRegistry &forms, const frmNote *sender, int alarmIndex);
    // Where a new alert goes, all in twips: centred on the screen for the
    // first of the run, else one step down and right of the last painted one,
    // or centred again when that would leave the screen.
    static QPoint Placement(const QPoint &lastPainted, const QSize &size, const QRect &screen);

    // Handlers.
    void LCDEffect_EffectFinished();
    void cmdOK_Click();
    void cmdSnooz_Click();
    void mnu1Min_Click() { SnoozeItem(1); }
    void mnu2Min_Click() { SnoozeItem(2); }
    void mnu3Min_Click() { SnoozeItem(3); }
    void mnu5Min_Click() { SnoozeItem(5); }
    void mnu10Min_Click() { SnoozeItem(10); }
    void mnu15Min_Click() { SnoozeItem(15); }
    void mnu20Min_Click() { SnoozeItem(20); }
    void mnu30Min_Click() { SnoozeItem(30); }
    void mnu45Min_Click() { SnoozeItem(45); }
    void mnu1Hour_Click() { SnoozeItem(60); }

protected:
    void Form_Load() override;
    void Form_Unload() override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildMenu();
    void SnoozeItem(int minutes);
    void Snooze(int minutes);
    // k is 1 to 8, as PickEffect gives it.
    void StartEffect(int k, bool turnOn);
    int PickEffect() const;
    void senderUnloaded(Form *form);
    // Where the next alert cascades from: this window's place, in twips.
    void rememberPosition();

    bool m_turnOn = false;
    bool m_blinkCleanUp = false;
    bool m_answered = false; // dismissed, snoozed or closed with its note
    QString m_notification;  // the key of its desktop notification, if one went out
    bool m_balloon = false;  // the tray's balloon stands in for the notification
    // Where the window was put; on Wayland that is all the program knows of it.
    WindowPlace m_place;
};
