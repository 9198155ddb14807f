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

    // A drag from a grip at (40, 20) pixels within the window, through the
    // pointer positions given (each within the window as it then stands).
    void drag_data()
    {
        QTest::addColumn<bool>("reported");
        QTest::addColumn<QList<QPoint>>("pointer");
        QTest::addColumn<QPoint>("expected");
        // Stored at (1500, 990) twips, that is (100, 66) pixels.
        QTest::newRow("known: one step") << true << QList<QPoint>{{50, 25}} << QPoint(1650, 1065);
        QTest::newRow("unknown: one step")
            << false << QList<QPoint>{{50, 25}} << QPoint(1650, 1065);
        // The window does not follow on Wayland: the pointer's offset from the
        // grip is the whole drag, never added twice.
        QTest::newRow("unknown: three steps")
            << false << QList<QPoint>{{50, 25}, {60, 30}, {20, 10}} << QPoint(1200, 840);
        QTest::newRow("unknown: back to the grip")
            << false << QList<QPoint>{{90, 90}, {40, 20}} << QPoint(1500, 990);
    }
    void drag()
    {
        QFETCH(bool, reported);
        QFETCH(QList<QPoint>, pointer);
        QFETCH(QPoint, expected);
        WindowPlace place(reported);
        place.set(QPoint(1500, 990));
        // Where the system shows the window: it follows the drag when
        // positions are known; on Wayland it reads 0, 0 throughout.
        QPoint shown = reported ? QPoint(100, 66) : QPoint(0, 0);
        place.beginDrag(QPoint(40, 20), shown);
        QPoint reached;
        for (const QPoint &local : pointer) {
            reached = place.dragTo(local, shown);
            place.set(reached);
            if (reported)
                shown = QPoint(reached.x() / 15, reached.y() / 15);
        }
        QCOMPARE(reached, expected);
        QCOMPARE(place.place(shown), expected);
    }
};

QTEST_GUILESS_MAIN(tst_WindowPlace)
#include "tst_WindowPlace.moc"
