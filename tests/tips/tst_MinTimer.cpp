#include "tips/MinTimer.h"

#include <QSignalSpy>
#include <QTest>

// Drives the minute ticks directly and records on which minutes Timer fired.
class tst_MinTimer : public QObject
{
    Q_OBJECT

    static QList<int> firingMinutes(MinTimer &timer, int minutes)
    {
        QList<int> fired;
        QObject context;
        int minute = 0;
        QObject::connect(&timer, &MinTimer::Timer, &context, [&] { fired.append(minute); });
        for (minute = 1; minute <= minutes; ++minute)
            timer.tmrInterval_Timer();
        return fired;
    }

private slots:
    void startsCountingEveryMinute()
    {
        MinTimer timer;
        QCOMPARE(timer.Interval(), 15);
        QVERIFY(timer.Enable());
        QCOMPARE(timer.tmrInterval.interval(), 60000);
        QCOMPARE(timer.Count(), 0);
    }

    void firesEveryInterval_data()
    {
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QList<int>>("fired");
        QTest::newRow("3") << 3 << 10 << QList<int>{3, 6, 9};
        QTest::newRow("1 fires every tick") << 1 << 4 << QList<int>{1, 2, 3, 4};
        QTest::newRow("default 15") << 15 << 31 << QList<int>{15, 30};
        QTest::newRow("2") << 2 << 7 << QList<int>{2, 4, 6};
        QTest::newRow("0 acts like 1") << 0 << 3 << QList<int>{1, 2, 3};
        QTest::newRow("negative acts like 1") << -5 << 2 << QList<int>{1, 2};
        QTest::newRow("99") << 99 << 200 << QList<int>{99, 198};
    }
    void firesEveryInterval()
    {
        QFETCH(int, interval);
        QFETCH(int, minutes);
        QFETCH(QList<int>, fired);
        MinTimer timer;
        timer.setInterval(interval);
        QCOMPARE(firingMinutes(timer, minutes), fired);
    }

    void loweringTheIntervalFiresAtTheNextTick()
    {
        MinTimer timer;
        timer.setInterval(30);
        QVERIFY(firingMinutes(timer, 19).isEmpty());
        QCOMPARE(timer.Count(), 20);
        timer.setInterval(5);
        // Minute 20 fires at once, then every 5 minutes.
        QCOMPARE(firingMinutes(timer, 11), (QList<int>{1, 6, 11}));
    }

    void disableKeepsTheCount()
    {
        MinTimer timer;
        timer.setInterval(3);
        QSignalSpy spy(&timer, &MinTimer::Timer);
        timer.tmrInterval_Timer(); // minute 1
        timer.setEnable(false);
        QVERIFY(!timer.Enable());
        QVERIFY(!timer.tmrInterval.isActive());
        QCOMPARE(timer.Count(), 2);
        timer.setEnable(true);
        QVERIFY(timer.tmrInterval.isActive());
        QCOMPARE(timer.Count(), 2);
        timer.tmrInterval_Timer();
        QCOMPARE(spy.count(), 0);
        timer.tmrInterval_Timer();
        QCOMPARE(spy.count(), 1);
    }

    void enableIsTheInnerTimersState()
    {
        MinTimer timer;
        timer.tmrInterval.stop();
        QVERIFY(!timer.Enable());
        timer.tmrInterval.start();
        QVERIFY(timer.Enable());
    }

    void intervalKeepsSixteenBits()
    {
        MinTimer timer;
        timer.setInterval(40000);
        QCOMPARE(timer.Interval(), 32767);
        timer.setInterval(-40000);
        QCOMPARE(timer.Interval(), -32768);
    }

    void persistedInterval_data()
    {
        QTest::addColumn<QVariantMap>("bag");
        QTest::addColumn<int>("interval");
        QTest::newRow("absent") << QVariantMap{} << 15;
        QTest::newRow("stored") << QVariantMap{{"Interval", 7}} << 7;
        QTest::newRow("stored as text") << QVariantMap{{"Interval", "20"}} << 20;
        QTest::newRow("not a number") << QVariantMap{{"Interval", "soon"}} << 15;
    }
    void persistedInterval()
    {
        QFETCH(QVariantMap, bag);
        QFETCH(int, interval);
        MinTimer timer;
        timer.setInterval(3);
        timer.ReadProperties(bag);
        QCOMPARE(timer.Interval(), interval);
    }

    void writesOnlyAnIntervalOtherThanTheDefault()
    {
        MinTimer timer;
        QVariantMap bag{{"Interval", 9}};
        timer.WriteProperties(bag);
        QVERIFY(!bag.contains("Interval"));
        timer.setInterval(4);
        timer.WriteProperties(bag);
        QCOMPARE(bag.value("Interval").toInt(), 4);
        QCOMPARE(bag.size(), 1);

        MinTimer other;
        other.ReadProperties(bag);
        QCOMPARE(other.Interval(), 4);
        other.InitProperties();
        QCOMPARE(other.Interval(), 15);
    }

    void firesFromTheRealTimer()
    {
        MinTimer timer;
        timer.setInterval(1);
        timer.tmrInterval.setInterval(5); // a minute is too long to wait for
        QSignalSpy spy(&timer, &MinTimer::Timer);
        QVERIFY(spy.wait(2000));
    }
};

QTEST_GUILESS_MAIN(tst_MinTimer)
#include "tst_MinTimer.moc"
