#include "shell/WindowPlace.h"

#include <QTest>

class tst_WindowPlace : public QObject
{
    Q_OBJECT

private slots:
    // The stored place, given where the window system shows the window.
    void place_data()
    {
        QTest::addColumn<bool>("reported");
        QTest::addColumn<QPoint>("stored");
        QTest::addColumn<QPoint>("actual");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("known, on its pixel: kept exact")
            << true << QPoint(1507, 992) << QPoint(100, 66) << QPoint(1507, 992);
        QTest::newRow("known, moved by others: taken from the window")
            << true << QPoint(1500, 990) << QPoint(0, 0) << QPoint(0, 0);
        QTest::newRow("known, one axis moved")
            << true << QPoint(1500, 990) << QPoint(100, 70) << QPoint(1500, 1050);
        QTest::newRow("unknown, window reads 0,0: kept")
            << false << QPoint(1500, 990) << QPoint(0, 0) << QPoint(1500, 990);
        QTest::newRow("unknown, window reads elsewhere: kept")
            << false << QPoint(-300, 7005) << QPoint(512, 384) << QPoint(-300, 7005);
    }
    void place()
    {
        QFETCH(bool, reported);
        QFETCH(QPoint, stored);
        QFETCH(QPoint, actual);
        QFETCH(QPoint, expected);
        WindowPlace place(reported);
        place.set(stored);
        QCOMPARE(place.place(actual), expected);
    }
};

QTEST_GUILESS_MAIN(tst_WindowPlace)
#include "tst_WindowPlace.moc"
