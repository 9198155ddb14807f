#include "LightFrames.h"
#include "widgets/lcd/LCDEffect.h"
#include "widgets/lcd/PropertyBag.h"

#include <QPaintEvent>
#include <QSignalSpy>
#include <QtTest>

using Effect = LCDEffectModel::Effect;
Q_DECLARE_METATYPE(LCDEffectModel::Effect)

namespace {

constexpr std::int32_t On = 255;
constexpr std::int32_t Off = 128;
constexpr std::int32_t Green = 0x00FF00;

// Keeps the region of every paint event of the widget it watches.
class PaintSpy : public QObject
{
public:
    QList<QRegion> regions;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            regions.append(static_cast<QPaintEvent *>(event)->region());
        return false;
    }
};

QRegion areasOf(const QSet<int> &lights)
{
    QRegion region;
    for (int light : lights)
        region += LCDEffect::lightArea(light / 100, light % 100);
    return region;
}

QTimer &timerOf(LCDEffect &panel, Effect effect)
{
    switch (effect) {
    case Effect::BarRight:
        return panel.tmrBarRight;
    case Effect::Roll:
        return panel.tmrRoll;
    case Effect::Slice:
        return panel.tmrSlice;
    case Effect::SlideOver:
        return panel.tmrSlideOver;
    case Effect::BandsOver:
        return panel.tmrBandsOver;
    case Effect::Blink:
        return panel.tmrBlink;
    case Effect::Circle:
        return panel.tmrCircle;
    case Effect::CleanUp:
        break;
    }
    return panel.tmrCleanUp;
}

void startEffect(LCDEffect &panel, Effect effect)
{
    switch (effect) {
    case Effect::BarRight:
        return panel.EFBarRight(true);
    case Effect::Roll:
        return panel.EFRoll(true);
    case Effect::Slice:
        return panel.EFSlice(true);
    case Effect::SlideOver:
        return panel.EFSlideOver(true);
    case Effect::BandsOver:
        return panel.EFBandsOver(true);
    case Effect::Blink:
        return panel.EFBlink();
    case Effect::Circle:
        return panel.EFCircle(true);
    case Effect::CleanUp:
        return panel.EFCleanUp(true);
    }
}

bool allLightsIn(const LCDEffect &panel, std::int32_t color)
{
    for (int row = 1; row <= 10; ++row) {
        for (int column = 1; column <= 10; ++column) {
            if (panel.LightColor(row, column) != color)
                return false;
        }
    }
    return true;
}

QSet<int> frame(const QString &text)
{
    bool ok = false;
    QSet<int> lights = LightFrames::parse(text, &ok);
    if (!ok)
        qFatal("unreadable frame %s", qPrintable(text));
    return lights;
}

} // namespace

