#include "alarms/AlarmEntry.h"

#include <QTest>

class tst_AlarmEntry : public QObject
{
    Q_OBJECT
private slots:
    void lineRoundTrip_data();
    void lineRoundTrip();
    void refusedLines_data();
    void refusedLines();
    void laterFieldsKept_data();
    void laterFieldsKept();
    void timeOfDay_data();
    void timeOfDay();
    void formatTime();
};

void tst_AlarmEntry::lineRoundTrip_data()
{
    QTest::addColumn<QString>("rtf");
    QTest::newRow("plain") << QStringLiteral("{\\rtf1 two words}");
    QTest::newRow("line breaks") << QStringLiteral("{\\rtf1 a\\par\r\nb}");
    QTest::newRow("reserved texts in the note")
        << QStringLiteral("{\\rtf1 x<splitter>y<alertsplitter>z[CRLF]}");
    QTest::newRow("empty") << QString();
}

void tst_AlarmEntry::lineRoundTrip()
{
    QFETCH(QString, rtf);
    AlarmEntry entry;
    entry.Index = 12;
    entry.TimeText = QStringLiteral("10:30 PM");
    entry.Message = QStringLiteral("Call Ann");
    entry.Sound = AlarmEntry::SystemBeep;
    entry.UnmarkedText = rtf;
    const QString line = entry.line();
    QVERIFY(line.startsWith(QStringLiteral(
        "12<splitter>10:30 PM<splitter>Call Ann<splitter>system beep<splitter>in que<splitter>")));
    // Exactly six fields, and the RTF field free of every reserved sequence.
    QCOMPARE(line.count(AlarmEntry::Splitter), 5);
    const QString stored = line.section(AlarmEntry::Splitter, 5);
    QVERIFY(AlarmEntry::reservedIn(stored).isEmpty());
    // The stored RTF differs only by hex escapes that read as the same characters.
    QString decoded = stored;
    decoded.replace(QStringLiteral("\\'3c"), QStringLiteral("<"))
        .replace(QStringLiteral("\\'5b"), QStringLiteral("["));
    QCOMPARE(decoded, rtf);

    const auto back = AlarmEntry::parse(line);
    QVERIFY(back);
    QCOMPARE(back->Index, 12);
    QCOMPARE(back->TimeText, entry.TimeText);
    QCOMPARE(back->Message, entry.Message);
    QCOMPARE(back->Sound, entry.Sound);
    QCOMPARE(back->State, AlarmEntry::InQue);
    QCOMPARE(back->UnmarkedText, stored);
}

void tst_AlarmEntry::refusedLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("empty") << QString();
    QTest::newRow("five fields") << QStringLiteral(
        "1<splitter>10:30 PM<splitter>m<splitter>s<splitter>in que");
    QTest::newRow("index not a number")
        << QStringLiteral("x<splitter>10:30 PM<splitter>m<splitter>s<splitter>in que<splitter>r");
}

void tst_AlarmEntry::refusedLines()
{
    QFETCH(QString, line);
    QVERIFY(!AlarmEntry::parse(line));
}

void tst_AlarmEntry::laterFieldsKept_data()
{
    const QString six =
        QStringLiteral("3<splitter>2026-12-09 09:30 AM<splitter>m<splitter>system beep<splitter>"
                       "in que<splitter>{\\rtf1 r}");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("repeat"); // set after reading
    QTest::addColumn<QString>("written");
    QTest::newRow("six fields stay six") << six << QString() << six;
    QTest::newRow("a repeat added")
        << six << "repeat=daily" << six + QStringLiteral("<splitter>repeat=daily");
    QTest::newRow("a newer version's eighth field kept")
        << six + QStringLiteral("<splitter>repeat=weekly<splitter>colour=red") << "repeat=daily"
        << six + QStringLiteral("<splitter>repeat=daily<splitter>colour=red");
}

void tst_AlarmEntry::laterFieldsKept()
{
    QFETCH(QString, line);
    QFETCH(QString, repeat);
    QFETCH(QString, written);
    std::optional<AlarmEntry> entry = AlarmEntry::parse(line);
    QVERIFY(entry);
    QCOMPARE(entry->UnmarkedText, QStringLiteral("{\\rtf1 r}"));
    if (!repeat.isEmpty())
        entry->setRepeatField(repeat);
    QCOMPARE(entry->line(), written);
}

void tst_AlarmEntry::timeOfDay_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QTime>("expected");
    QTest::newRow("evening") << "10:30 PM" << QTime(22, 30);
    QTest::newRow("single digits") << "2:5 AM" << QTime(2, 5);
    QTest::newRow("snooze form") << "02:35 PM" << QTime(14, 35);
    QTest::newRow("midnight") << "12:03 AM" << QTime(0, 3);
    QTest::newRow("noon") << "12:40 PM" << QTime(12, 40);
    QTest::newRow("lower case, seconds") << "11:59:30 pm" << QTime(23, 59, 30);
    QTest::newRow("24-hour") << "22:30" << QTime(22, 30);
    QTest::newRow("hour 13 with PM") << "13:00 PM" << QTime();
    QTest::newRow("hour 0 with AM") << "0:10 AM" << QTime();
    QTest::newRow("minute 60") << "10:60 AM" << QTime();
    QTest::newRow("sign") << "+1:30 PM" << QTime();
    QTest::newRow("decimal point") << "1.:30 PM" << QTime();
    QTest::newRow("words") << "half past ten" << QTime();
}

void tst_AlarmEntry::timeOfDay()
{
    QFETCH(QString, text);
    QFETCH(QTime, expected);
    const auto time = AlarmEntry::timeOfDay(text);
    QCOMPARE(time.has_value(), expected.isValid());
    if (time)
        QCOMPARE(*time, expected);
}

void tst_AlarmEntry::formatTime()
{
    QCOMPARE(AlarmEntry::formatTime(QTime(14, 15)), QStringLiteral("02:15 PM"));
    QCOMPARE(AlarmEntry::formatTime(QTime(0, 3)), QStringLiteral("12:03 AM"));
    QCOMPARE(AlarmEntry::formatTime(QTime(12, 0)), QStringLiteral("12:00 PM"));
}

QTEST_GUILESS_MAIN(tst_AlarmEntry)
#include "tst_AlarmEntry.moc"
