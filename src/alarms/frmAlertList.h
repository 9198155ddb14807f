#pragma once

#include "shell/Form.h"

#include <QList>
#include <QPair>
#include <QPointer>
#include <QSet>

class AlarmEntry;
class FormRegistry;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class frmNote;

// The one window that lists the alarms due while many alert windows are open already: a row
// each, with its time and message. The selected rows are dismissed or snoozed together, as an
// alert window's buttons do for its one alarm; closing the window snoozes every row left for
// the alert's default time, so no alarm is lost. The window goes away with its last row.
class frmAlertList : public Form
{
    Q_OBJECT
public:
    explicit frmAlertList(AppContext &ctx);
    ~frmAlertList() override;

    // Adds a due entry of the note's list (already "played", going back at listIndex) to the
    // program's list, which is made and shown with its first row.
    static frmAlertList *Gather(AppContext &ctx, frmNote *sender, int listIndex,
                                const AlarmEntry &entry);
    // The program's list, or null.
    static frmAlertList *Find(const FormRegistry &forms);

    bool Holds(const frmNote *sender, int alarmIndex) const;
    int count() const { return int(m_due.size()); }

    // Controls.
    QLabel *lblDue = nullptr;
    QListWidget *lstDue = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdSnooz = nullptr;
    QMenu *mnuSnooz = nullptr;

    // Handlers: they act on the selected rows.
    void cmdOK_Click();
    void cmdSnooz_Click();
    void SnoozeSelected(int minutes);

protected:
    void Form_Load() override;
    void closeEvent(QCloseEvent *event) override;

private:
    struct Due
    {
        QPointer<frmNote> sender;
        int listIndex = 0;
        int alarmIndex = 0;
        QString unmarkedRtf;
    };

    void add(frmNote *sender, int listIndex, const AlarmEntry &entry);
    // Takes the selected rows out of the list (all of them when none is selected).
    QList<Due> takeSelected();
    QList<Due> takeRows(QList<int> rows);
    void answered();
    void showCount();
    void senderUnloaded(Form *form);

    QList<Due> m_due; // row by row
    QSet<QPair<const frmNote *, int>> m_held;
};
