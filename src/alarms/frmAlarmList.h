#pragma once

#include "shell/Form.h"

#include <QDateTime>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <vector>

class QTreeWidget;
class QTreeWidgetItem;
class frmNote;

// Every alarm of every note in one window, sorted by when it is next due:
// the moment, the repeat, the message, the marked words and the note's first
// line. Enter or a double click brings the note up with the mark selected;
// Delete removes the alarm as the note's Remove Alarm does (refused while its
// alert is open). The list follows changes while it is open.
class frmAlarmList : public Form
{
    Q_OBJECT
public:
    enum Column { ColDue, ColRepeat, ColMessage, ColMarked, ColNote, ColumnCount };

    explicit frmAlarmList(AppContext &ctx);
    ~frmAlarmList() override;

    // The loaded list, or a new one; shown and brought to the front.
    static frmAlarmList *Open(AppContext &ctx);

    QTreeWidget *lvwAlarms = nullptr;

    // Fills the list anew from the notes' alarm entries.
    void Refresh();
    // The note of the current row, with the mark selected and the focus in it.
    void lvwAlarms_Activate();
    // Removes the alarm of the current row.
    void lvwAlarms_Delete();

protected:
    void Form_Load() override;
    void Form_Unload() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void watch(Form *form);
    // The note and alarm index of a row; null when the note is gone.
    frmNote *noteOf(const QTreeWidgetItem *item) const;
    int indexOf(const QTreeWidgetItem *item) const;
    // Puts the note's caret inside the mark of `index`; false when the text has none.
    static bool caretIntoMark(frmNote *note, int index);

    struct Row
    {
        QDateTime Due; // invalid: cannot be read, sorted last
        QStringList Columns;
        QPointer<frmNote> Note;
        int Index = 0;
    };
    std::vector<Row> m_rows; // what the list shows, in its order
    QTimer m_refresh;        // changes coming together give one refill
};
