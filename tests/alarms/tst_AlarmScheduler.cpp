#include "alarms/AlarmScheduler.h"

#include <QTest>

namespace {

const QDate Day(2026, 3, 10);

QString entryLine(int index, const QString &time, const QString &state = AlarmEntry::InQue)
{
    AlarmEntry entry;
    entry.Index = index;
    entry.TimeText = time;
    entry.Message = QStringLiteral("Call Ann");
    entry.Sound = AlarmEntry::SystemBeep;
    entry.State = state;
    entry.UnmarkedText = QStringLiteral("{\\rtf1 two words}");
    return entry.line();
}

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
    void fallsDueOnce();
    void alarmAddedAfterAnEmptySpell();
    void snooze_data();
    void snooze();
};

void tst_AlarmScheduler::dueEntries_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QDateTime>("lastCheck"); // invalid: this is the first check
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QList<int>>("due");

    const QStringList at1030 = {entryLine(1, QStringLiteral("10:30 PM"))};
    QTest::newRow("a second before")
        << at1030 << QDateTime() << QDateTime(Day, QTime(22, 29, 59)) << QList<int>{};
    QTest::newRow("on the minute")
        << at1030 << QDateTime() << QDateTime(Day, QTime(22, 30)) << QList<int>{0};
    QTest::newRow("seconds dropped")
        << at1030 << QDateTime() << QDateTime(Day, QTime(22, 30, 59)) << QList<int>{0};
    QTest::newRow("restored from an earlier day, past")
        << QStringList{entryLine(1, QStringLiteral("8:00 AM"))} << QDateTime()
        << QDateTime(Day, QTime(9, 0)) << QList<int>{0};
    QTest::newRow("set yesterday for 3 PM, restored at 9 AM")
        << QStringList{entryLine(1, QStringLiteral("3:00 PM"))} << QDateTime()
        << QDateTime(Day, QTime(9, 0)) << QList<int>{};
    QTest::newRow("two due, list order, one waiting between")
        << QStringList{entryLine(4, QStringLiteral("2:5 PM")),
                       entryLine(2, QStringLiteral("11:00 PM")),
                       entryLine(3, QStringLiteral("01:00 PM"))}
        << QDateTime() << QDateTime(Day, QTime(14, 5)) << QList<int>{0, 2};
    QTest::newRow("played, its alert open")
        << QStringList{entryLine(1, QStringLiteral("8:00 AM"), AlarmEntry::Played)} << QDateTime()
        << QDateTime(Day, QTime(9, 0)) << QList<int>{};
    QTest::newRow("played, no alert open (restored)")
        << QStringList{entryLine(7, QStringLiteral("11:00 PM"), AlarmEntry::Played)} << QDateTime()
        << QDateTime(Day, QTime(9, 0)) << QList<int>{0};
    QTest::newRow("unreadable entries skipped")
        << QStringList{QStringLiteral(
                           "1<splitter>8:00 AM<splitter>m<splitter>system beep<splitter>in que"),
                       entryLine(2, QStringLiteral("25:00 PM")),
                       entryLine(3, QStringLiteral("soon")),
                       QStringLiteral(
                           "x<splitter>8:00 AM<splitter>m<splitter>b<splitter>in que<splitter>r"),
                       entryLine(5, QStringLiteral("8:00 AM"), QStringLiteral("odd state")),
                       QString(),
                       entryLine(6, QStringLiteral("8:00 AM"))}
        << QDateTime() << QDateTime(Day, QTime(9, 0)) << QList<int>{6};
    QTest::newRow("jump over midnight passes an evening alarm")
        << QStringList{entryLine(1, QStringLiteral("11:00 PM")),
                       entryLine(2, QStringLiteral("2:00 AM"))}
        << QDateTime(Day, QTime(22, 0)) << QDateTime(Day.addDays(1), QTime(1, 0)) << QList<int>{0};
    QTest::newRow("jump of days passes every alarm")
        << QStringList{entryLine(1, QStringLiteral("8:00 PM")),
                       entryLine(2, QStringLiteral("2:00 AM"))}
        << QDateTime(Day, QTime(22, 0)) << QDateTime(Day.addDays(3), QTime(1, 0))
        << QList<int>{0, 1};
    QTest::newRow("plain midnight keeps the morning waiting")
        << QStringList{entryLine(1, QStringLiteral("6:00 AM"))} << QDateTime(Day, QTime(23, 59, 59))
        << QDateTime(Day.addDays(1), QTime(0, 0)) << QList<int>{};
    QTest::newRow("clock set back: waits for the time again")
        << QStringList{entryLine(1, QStringLiteral("11:00 AM"))} << QDateTime(Day, QTime(12, 0))
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

