#include "NoteFixtures.h"
#include "alarms/frmAlarmList.h"
#include "alarms/frmAlert.h"

#include <QTest>
#include <QTreeWidget>

namespace {

using NoteFixtures::addAlarm;
using NoteFixtures::loadedNote;

QList<QStringList> rows(const frmAlarmList *list)
{
    QList<QStringList> result;
    for (int row = 0; row < list->lvwAlarms->topLevelItemCount(); ++row) {
        QStringList columns;
        for (int column = 0; column < frmAlarmList::ColumnCount; ++column)
            columns << list->lvwAlarms->topLevelItem(row)->text(column);
        result << columns;
    }
    return result;
}

} // namespace

class tst_frmAlarmList : public QObject
{
    Q_OBJECT
private slots:
    void everyAlarmByNextDue();
    void followsChanges();
    void enterBringsUpTheMark();
    void deleteRemoves_data();
    void deleteRemoves();
};

void tst_frmAlarmList::everyAlarmByNextDue()
{
    TestApp app; // Monday 5 January 2026, 9:00 AM
    frmNote *shopping = loadedNote(app, QStringLiteral("Shopping\r\nmilk and bread"));
    frmNote *work = loadedNote(app, QStringLiteral("Work: call Anna"));
    addAlarm(shopping, 19, 5, 3, QStringLiteral("2026-01-06 08:00 AM"));
    addAlarm(shopping, 10, 4, 1, QStringLiteral("2026-01-07 06:00 PM"));
    addAlarm(work, 11, 4, 2, QStringLiteral("10:30 AM"));
    AlarmEntry weekly = *AlarmEntry::parse(work->lstAlarms->text(0));
    weekly.TimeText = QStringLiteral("2026-01-12 09:00 AM");
    weekly.setRepeatField(QStringLiteral("repeat=weekly"));
    work->lstAlarms->setText(0, weekly.line());
    frmAlarmList *list = frmAlarmList::Open(app.ctx);
    const QList<QStringList> expected{
        {"08:00 AM tomorrow", "", "Message 3", "bread", "Shopping"},
        {"06:00 PM on Wed 7 Jan", "", "Message 1", "milk", "Shopping"},
        {"09:00 AM on Mon 12 Jan", "every Monday", "Message 2", "Anna", "Work: call Anna"},
    };
    QCOMPARE(rows(list), expected);
    QCOMPARE(frmAlarmList::Open(app.ctx), list); // one window
}

void tst_frmAlarmList::followsChanges()
{
    TestApp app;
    frmNote *note = loadedNote(app, QStringLiteral("one two"));
    frmAlarmList *list = frmAlarmList::Open(app.ctx);
    QCOMPARE(list->lvwAlarms->topLevelItemCount(), 0);
    addAlarm(note, 0, 3, 1, QStringLiteral("2026-01-05 10:00 AM"));
    QTRY_COMPARE(list->lvwAlarms->topLevelItemCount(), 1);
    frmNote *other = loadedNote(app, QStringLiteral("three"));
    addAlarm(other, 0, 5, 2, QStringLiteral("2026-01-05 09:30 AM"));
    QTRY_COMPARE(list->lvwAlarms->topLevelItemCount(), 2);
    QCOMPARE(list->lvwAlarms->topLevelItem(0)->text(frmAlarmList::ColMarked), "three");
    other->Unload();
    QTRY_COMPARE(list->lvwAlarms->topLevelItemCount(), 1);
}

void tst_frmAlarmList::enterBringsUpTheMark()
{
    TestApp app;
    frmNote *note = loadedNote(app, QStringLiteral("buy milk today"));
    addAlarm(note, 4, 4, 1, QStringLiteral("2026-01-06 10:00 AM"));
    note->rtxtMain->setSelStart(0);
    note->hide();
    frmAlarmList *list = frmAlarmList::Open(app.ctx);
    QTest::keyClick(list->lvwAlarms, Qt::Key_Return);
    QVERIFY(note->isVisible());
    QCOMPARE(note->rtxtMain->SelText(), QStringLiteral("1milk"));
}

void tst_frmAlarmList::deleteRemoves_data()
{
    QTest::addColumn<bool>("alertOpen");
    QTest::newRow("waiting") << false;
    QTest::newRow("its alert open: refused") << true;
}

void tst_frmAlarmList::deleteRemoves()
{
    QFETCH(bool, alertOpen);
    TestApp app;
    frmNote *note = loadedNote(app, QStringLiteral("buy milk today"));
    const QString before = note->rtxtMain->Text();
    addAlarm(note, 4, 4, 1, QStringLiteral("2026-01-05 09:00 AM"));
    if (alertOpen)
        note->tmrAlarms_Timer();
    frmAlarmList *list = frmAlarmList::Open(app.ctx);
    QTest::keyClick(list->lvwAlarms, Qt::Key_Delete);
    QCOMPARE(note->lstAlarms->count(), alertOpen ? 1 : 0);
    QCOMPARE(note->rtxtMain->Text() == before, !alertOpen);
    QCOMPARE(app.prompter.shown.size(), alertOpen ? 1 : 0);
    QTRY_COMPARE(list->lvwAlarms->topLevelItemCount(), alertOpen ? 1 : 0);
}

QTEST_MAIN(tst_frmAlarmList)
#include "tst_frmAlarmList.moc"
