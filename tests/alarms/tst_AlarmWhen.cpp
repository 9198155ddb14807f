#include "alarms/AlarmEntry.h"
#include "alarms/AlarmWhen.h"

#include <QTest>
#include <QTimeZone>

namespace {

const QDate Day(2026, 12, 8); // a Tuesday
const QTimeZone Berlin("Europe/Berlin");

QDateTime at(int days, int hour, int minute, int second = 0)
{
    return QDateTime(Day.addDays(days), QTime(hour, minute, second));
}

} // namespace

class tst_AlarmWhen : public QObject
{
    Q_OBJECT
private slots:
    void dueRule_data();
    void dueRule();
    void nextRepeat_data();
    void nextRepeat();
    void snooze_data();
    void snooze();
    void spoken_data();
    void spoken();
};

void tst_AlarmWhen::dueRule_data()
{
    QTest::addColumn<QString>("timeText");
    QTest::addColumn<QDateTime>("lastCheck"); // invalid: the first check of a run
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<bool>("due");
    QTest::addColumn<QString>("missed");

    // Entries of earlier versions: a time of day alone, as the classic rule has it.
    QTest::newRow("old: a second before")
        << "10:30 PM" << QDateTime() << at(0, 22, 29, 59) << false << "";
    QTest::newRow("old: on the minute") << "10:30 PM" << QDateTime() << at(0, 22, 30) << true << "";
    QTest::newRow("old: restored later that day")
        << "8:00 AM" << QDateTime() << at(0, 9, 0) << true << "missed: 08:00 AM";
    QTest::newRow("old: set yesterday for 3 PM, restored at 9 AM")
        << "3:00 PM" << QDateTime() << at(0, 9, 0) << false << "";
    QTest::newRow("old: resume after midnight passes the evening")
        << "11:00 PM" << at(0, 22, 0) << at(1, 1, 0) << true << "missed: 11:00 PM yesterday";
    QTest::newRow("old: plain midnight keeps the morning waiting")
        << "6:00 AM" << at(0, 23, 59, 59) << at(1, 0, 0) << false << "";
    QTest::newRow("old: unreadable waits")
        << "25:00 PM" << QDateTime() << at(0, 9, 0) << false << "";

    // Dated entries.
    QTest::newRow("tomorrow 09:30 does not fall due today")
        << "2026-12-09 09:30 AM" << at(0, 13, 54) << at(0, 13, 55) << false << "";
    QTest::newRow("tomorrow 09:30, a second before")
        << "2026-12-09 09:30 AM" << at(1, 9, 29, 58) << at(1, 9, 29, 59) << false << "";
    QTest::newRow("tomorrow 09:30, on time")
        << "2026-12-09 09:30 AM" << at(1, 9, 29, 59) << at(1, 9, 30, 1) << true << "";
    QTest::newRow("one minute late is on time")
        << "2026-12-09 09:30 AM" << at(1, 9, 30) << at(1, 9, 31, 30) << true << "";
    QTest::newRow("program off: falls due at start the day after")
        << "2026-12-09 09:30 AM" << QDateTime() << at(2, 8, 0) << true
        << "missed: 09:30 AM yesterday";
    QTest::newRow("machine asleep: falls due on resume")
        << "2026-12-09 06:30 AM" << at(0, 22, 0) << at(1, 7, 0) << true << "missed: 06:30 AM";
    QTest::newRow("clock set back: waits for its moment again")
        << "2026-12-08 11:00 AM" << at(0, 12, 0) << at(0, 10, 0) << false << "";
    QTest::newRow("a week away") << "2026-12-01 09:30 AM" << QDateTime() << at(0, 9, 0) << true
                                 << "missed: 09:30 AM on Tue 1 Dec";
    QTest::newRow("February 30 waits")
        << "2026-02-30 09:30 AM" << QDateTime() << at(0, 9, 0) << false << "";
    QTest::newRow("year 9999 waits")
        << "9999-12-08 09:30 AM" << QDateTime() << at(0, 9, 0) << false << "";
    QTest::newRow("a date that is not one")
        << "2026-1x-08 09:30 AM" << QDateTime() << at(0, 9, 0) << false << "";

    // Daylight saving (Europe/Berlin: on 29 March 2026 at 02:00 the clocks go to
    // 03:00; on 25 October at 03:00 back to 02:00). 24 hours after 09:00 on the
    // day before is 10:00 in spring and 08:00 in autumn.
    const QDateTime springEve(QDate(2026, 3, 28), QTime(9, 0), Berlin);
    QTest::newRow("spring: 23 hours later is 09:00")
        << "2026-03-29 09:00 AM" << springEve << springEve.addSecs(23 * 3600) << true << "";
    QTest::newRow("spring: a minute before 09:00")
        << "2026-03-29 09:00 AM" << springEve << springEve.addSecs(23 * 3600 - 60) << false << "";
    QTest::newRow("spring: in the hour that is skipped")
        << "2026-03-29 2:30 AM" << springEve << QDateTime(QDate(2026, 3, 29), QTime(3, 0), Berlin)
        << true << "";
    const QDateTime autumnEve(QDate(2026, 10, 24), QTime(9, 0), Berlin);
    QTest::newRow("autumn: 24 hours later is still 08:00")
        << "2026-10-25 09:00 AM" << autumnEve << autumnEve.addSecs(24 * 3600) << false << "";
    QTest::newRow("autumn: 25 hours later is 09:00")
        << "2026-10-25 09:00 AM" << autumnEve << autumnEve.addSecs(25 * 3600) << true << "";
}

