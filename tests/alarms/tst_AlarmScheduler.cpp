#include "NoteFixtures.h"
#include "alarms/AlarmScheduler.h"

#include <QTest>

using NoteFixtures::alarmLine;

namespace {

const QDate Day(2026, 3, 10);

QList<int> positions(const QList<AlarmScheduler::Due> &due)
{
    QList<int> result;
    for (const AlarmScheduler::Due &one : due)
        result.append(one.ListIndex);
    return result;
}

} // namespace

class tst_AlarmScheduler : public QObject
{
    Q_OBJECT
private slots:
    void dueEntries_data();
    void dueEntries();
    void alarmAddedAfterAnEmptySpell();
    void quietTicksMissNothing();
};

void tst_AlarmScheduler::dueEntries_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QDateTime>("lastCheck"); // invalid: this is the first check
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QList<int>>("due");

    const QStringList at1030 = {alarmLine(1, QStringLiteral("10:30 PM"))};
    QTest::newRow("a second before")
        << at1030 << QDateTime() << QDateTime(Day, QTime(22, 29, 59)) << QList<int>{};
    QTest::newRow("on the minute")
        << at1030 << QDateTime() << QDateTime(Day, QTime(22, 30)) << QList<int>{0};
    QTest::newRow("seconds dropped")
        << at1030 << QDateTime() << QDateTime(Day, QTime(22, 30, 59)) << QList<int>{0};
    QTest::newRow("restored from an earlier day, past")
        << QStringList{alarmLine(1, QStringLiteral("8:00 AM"))} << QDateTime()
        << QDateTime(Day, QTime(9, 0)) << QList<int>{0};
    QTest::newRow("set yesterday for 3 PM, restored at 9 AM")
        << QStringList{alarmLine(1, QStringLiteral("3:00 PM"))} << QDateTime()
        << QDateTime(Day, QTime(9, 0)) << QList<int>{};
    QTest::newRow("two due, list order, one waiting between")
        << QStringList{alarmLine(4, QStringLiteral("2:5 PM")),
                       alarmLine(2, QStringLiteral("11:00 PM")),
                       alarmLine(3, QStringLiteral("01:00 PM"))}
        << QDateTime() << QDateTime(Day, QTime(14, 5)) << QList<int>{0, 2};
    QTest::newRow("played, its alert open")
        << QStringList{alarmLine(1, QStringLiteral("8:00 AM"), AlarmEntry::SystemBeep,
                                 AlarmEntry::Played)}
        << QDateTime() << QDateTime(Day, QTime(9, 0)) << QList<int>{};
    QTest::newRow("played, no alert open (restored)")
        << QStringList{alarmLine(7, QStringLiteral("11:00 PM"), AlarmEntry::SystemBeep,
                                 AlarmEntry::Played)}
        << QDateTime() << QDateTime(Day, QTime(9, 0)) << QList<int>{0};
    QTest::newRow("unreadable entries skipped")
        << QStringList{QStringLiteral(
                           "1<splitter>8:00 AM<splitter>m<splitter>system beep<splitter>in que"),
                       alarmLine(2, QStringLiteral("25:00 PM")),
                       alarmLine(3, QStringLiteral("soon")),
                       QStringLiteral(
                           "x<splitter>8:00 AM<splitter>m<splitter>b<splitter>in que<splitter>r"),
                       alarmLine(5, QStringLiteral("8:00 AM"), AlarmEntry::SystemBeep,
                                 QStringLiteral("odd state")),
                       QString(),
                       alarmLine(6, QStringLiteral("8:00 AM"))}
        << QDateTime() << QDateTime(Day, QTime(9, 0)) << QList<int>{6};
    QTest::newRow("jump over midnight passes an evening alarm")
        << QStringList{alarmLine(1, QStringLiteral("11:00 PM")),
                       alarmLine(2, QStringLiteral("2:00 AM"))}
        << QDateTime(Day, QTime(22, 0)) << QDateTime(Day.addDays(1), QTime(1, 0)) << QList<int>{0};
    QTest::newRow("jump of days passes every alarm")
        << QStringList{alarmLine(1, QStringLiteral("8:00 PM")),
                       alarmLine(2, QStringLiteral("2:00 AM"))}
        << QDateTime(Day, QTime(22, 0)) << QDateTime(Day.addDays(3), QTime(1, 0))
        << QList<int>{0, 1};
    QTest::newRow("plain midnight keeps the morning waiting")
        << QStringList{alarmLine(1, QStringLiteral("6:00 AM"))} << QDateTime(Day, QTime(23, 59, 59))
        << QDateTime(Day.addDays(1), QTime(0, 0)) << QList<int>{};
    QTest::newRow("clock set back: waits for the time again")
        << QStringList{alarmLine(1, QStringLiteral("11:00 AM"))} << QDateTime(Day, QTime(12, 0))
        << QDateTime(Day, QTime(10, 0)) << QList<int>{};
}