class TestLCDEffect : public QObject
{
    Q_OBJECT
private:
    // A shown panel whose paint events the spy records from now on.
    void showWatched(LCDEffect &panel, PaintSpy &spy)
    {
        panel.resize(panel.sizeHint());
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QTest::qWait(50);
        panel.installEventFilter(&spy);
    }

private slots:
    void geometry_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QRectF>("rect");
        const double size = 100.0 / 15;
        QTest::newRow("top left") << 1 << 1 << QRectF(2, 1, size, size);
        QTest::newRow("top right") << 1 << 10 << QRectF(74, 1, size, size);
        QTest::newRow("bottom left") << 10 << 1 << QRectF(2, 73, size, size);
        QTest::newRow("circle's first light") << 5 << 6 << QRectF(42, 33, size, size);
    }
    void geometry()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QRectF, rect);
        QCOMPARE(LCDEffect::lightRect(row, column), rect);
        // A light's repaint never reaches its neighbours.
        if (column < 10)
            QVERIFY(!LCDEffect::lightArea(row, column)
                         .intersects(LCDEffect::lightArea(row, column + 1)));
        if (row < 10)
            QVERIFY(!LCDEffect::lightArea(row, column)
                         .intersects(LCDEffect::lightArea(row + 1, column)));
    }

    void designSize()
    {
        LCDEffect panel;
        QCOMPARE(panel.sizeHint(), QSize(88, 86));
        QVERIFY(allLightsIn(panel, Off));
    }

    void timers_data()
    {
        QTest::addColumn<Effect>("effect");
        QTest::addColumn<int>("interval");
        QTest::newRow("bar right") << Effect::BarRight << 100;
        QTest::newRow("roll") << Effect::Roll << 50;
        QTest::newRow("slice") << Effect::Slice << 100;
        QTest::newRow("slide over") << Effect::SlideOver << 100;
        QTest::newRow("bands over") << Effect::BandsOver << 100;
        QTest::newRow("blink") << Effect::Blink << 100;
        QTest::newRow("circle") << Effect::Circle << 100;
        QTest::newRow("clean up") << Effect::CleanUp << 100;
    }
    void timers()
    {
        QFETCH(Effect, effect);
        QFETCH(int, interval);
        LCDEffect panel;
        QCOMPARE(timerOf(panel, effect).interval(), interval);
        startEffect(panel, effect);
        for (int other = 0; other < LCDEffectModel::EffectCount; ++other) {
            const auto otherEffect = static_cast<Effect>(other);
            QCOMPARE(timerOf(panel, otherEffect).isActive(), otherEffect == effect);
        }
    }

    void timerRunsEffectToTheEnd()
    {
        LCDEffect panel;
        QSignalSpy finished(&panel, &LCDEffect::EffectFinished);
        QElapsedTimer clock;
        clock.start();
        panel.EFCircle(true);
        panel.EFCircle(true);
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 5000);
        QVERIFY(clock.elapsed() >= 500); // six ticks of 100 ms
        QVERIFY(!panel.tmrCircle.isActive());
        QVERIFY(allLightsIn(panel, On));
        QTest::qWait(250);
        QCOMPARE(finished.count(), 1);
    }

    void handlerCanStartTheSameEffectAgain()
    {
        LCDEffect panel;
        int finished = 0;
        connect(&panel, &LCDEffect::EffectFinished, this, [&] {
            if (++finished == 1)
                panel.EFSlice(false);
        });
        panel.EFSlice(true);
        for (int tick = 1; tick <= 11; ++tick)
            panel.tmrSlice_Timer();
        QCOMPARE(finished, 1);
        QVERIFY(panel.tmrSlice.isActive());
        for (int tick = 1; tick <= 11; ++tick)
            panel.tmrSlice_Timer();
        QCOMPARE(finished, 2);
        QVERIFY(!panel.tmrSlice.isActive());
        QVERIFY(allLightsIn(panel, Off));
    }

    // One paint per tick, covering only the lights whose colour changed.
    void repaintsOnlyChangedLights()
    {
        LCDEffect panel;
        PaintSpy spy;
        showWatched(panel, spy);
        panel.EFCircle(true);

        panel.tmrCircle_Timer();
        QTRY_COMPARE(spy.regions.size(), 1);
        QCOMPARE(spy.regions[0], areasOf(frame(QStringLiteral("row 5: 6-6"))));

        spy.regions.clear();
        panel.tmrCircle_Timer(); // sets the 3 by 3 block; its middle is already on
        QTRY_COMPARE(spy.regions.size(), 1);
        QSet<int> changed = frame(QStringLiteral("rows 4, 5, 6: 5-7"));
        changed.remove(LightFrames::light(5, 6));
        QCOMPARE(spy.regions[0], areasOf(changed));
        QTest::qWait(30);
        QCOMPARE(spy.regions.size(), 1);
    }

    void tickWithoutChangePaintsNothing()
    {
        LCDEffect panel;
        PaintSpy spy;
        showWatched(panel, spy);
        panel.EFBarRight(false); // paints the off colour on an all-off panel
        panel.tmrBarRight_Timer();
        panel.tmrBarRight_Timer();
        QTest::qWait(50);
        QVERIFY(spy.regions.isEmpty());
    }

    void offColourMidRunRepaintsWholePanel()
    {
        LCDEffect panel;
        PaintSpy spy;
        showWatched(panel, spy);
        QSignalSpy finished(&panel, &LCDEffect::EffectFinished);
        panel.EFBarRight(true);
        for (int tick = 1; tick <= 3; ++tick)
            panel.tmrBarRight_Timer();
        QTest::qWait(30);
        spy.regions.clear();

        panel.setLightColorOff(Green);
        QTRY_COMPARE(spy.regions.size(), 1);
        QCOMPARE(spy.regions[0],
                 areasOf(frame(QStringLiteral("rows 1, 2, 3, 4, 5, 6, 7, 8, 9, 10: 1-10"))));
        QVERIFY(panel.tmrBarRight.isActive());
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 5000);
        QCOMPARE(panel.LightColor(4, 3), Green);
        QCOMPARE(panel.LightColor(4, 4), On);
    }

    void coloursAreBlueGreenRed_data()
    {
        QTest::addColumn<int>("color");
        QTest::addColumn<int>("strongest"); // 0 red, 1 green, 2 blue
        QTest::newRow("0x0000FF is red") << 0x0000FF << 0;
        QTest::newRow("0x00FF00 is green") << 0x00FF00 << 1;
        QTest::newRow("0xFF0000 is blue") << 0xFF0000 << 2;
    }
    void coloursAreBlueGreenRed()
    {
        QFETCH(int, color);
        QFETCH(int, strongest);
        LCDEffect panel;
        panel.resize(panel.sizeHint());
        panel.setLightColorOff(color);
        const QImage image = panel.grab().toImage();
        const QColor pixel =
            image.pixelColor(LCDEffect::lightRect(3, 3).center().toPoint() + QPoint(1, 1));
        const int channels[] = {pixel.red(), pixel.green(), pixel.blue()};
        for (int channel = 0; channel < 3; ++channel) {
            if (channel != strongest)
                QVERIFY2(channels[strongest] > channels[channel] + 60, qPrintable(pixel.name()));
        }
    }

    void readPropertiesShowsStoredOffColour()
    {
        LCDEffect panel;
        panel.OnAll();
        PropertyBag bag;
        bag.WriteProperty("lightoffcolor", Green);
        panel.UserControl_ReadProperties(bag);
        QVERIFY(allLightsIn(panel, Green));
        PropertyBag saved;
        panel.UserControl_WriteProperties(saved);
        QCOMPARE(saved.ReadProperty("LightOffColor", 0), Green);
        QCOMPARE(saved.ReadProperty("LightOnColor", 0), On);
    }
};

QTEST_MAIN(TestLCDEffect)
#include "tst_LCDEffect.moc"