void tst_AlarmWhen::dueRule()
{
    QFETCH(QString, timeText);
    QFETCH(QDateTime, lastCheck);
    QFETCH(QDateTime, now);
    QFETCH(bool, due);
    QFETCH(QString, missed);
    const std::optional<AlarmWhen> when = AlarmWhen::read(timeText);
    QCOMPARE(when && when->isDue(now, lastCheck), due);
    if (due)
        QCOMPARE(when->missed(now), missed);
}

void tst_AlarmWhen::nextRepeat_data()
{
    // The entry (time text, seventh field) and what Dismiss at `now` leaves: the
    // next time text and seventh field, or nothing when the alarm ends.
    QTest::addColumn<QStringList>("entry");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QStringList>("next");
    using L = QStringList;
    QTest::newRow("once ends") << L{"2026-12-08 09:30 AM", ""} << at(0, 9, 30) << L{};
    QTest::newRow("daily") << L{"2026-12-08 09:30 AM", "repeat=daily"} << at(0, 9, 30, 20)
                           << L{"2026-12-09 09:30 AM", "repeat=daily;at=2026-12-09 09:30"};
    QTest::newRow("weekly comes back a week later")
        << L{"2026-12-08 09:30 AM", "repeat=weekly;at=2026-12-08 09:30"} << at(0, 9, 31)
        << L{"2026-12-15 09:30 AM", "repeat=weekly;at=2026-12-15 09:30"};
    QTest::newRow("weekdays: Friday to Monday")
        << L{"2026-12-11 05:00 PM", "repeat=weekdays;at=2026-12-11 17:00"} << at(3, 17, 2)
        << L{"2026-12-14 05:00 PM", "repeat=weekdays;at=2026-12-14 17:00"};
    QTest::newRow("daily, missed for days: one alert, then tomorrow")
        << L{"2026-12-01 07:00 AM", "repeat=daily;at=2026-12-01 07:00"} << at(0, 8, 0)
        << L{"2026-12-09 07:00 AM", "repeat=daily;at=2026-12-09 07:00"};
    QTest::newRow("weekly, missed for weeks: stays on its weekday")
        << L{"2026-10-05 09:00 AM", "repeat=weekly;at=2026-10-05 09:00"} << at(0, 12, 0)
        << L{"2026-12-14 09:00 AM", "repeat=weekly;at=2026-12-14 09:00"};
    QTest::newRow("daily, missed but still ahead today: later today")
        << L{"2026-12-07 11:00 PM", "repeat=daily;at=2026-12-07 23:00"} << at(0, 8, 0)
        << L{"2026-12-08 11:00 PM", "repeat=daily;at=2026-12-08 23:00"};
    QTest::newRow("snoozed over midnight: counts from its own day")
        << L{"2026-12-09 12:05 AM", "repeat=daily;at=2026-12-08 23:50"} << at(1, 0, 6)
        << L{"2026-12-09 11:50 PM", "repeat=daily;at=2026-12-09 23:50"};
    QTest::newRow("weekly snoozed into the next day keeps its weekday")
        << L{"2026-12-09 12:10 AM", "repeat=weekly;at=2026-12-08 23:55"} << at(1, 0, 11)
        << L{"2026-12-15 11:55 PM", "repeat=weekly;at=2026-12-15 23:55"};
    QTest::newRow("keys of a newer version kept")
        << L{"2026-12-08 09:30 AM", "repeat=daily;chime=soft"} << at(0, 9, 30)
        << L{"2026-12-09 09:30 AM", "repeat=daily;at=2026-12-09 09:30;chime=soft"};
    QTest::newRow("an unknown repeat reads as once")
        << L{"2026-12-08 09:30 AM", "repeat=hourly"} << at(0, 9, 30) << L{};
}

