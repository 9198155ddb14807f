#include "TestApp.h"
#include "about/frmAbout.h"
#include "shell/Form.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

namespace {

QPoint centredOnScreen(const QWidget *window)
{
    QRect frame(QPoint(0, 0), window->frameGeometry().size());
    frame.moveCenter(QGuiApplication::primaryScreen()->availableGeometry().center());
    return frame.topLeft();
}

// Where a window stood when its native window was made: window managers that
// place by the creation request see that place.
class PlaceAtCreation : public QObject
{
public:
    QPoint place{-1, -1};
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::WinIdChange && place == QPoint(-1, -1))
            place = static_cast<QWidget *>(watched)->pos();
        return false;
    }
};

} // namespace

class tst_Form : public QObject
{
    Q_OBJECT

private slots:
    void placeWhenFirstShown_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<bool>("placedFirst");
        QTest::addColumn<bool>("centred");
        QTest::newRow("dialog") << int(Qt::Dialog) << false << true;
        QTest::newRow("dialog with a title and close button")
            << int(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint)
            << false << true;
        QTest::newRow("splash") << int(Qt::SplashScreen | Qt::FramelessWindowHint) << false << true;
        QTest::newRow("dialog the program placed") << int(Qt::Dialog) << true << false;
        QTest::newRow("note window") << int(Qt::Window | Qt::FramelessWindowHint) << false << false;
        QTest::newRow("balloon") << int(Qt::ToolTip | Qt::FramelessWindowHint) << false << false;
    }
    void placeWhenFirstShown()
    {
        QFETCH(int, flags);
        QFETCH(bool, placedFirst);
        QFETCH(bool, centred);
        TestApp app;
        Form form(app.ctx, "frmTest", Qt::WindowFlags(flags));
        form.resize(300, 200);
        if (placedFirst)
            form.move(40, 30);
        PlaceAtCreation atCreation;
        form.installEventFilter(&atCreation);
        form.show();
        const QPoint expected =
            centred ? centredOnScreen(&form) : (placedFirst ? QPoint(40, 30) : QPoint(0, 0));
        QCOMPARE(form.pos(), expected);
        // Made where it opens, give or take the frame not known before.
        QVERIFY2((atCreation.place - expected).manhattanLength() <= 8,
                 qPrintable(QStringLiteral("made at %1,%2")
                                .arg(atCreation.place.x())
                                .arg(atCreation.place.y())));
        QVERIFY(expected != QPoint(0, 0) || !centred);
        // Shown again, it stays where the user left it.
        form.hide();
        form.move(12, 34);
        form.show();
        QCOMPARE(form.pos(), QPoint(12, 34));
    }

    void aboutBoxOpensCentred()
    {
        TestApp app;
        auto *about = new frmAbout(app.ctx);
        about->Load();
        about->show();
        QCOMPARE(about->pos(), centredOnScreen(about));
        about->Unload();
    }
};

QTEST_MAIN(tst_Form)
#include "tst_Form.moc"
