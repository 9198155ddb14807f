#include "TestApp.h"
#include "alarms/frmAlert.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

// The alert on a screen of scale 2: its bell and its window icon are painted at twice the
// size, not blown up from the small pictures.
class tst_AlertHiDpi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }

    void picturesAreCrisp()
    {
        TestApp app;
        frmAlert alert(app.ctx);
        const QPixmap bell = alert.Image1->pixmap();
        QCOMPARE(bell.devicePixelRatio(), 2.0);
        QCOMPARE(bell.deviceIndependentSize().toSize(), QSize(32, 32));
        QCOMPARE(bell.size(), QSize(64, 64));
        // The title bar's 16 and 32 pixel icons and the task switcher's 48.
        for (int size : {16, 32, 48})
            QCOMPARE(alert.windowIcon().actualSize(QSize(size, size) * 2), QSize(size, size) * 2);
    }
};

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    tst_AlertHiDpi test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_AlertHiDpi.moc"