void tst_AlarmScheduler::dueEntries()
{
    QFETCH(QStringList, lines);
    QFETCH(QDateTime, lastCheck);
    QFETCH(QDateTime, now);
    QFETCH(QList<int>, due);
    AlarmScheduler scheduler;
    const auto isOpen = [](int index) { return index == 1; };
    if (lastCheck.isValid())
        QVERIFY(scheduler.check({}, lastCheck, isOpen).isEmpty());
    const QList<AlarmScheduler::Due> result = scheduler.check(lines, now, isOpen);
    QCOMPARE(positions(result), due);
    for (const AlarmScheduler::Due &one : result) {
        // Only the state changes.
        QString expected = lines.at(one.ListIndex);
        expected.replace(QStringLiteral("<splitter>in que<splitter>"),
                         QStringLiteral("<splitter>played<splitter>"));
        QCOMPARE(one.Entry.line(), expected);
    }
}

void tst_AlarmScheduler::alarmAddedAfterAnEmptySpell()
{
    // Checked at night with alarms, then empty for a while: an alarm set
    // after midnight for the evening waits, as no jump passed it by.
    AlarmScheduler scheduler;
    const auto isOpen = [](int) { return false; };
    QVERIFY(
        scheduler
            .check({alarmLine(1, QStringLiteral("11:30 PM"))}, QDateTime(Day, QTime(22, 0)), isOpen)
            .isEmpty());
    scheduler.checkEmpty();
    const QStringList added = {alarmLine(2, QStringLiteral("11:00 PM"))};
    QVERIFY(scheduler.check(added, QDateTime(Day.addDays(1), QTime(0, 30)), isOpen).isEmpty());
    QCOMPARE(positions(scheduler.check(added, QDateTime(Day.addDays(1), QTime(23, 0)), isOpen)),
             QList<int>{0});
}

void tst_AlarmScheduler::quietTicksMissNothing()
{
    // Ticks skip an unchanged list until its next moment; none is missed.
    AlarmScheduler scheduler;
    const auto isOpen = [](int) { return false; };
    QStringList lines = {alarmLine(1, QStringLiteral("10:30 PM")),
                         alarmLine(2, QStringLiteral("2026-03-11 08:00 AM"))};
    for (QTime at(22, 0); at < QTime(22, 30); at = at.addSecs(30))
        QVERIFY(scheduler.check(lines, QDateTime(Day, at), isOpen).isEmpty());
    QCOMPARE(positions(scheduler.check(lines, QDateTime(Day, QTime(22, 30)), isOpen)),
             QList<int>{0});
    // Changed in place: read again at once.
    lines[0] = alarmLine(1, QStringLiteral("10:00 PM"));
    QCOMPARE(positions(scheduler.check(lines, QDateTime(Day, QTime(22, 31)), isOpen)),
             QList<int>{0});
    // Past midnight the dated one is read again too.
    lines.removeFirst();
    QVERIFY(scheduler.check(lines, QDateTime(Day, QTime(23, 59)), isOpen).isEmpty());
    QCOMPARE(positions(scheduler.check(lines, QDateTime(Day.addDays(1), QTime(8, 0)), isOpen)),
             QList<int>{0});
}

QTEST_APPLESS_MAIN(tst_AlarmScheduler)
#include "tst_AlarmScheduler.moc"