void tst_AlarmWhen::nextRepeat()
{
    QFETCH(QStringList, entry);
    QFETCH(QDateTime, now);
    QFETCH(QStringList, next);
    const std::optional<AlarmWhen> when = AlarmWhen::read(entry[0], entry[1]);
    QVERIFY(when);
    const std::optional<AlarmWhen> after = when->next(now);
    const QStringList got =
        after ? QStringList{after->timeText(), after->repeatField(entry[1])} : QStringList();
    QCOMPARE(got, next);
    if (after)
        QVERIFY(!after->isDue(now)); // never straight back
}

void tst_AlarmWhen::snooze_data()
{
    QTest::addColumn<QString>("timeText");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QString>("snoozed");

    QTest::newRow("old entry, same day: time of day as before")
        << "10:30 PM" << at(0, 14, 10, 40) << 5 << "02:15 PM";
    // A time of day alone would read as already past, and fall due at once.
    QTest::newRow("old entry, over midnight: dated")
        << "11:55 PM" << at(0, 23, 58) << 5 << "2026-12-09 12:03 AM";
    QTest::newRow("dated stays dated")
        << "2026-12-08 09:30 AM" << at(0, 9, 31) << 10 << "2026-12-08 09:41 AM";
}

void tst_AlarmWhen::snooze()
{
    QFETCH(QString, timeText);
    QFETCH(QDateTime, now);
    QFETCH(int, minutes);
    QFETCH(QString, snoozed);
    const AlarmWhen after = AlarmWhen::read(timeText)->snoozed(now, minutes);
    QCOMPARE(after.timeText(), snoozed);
    QVERIFY(!after.isDue(now, now));
    QVERIFY(after.isDue(now.addSecs(minutes * 60), now));
}

void tst_AlarmWhen::spoken_data()
{
    QTest::addColumn<QStringList>("entry"); // time text, seventh field, words
    using L = QStringList;
    QTest::newRow("old entry: as stored") << L{"2:5 PM", "", "2:5 PM"};
    QTest::newRow("today") << L{"2026-12-08 09:30 AM", "", "09:30 AM"};
    QTest::newRow("tomorrow") << L{"2026-12-09 09:30 AM", "", "09:30 AM tomorrow"};
    QTest::newRow("weekly") << L{"2026-12-14 09:30 AM", "repeat=weekly",
                                 "09:30 AM on Mon 14 Dec, every Monday"};
    QTest::newRow("unreadable: as stored") << L{"2026-02-30 09:30 AM", "", "2026-02-30 09:30 AM"};
}

void tst_AlarmWhen::spoken()
{
    QFETCH(QStringList, entry);
    AlarmEntry alarm;
    alarm.TimeText = entry[0];
    alarm.setRepeatField(entry[1]);
    QCOMPARE(AlarmWhen::spoken(alarm, Day), entry[2]);
}

QTEST_APPLESS_MAIN(tst_AlarmWhen)
#include "tst_AlarmWhen.moc"