void tst_AlarmScheduler::fallsDueOnce()
{
    AlarmScheduler scheduler;
    QStringList lines = {entryLine(3, QStringLiteral("10:30 PM"))};
    const auto isOpen = [](int) { return true; };
    const auto first = scheduler.check(lines, QDateTime(Day, QTime(22, 30, 1)), isOpen);
    QCOMPARE(first.size(), 1);
    lines[0] = first.at(0).Entry.line();
    QVERIFY(scheduler.check(lines, QDateTime(Day, QTime(22, 30, 2)), isOpen).isEmpty());
    QVERIFY(scheduler.check(lines, QDateTime(Day, QTime(23, 0)), isOpen).isEmpty());
}

void tst_AlarmScheduler::alarmAddedAfterAnEmptySpell()
{
    // Checked at night with alarms, then empty for a while: an alarm set
    // after midnight for the evening waits, as no jump passed it by.
    AlarmScheduler scheduler;
    const auto isOpen = [](int) { return false; };
    QVERIFY(
        scheduler
            .check({entryLine(1, QStringLiteral("11:30 PM"))}, QDateTime(Day, QTime(22, 0)), isOpen)
            .isEmpty());
    scheduler.checkEmpty();
    const QStringList added = {entryLine(2, QStringLiteral("11:00 PM"))};
    QVERIFY(scheduler.check(added, QDateTime(Day.addDays(1), QTime(0, 30)), isOpen).isEmpty());
    QCOMPARE(positions(scheduler.check(added, QDateTime(Day.addDays(1), QTime(23, 0)), isOpen)),
             QList<int>{0});
}

void tst_AlarmScheduler::snooze_data()
{
    QTest::addColumn<QDateTime>("snoozedAt");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QString>("timeText");
    QTest::addColumn<QDateTime>("stillWaiting");
    QTest::addColumn<QDateTime>("fallsDue");

    QTest::newRow("afternoon") << QDateTime(Day, QTime(14, 10, 40)) << 5
                               << QStringLiteral("02:15 PM") << QDateTime(Day, QTime(14, 14, 59))
                               << QDateTime(Day, QTime(14, 15));
    QTest::newRow("over midnight")
        << QDateTime(Day, QTime(23, 58)) << 5 << QStringLiteral("12:03 AM")
        << QDateTime(Day.addDays(1), QTime(0, 2, 59)) << QDateTime(Day.addDays(1), QTime(0, 3));
    QTest::newRow("an hour over noon")
        << QDateTime(Day, QTime(11, 40)) << 60 << QStringLiteral("12:40 PM")
        << QDateTime(Day, QTime(12, 39)) << QDateTime(Day, QTime(12, 40, 30));
}

void tst_AlarmScheduler::snooze()
{
    QFETCH(QDateTime, snoozedAt);
    QFETCH(int, minutes);
    QFETCH(QString, timeText);
    QFETCH(QDateTime, stillWaiting);
    QFETCH(QDateTime, fallsDue);
    AlarmScheduler scheduler;
    const auto isOpen = [](int) { return false; };
    const QDateTime due = AlarmScheduler::snoozeTime(snoozedAt, minutes);
    QCOMPARE(AlarmEntry::formatTime(due.time()), timeText);
    scheduler.holdUntil(9, timeText, due);
    const QStringList lines = {entryLine(9, timeText)};
    // Checks from the snooze up to the moment before: nothing, even past midnight.
    for (QDateTime at = snoozedAt; at <= stillWaiting; at = at.addSecs(30))
        QVERIFY2(scheduler.check(lines, at, isOpen).isEmpty(), qPrintable(at.toString()));
    QVERIFY(scheduler.check(lines, stillWaiting, isOpen).isEmpty());
    QCOMPARE(positions(scheduler.check(lines, fallsDue, isOpen)), QList<int>{0});
}

QTEST_APPLESS_MAIN(tst_AlarmScheduler)
#include "tst_AlarmScheduler.moc"
