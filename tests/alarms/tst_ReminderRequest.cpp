#include "alarms/ReminderRequest.h"

#include <QTest>

// The clock stands at 1:55 PM on Tuesday 8 December 2026.
static const QDateTime Now(QDate(2026, 12, 8), QTime(13, 55, 20));

class tst_ReminderRequest : public QObject
{
    Q_OBJECT
private slots:
    void read_data();
    void read();
};

void tst_ReminderRequest::read_data()
{
    // text, time, day, repeat; the entry's time text and seventh field, or the error.
    QTest::addColumn<QStringList>("request");
    QTest::addColumn<QStringList>("result");
    using L = QStringList;
    QTest::newRow("no day, passed: tomorrow")
        << L{"Call Anna", "09:30", "", ""} << L{"2026-12-09 09:30 AM", ""};
    QTest::newRow("no day, ahead: today")
        << L{"Tea", "13:56", "", ""} << L{"2026-12-08 01:56 PM", ""};
    QTest::newRow("this minute") << L{"x", "13:55", "today", ""} << L{"2026-12-08 01:55 PM", ""};
    QTest::newRow("tomorrow") << L{"x", "9:30 AM", "Tomorrow", ""} << L{"2026-12-09 09:30 AM", ""};
    QTest::newRow("monday") << L{"x", "09:30", "monday", ""} << L{"2026-12-14 09:30 AM", ""};
    QTest::newRow("today's weekday, passed: next week")
        << L{"x", "13:00", "tuesday", ""} << L{"2026-12-15 01:00 PM", ""};
    QTest::newRow("date, weekly") << L{"x", "9:30 PM", "2026-12-24", "weekly"}
                                  << L{"2026-12-24 09:30 PM", "repeat=weekly;at=2026-12-24 21:30"};
    QTest::newRow("weekdays from a Saturday")
        << L{"x", "08:00", "2026-12-12", "weekdays"}
        << L{"2026-12-14 08:00 AM", "repeat=weekdays;at=2026-12-14 08:00"};
    QTest::newRow("bad time") << L{"x", "25:00", "", ""}
                              << L{"'25:00' is not a time (HH:MM, or H:MM AM/PM)"};
    QTest::newRow("February 30")
        << L{"x", "09:30", "2027-02-30", ""}
        << L{"'2027-02-30' is not a date (today, tomorrow, a weekday or YYYY-MM-DD)"};
    QTest::newRow("year 9999") << L{"x", "09:30", "9999-01-01", ""}
                               << L{"'9999-01-01' is too far ahead"};
    QTest::newRow("yesterday's date")
        << L{"x", "09:30", "2026-12-07", ""} << L{"09:30 AM yesterday is in the past"};
    QTest::newRow("earlier today") << L{"x", "13:00", "today", ""} << L{"01:00 PM is in the past"};
    QTest::newRow("unknown repeat")
        << L{"x", "14:00", "", "hourly"}
        << L{"'hourly' is not a repeat (once, daily, weekdays or weekly)"};
    QTest::newRow("empty text") << L{" ", "14:00", "", ""} << L{"the note's text is empty"};
}

void tst_ReminderRequest::read()
{
    QFETCH(QStringList, request);
    QFETCH(QStringList, result);
    const ReminderRequest read =
        ReminderRequest::read(request[0], request[1], request[2], request[3], Now);
    if (result.size() == 1) {
        QCOMPARE(read.Error, result[0]);
        return;
    }
    QCOMPARE(read.Error, QString());
    QCOMPARE((QStringList{read.TimeText, read.RepeatField}), result);
    // The bus's form: the day and the time in one.
    const QString when = (request[2] + QLatin1Char(' ') + request[1]).trimmed();
    QCOMPARE(ReminderRequest::readWhen(request[0], when, request[3], Now).TimeText, result[0]);
}

QTEST_APPLESS_MAIN(tst_ReminderRequest)
#include "tst_ReminderRequest.moc"
