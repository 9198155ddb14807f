#include "LightFrames.h"
#include "widgets/lcd/LCDEffectModel.h"
#include "widgets/lcd/LCDError.h"
#include "widgets/lcd/PropertyBag.h"

#include <QtTest>

#include <functional>

using Effect = LCDEffectModel::Effect;
Q_DECLARE_METATYPE(LCDEffectModel::Effect)

namespace {

constexpr std::int32_t On = 255;
constexpr std::int32_t Off = 128;
constexpr std::int32_t Green = 0x00FF00;

// Keeps what the model told its window.
class Recorder : public LCDEffectModel::Observer
{
public:
    QList<int> sets; // lights set, in order
    QStringList events;
    std::function<void()> onFinished;

    void lightSet(int row, int column, bool) override
    {
        sets.append(LightFrames::light(row, column));
    }
    void timerEnabled(Effect effect, bool enabled) override
    {
        events.append(QStringLiteral("%1 %2")
                          .arg(enabled ? QStringLiteral("start") : QStringLiteral("stop"))
                          .arg(static_cast<int>(effect)));
    }
    void effectFinished() override
    {
        events.append(QStringLiteral("finished"));
        if (onFinished)
            onFinished();
    }
    void clear()
    {
        sets.clear();
        events.clear();
    }
};

QString stop(Effect effect)
{
    return QStringLiteral("stop %1").arg(static_cast<int>(effect));
}

QString start(Effect effect)
{
    return QStringLiteral("start %1").arg(static_cast<int>(effect));
}

void startEffect(LCDEffectModel &panel, Effect effect, bool turnOn)
{
    switch (effect) {
    case Effect::BarRight:
        return panel.EFBarRight(turnOn);
    case Effect::Roll:
        return panel.EFRoll(turnOn);
    case Effect::Slice:
        return panel.EFSlice(turnOn);
    case Effect::SlideOver:
        return panel.EFSlideOver(turnOn);
    case Effect::BandsOver:
        return panel.EFBandsOver(turnOn);
    case Effect::Blink:
        return panel.EFBlink();
    case Effect::Circle:
        return panel.EFCircle(turnOn);
    case Effect::CleanUp:
        return panel.EFCleanUp(turnOn);
    }
}

// The lights showing that colour.
QSet<int> lightsIn(const LCDEffectModel &panel, std::int32_t color)
{
    QSet<int> lights;
    for (int row = 1; row <= 10; ++row) {
        for (int column = 1; column <= 10; ++column) {
            if (panel.Light(row, column) == color)
                lights.insert(LightFrames::light(row, column));
        }
    }
    return lights;
}

bool allLightsIn(const LCDEffectModel &panel, std::int32_t color)
{
    return lightsIn(panel, color).size() == 100;
}

// Ticks the effect until it is idle; the number of ticks, or -1 when it runs on.
int runToEnd(LCDEffectModel &panel, Effect effect)
{
    for (int ticks = 1; ticks <= 100; ++ticks) {
        panel.Tick(effect);
        if (!panel.isRunning(effect))
            return ticks;
    }
    return -1;
}

QString allRows(int first, int last)
{
    return QStringLiteral("rows 1, 2, 3, 4, 5, 6, 7, 8, 9, 10: %1-%2").arg(first).arg(last);
}

} // namespace

class TestLCDEffectModel : public QObject
{
    Q_OBJECT
private slots:
    void newPanelIsAllOff()
    {
        LCDEffectModel panel;
        QVERIFY(allLightsIn(panel, Off));
        QCOMPARE(panel.LightColorOn(), On);
        QCOMPARE(panel.LightColorOff(), Off);
        QCOMPARE(panel.EffectColor(), 0);
        for (int effect = 0; effect < LCDEffectModel::EffectCount; ++effect)
            QVERIFY(!panel.isRunning(static_cast<Effect>(effect)));
    }

    void lightOutsideGridThrows_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::newRow("row 0") << 0 << 1;
        QTest::newRow("row 11") << 11 << 1;
        QTest::newRow("column 0") << 1 << 0;
        QTest::newRow("column 11") << 10 << 11;
    }
    void lightOutsideGridThrows()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        LCDEffectModel panel;
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, panel.Light(row, column));
    }

    void onRowRejects_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("colStart");
        QTest::addColumn<int>("colFinish");
        QTest::addColumn<uint>("number");
        QTest::addColumn<QString>("description");
        const QString rowText = QStringLiteral("RowNo must be between 1 to 10");
        const QString startText = QStringLiteral("ColStart must be between 1 to 10");
        const QString finishText = QStringLiteral("ColFinish must be between 1 to 10");
        const QString orderText = QStringLiteral("ColFinish must be bigger than ColStart");
        QTest::newRow("row 0, start 11: row first") << 0 << 11 << 5 << 0x80040258u << rowText;
        QTest::newRow("row 11") << 11 << 1 << 1 << 0x80040258u << rowText;
        QTest::newRow("row -1") << -1 << 1 << 1 << 0x80040258u << rowText;
        QTest::newRow("row past 16 bits") << 65537 << 1 << 1 << 0x80040258u << rowText;
        QTest::newRow("start 0") << 5 << 0 << 3 << 0x80040259u << startText;
        QTest::newRow("start 11, finish 0") << 5 << 11 << 0 << 0x80040259u << startText;
        QTest::newRow("finish 0") << 5 << 1 << 0 << 0x8004025Au << finishText;
        QTest::newRow("finish 11") << 5 << 3 << 11 << 0x8004025Au << finishText;
        QTest::newRow("start 5, finish 4") << 5 << 5 << 4 << 0x8004025Bu << orderText;
        QTest::newRow("start 10, finish 1") << 1 << 10 << 1 << 0x8004025Bu << orderText;
    }
    void onRowRejects()
    {
        QFETCH(int, row);
        QFETCH(int, colStart);
        QFETCH(int, colFinish);
        QFETCH(uint, number);
        QFETCH(QString, description);
        LCDEffectModel panel;
        panel.EFCircle(true); // an effect colour that differs from every light
        Recorder recorder;
        panel.setObserver(&recorder);
        try {
            panel.OnRow(row, colStart, colFinish);
            QFAIL("OnRow accepted bad arguments");
        } catch (const LCDError &error) {
            QCOMPARE(error.Number(), number);
            QCOMPARE(QString::fromStdString(error.Description()), description);
            QCOMPARE(QString::fromLatin1(error.what()), description);
        }
        QVERIFY(recorder.sets.isEmpty());
        QVERIFY(allLightsIn(panel, Off));
    }

    void onRowPaintsRun_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("colStart");
        QTest::addColumn<int>("colFinish");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one light") << 3 << 4 << 4 << QStringLiteral("row 3: 4-4");
        QTest::newRow("whole row") << 1 << 1 << 10 << QStringLiteral("row 1: 1-10");
        QTest::newRow("middle run") << 10 << 4 << 7 << QStringLiteral("row 10: 4-7");
    }
    void onRowPaintsRun()
    {
        QFETCH(int, row);
        QFETCH(int, colStart);
        QFETCH(int, colFinish);
        QFETCH(QString, expected);
        bool ok = false;
        const QSet<int> lights = LightFrames::parse(expected, &ok);
        QVERIFY(ok);
        LCDEffectModel panel;
        panel.EFSlice(true);
        panel.OnRow(row, colStart, colFinish);
        QCOMPARE(lightsIn(panel, On), lights);
    }

    void onRowBeforeAnyStartPaintsBlack()
    {
        LCDEffectModel panel;
        panel.OnRow(2, 1, 10);
        bool ok = false;
        QCOMPARE(lightsIn(panel, 0), LightFrames::parse(QStringLiteral("row 2: 1-10"), &ok));
    }

    void writingOnColourChangesNoLight()
    {
        LCDEffectModel panel;
        Recorder recorder;
        panel.setObserver(&recorder);
        panel.setLightColorOn(Green);
        QVERIFY(recorder.sets.isEmpty());
        QVERIFY(allLightsIn(panel, Off));
        panel.OnAll();
        QVERIFY(allLightsIn(panel, Green));
    }

    void writingOffColourTurnsEveryLightToIt()
    {
        LCDEffectModel panel;
        panel.EFRoll(true);
        panel.OnRow(4, 2, 9);
        Recorder recorder;
        panel.setObserver(&recorder);
        panel.setLightColorOff(Green);
        QCOMPARE(panel.LightColorOff(), Green);
        QCOMPARE(recorder.sets.size(), 100);
        QVERIFY(allLightsIn(panel, Green));
    }

    // Every drawing tick sets exactly the lights of its frame, in the effect colour.
    void frames_data()
    {
        QTest::addColumn<Effect>("effect");
        QTest::addColumn<QStringList>("frames");

        QStringList barRight;
        QStringList slice;
        for (int tick = 1; tick <= 10; ++tick) {
            barRight << allRows(tick, tick);
            slice << QStringLiteral("rows 1, 3, 5, 7, 9: %1-%1; rows 2, 4, 6, 8, 10: %2-%2")
                         .arg(tick)
                         .arg(11 - tick);
        }
        QTest::newRow("bar right") << Effect::BarRight << barRight;
        QTest::newRow("slice") << Effect::Slice << slice;

        QTest::newRow("circle")
            << Effect::Circle
            << QStringList{
                   QStringLiteral("row 5: 6-6"),
                   QStringLiteral("row 4: 5-7; row 5: 5-7; row 6: 5-7"),
                   QStringLiteral("row 2: 6-6; row 3: 4-8; row 4: 3-9; row 5: 3-9; row 6: 3-9; "
                                  "row 7: 4-8; row 8: 6-6"),
                   QStringLiteral("row 1: 5-7; row 2: 3-9; row 3: 2-10; row 4: 1-10; row 5: 1-10; "
                                  "row 6: 1-10; row 7: 2-10; row 8: 3-9; row 9: 4-8; row 10: 5-7"),
                   allRows(1, 10),
               };

        QTest::newRow("clean up")
            << Effect::CleanUp
            << QStringList{
                   QStringLiteral("row 1: 7-10; row 2: 8-10; row 3: 10-10"),
                   QStringLiteral("row 1: 6-6; row 2: 7-7; row 3: 7-9; row 4: 8-10; row 5: 9-10; "
                                  "row 6: 9-10; row 7: 10-10"),
                   QStringLiteral("row 2: 6-6; row 3: 6-6; row 4: 7-7; row 5: 7-8; row 6: 7-8; "
                                  "row 7: 8-9; row 8: 8-10; row 9: 8-10; row 10: 9-10"),
                   QStringLiteral("row 4: 6-6; row 5: 6-6; row 6: 6-6; row 7: 6-7; row 8: 6-7; "
                                  "row 9: 6-7; row 10: 6-8"),
                   QStringLiteral("row 3: 5-5; row 4: 5-5; row 5: 5-5; row 6: 4-5; row 7: 4-5; "
                                  "row 8: 4-5; row 9: 4-5; row 10: 3-5"),
                   QStringLiteral("row 2: 5-5; row 3: 4-4; row 4: 4-4; row 5: 3-4; row 6: 2-3; "
                                  "row 7: 1-3; row 8: 1-3; row 9: 1-3; row 10: 1-2"),
                   QStringLiteral("row 1: 5-5; row 2: 4-4; row 3: 2-3; row 4: 1-3; row 5: 1-2; "
                                  "row 6: 1-1"),
                   QStringLiteral("row 1: 1-4; row 2: 1-3; row 3: 1-1"),
               };

        QTest::newRow("roll") << Effect::Roll
                              << QStringList{
                                     QStringLiteral("row 1: 1-3"),
                                     QStringLiteral("row 1: 4-6"),
                                     QStringLiteral("row 1: 7-9"),
                                     QStringLiteral("rows 1, 2, 3: 10-10"),
                                     QStringLiteral("rows 4, 5, 6: 10-10"),
                                     QStringLiteral("rows 7, 8, 9: 10-10"),
                                     QStringLiteral("row 10: 8-10"),
                                     QStringLiteral("row 10: 5-7"),
                                     QStringLiteral("row 10: 2-4"),
                                     QStringLiteral("rows 8, 9, 10: 1-1"),
                                     QStringLiteral("rows 5, 6, 7: 1-1"),
                                     QStringLiteral("rows 2, 3, 4: 1-1"),
                                     QStringLiteral("row 2: 2-4"),
                                     QStringLiteral("row 2: 5-7"),
                                     QStringLiteral("row 2: 8-9; row 3: 9-9"),
                                     QStringLiteral("rows 4, 5, 6: 9-9"),
                                     QStringLiteral("rows 7, 8, 9: 9-9"),
                                     QStringLiteral("row 9: 6-8"),
                                     QStringLiteral("row 9: 3-5"),
                                     QStringLiteral("rows 7, 8, 9: 2-2"),
                                     QStringLiteral("rows 4, 5, 6: 2-2"),
                                     QStringLiteral("row 3: 2-4"),
                                     QStringLiteral("row 3: 5-7"),
                                     QStringLiteral("rows 3, 4, 5: 8-8"),
                                     QStringLiteral("rows 6, 7, 8: 8-8"),
                                     QStringLiteral("row 8: 5-7"),
                                     QStringLiteral("row 8: 3-4; row 7: 3-3"),
                                     QStringLiteral("rows 4, 5, 6: 3-3"),
                                     QStringLiteral("row 4: 4-6"),
                                     QStringLiteral("rows 4, 5, 6: 7-7"),
                                     QStringLiteral("row 7: 7-7"),
                                     QStringLiteral("row 7: 4-6"),
                                     QStringLiteral("rows 5, 6: 4-4"),
                                     QStringLiteral("row 5: 5-6; row 6: 6-6"),
                                     QStringLiteral("row 6: 5-5"),
                                 };

        QTest::newRow("slide over")
            << Effect::SlideOver
            << QStringList{
                   QStringLiteral("....#.....|..........|..........|..........|..........|"
                                  "#........#|..........|..........|..........|....#....."),
                   QStringLiteral("..........|....#.....|..........|..........|..........|"
                                  ".#......#.|..........|..........|....#.....|.........."),
                   QStringLiteral("..........|..........|....#.....|..........|..........|"
                                  "..#....#..|..........|....#.....|..........|.........."),
                   QStringLiteral("..........|..........|..........|....#.....|..........|"
                                  "...#..#...|....#.....|..........|..........|.........."),
                   QStringLiteral("..........|..........|..........|..........|....#.....|"
                                  "....##....|..........|..........|..........|.........."),
                   QStringLiteral(".....##...|.....#....|.....#....|.....#....|###.......|"
                                  "..........|.......###|..........|...#......|...#......"),
                   QStringLiteral(".......##.|#.....##..|##....#...|###.......|...#......|"
                                  "..........|......#...|...#...###|..#......#|.##......."),
                   QStringLiteral("##.......#|.##.....##|..#....##.|......#...|..........|"
                                  "..........|...#......|.##...#...|##.....##.|#.......##"),
                   QStringLiteral("..##......|...#......|...#.....#|...#...###|.....#####|"
                                  "..........|###..#....|#....#....|.....##...|.....###.."),
               };

        QTest::newRow("bands over")
            << Effect::BandsOver
            << QStringList{
                   QStringLiteral("#.#.#.#.#.|#........#|..........|#........#|..........|"
                                  "#........#|..........|#........#|..........|#.#.#.#.##"),
                   QStringLiteral("..........|.##.#.#.#.|..........|.#......#.|..........|"
                                  ".#......#.|..........|.#......#.|#.#.#.#.#.|.#........"),
                   QStringLiteral("..........|.......#..|#.#.#.#.#.|..#....#..|..........|"
                                  "..#....#..|..........|..#.#.##..|..........|.......#.."),
                   QStringLiteral("..........|...#......|..........|...##.#...|..........|"
                                  "...#..#...|#.#.#.#.#.|..........|..........|...#......"),
                   QStringLiteral("..........|.....#....|..........|.....#....|#.#.#.#.#.|"
                                  "....##....|..........|...#.#....|..........|.....#...."),
               };
    }
    void frames()
    {
        QFETCH(Effect, effect);
        QFETCH(QStringList, frames);
        LCDEffectModel panel;
        panel.setLightColorOn(Green);
        Recorder recorder;
        panel.setObserver(&recorder);
        startEffect(panel, effect, true);
        QCOMPARE(recorder.events, QStringList{start(effect)});

        for (int tick = 1; tick <= frames.size(); ++tick) {
            bool ok = false;
            const QSet<int> expected = LightFrames::parse(frames[tick - 1], &ok);
            QVERIFY2(ok, qPrintable(frames[tick - 1]));
            recorder.clear();
            panel.Tick(effect);
            const QSet<int> set(recorder.sets.begin(), recorder.sets.end());
            QVERIFY2(set == expected, qPrintable(QStringLiteral("tick %1").arg(tick)));
            QCOMPARE(recorder.sets.size(), expected.size()); // no light twice in one tick
            for (int light : expected)
                QCOMPARE(panel.Light(light / 100, light % 100), Green);
            QVERIFY(recorder.events.isEmpty());
            QVERIFY(panel.isRunning(effect));
        }

        recorder.clear();
        panel.Tick(effect);
        QVERIFY(recorder.sets.isEmpty());
        QCOMPARE(recorder.events, (QStringList{stop(effect), QStringLiteral("finished")}));
        QVERIFY(!panel.isRunning(effect));
        QCOMPARE(panel.StepCounter(effect), 0);
    }

    void blinkAlternatesWholePanel()
    {
        LCDEffectModel panel;
        panel.EFBarRight(true); // an effect colour that blink must keep
        panel.setLightColorOn(Green);
        panel.OnRow(3, 2, 6);
        Recorder recorder;
        panel.setObserver(&recorder);
        panel.EFBlink();
        for (int tick = 1; tick <= 11; ++tick) {
            recorder.clear();
            panel.Tick(Effect::Blink);
            QCOMPARE(recorder.sets.size(), 100);
            QVERIFY2(allLightsIn(panel, tick % 2 == 1 ? Green : Off),
                     qPrintable(QStringLiteral("tick %1").arg(tick)));
            QVERIFY(recorder.events.isEmpty());
        }
        recorder.clear();
        panel.Tick(Effect::Blink);
        QVERIFY(recorder.sets.isEmpty());
        QCOMPARE(recorder.events, (QStringList{stop(Effect::Blink), QStringLiteral("finished")}));
        QVERIFY(allLightsIn(panel, Green));
        QCOMPARE(panel.EffectColor(), On);
    }

    void lightSetsPerRun_data()
    {
        QTest::addColumn<Effect>("effect");
        QTest::addColumn<int>("sets");
        QTest::addColumn<int>("distinct");
        QTest::newRow("bar right") << Effect::BarRight << 100 << 100;
        QTest::newRow("slice") << Effect::Slice << 100 << 100;
        QTest::newRow("roll") << Effect::Roll << 100 << 100;
        QTest::newRow("clean up") << Effect::CleanUp << 100 << 100;
        QTest::newRow("slide over") << Effect::SlideOver << 100 << 100;
        QTest::newRow("bands over") << Effect::BandsOver << 75 << 75;
        QTest::newRow("circle") << Effect::Circle << 216 << 100;
    }
    void lightSetsPerRun()
    {
        QFETCH(Effect, effect);
        QFETCH(int, sets);
        QFETCH(int, distinct);
        LCDEffectModel panel;
        Recorder recorder;
        panel.setObserver(&recorder);
        startEffect(panel, effect, true);
        QVERIFY(runToEnd(panel, effect) > 0);
        QCOMPARE(recorder.sets.size(), sets);
        QCOMPARE(QSet<int>(recorder.sets.begin(), recorder.sets.end()).size(), distinct);
    }

    void circleFrameSizes()
    {
        LCDEffectModel panel;
        Recorder recorder;
        panel.setObserver(&recorder);
        panel.EFCircle(true);
        QList<int> sizes;
        for (int tick = 1; tick <= 5; ++tick) {
            recorder.clear();
            panel.Tick(Effect::Circle);
            sizes << recorder.sets.size();
        }
        QCOMPARE(sizes, (QList<int>{1, 9, 33, 73, 100}));
    }

    void endStates_data()
    {
        QTest::addColumn<Effect>("effect");
        QTest::newRow("bar right") << Effect::BarRight;
        QTest::newRow("slice") << Effect::Slice;
        QTest::newRow("slide over") << Effect::SlideOver;
        QTest::newRow("circle") << Effect::Circle;
        QTest::newRow("clean up") << Effect::CleanUp;
        QTest::newRow("roll") << Effect::Roll;
    }
    void endStates()
    {
        QFETCH(Effect, effect);
        LCDEffectModel panel;
        panel.setLightColorOff(Green);
        startEffect(panel, effect, true);
        QVERIFY(runToEnd(panel, effect) > 0);
        QVERIFY(allLightsIn(panel, On));
        startEffect(panel, effect, false);
        QVERIFY(runToEnd(panel, effect) > 0);
        QVERIFY(allLightsIn(panel, Green));
    }

    void bandsOverLeavesOddRowsEvenColumnsAlone()
    {
        LCDEffectModel panel;
        panel.EFBandsOver(true);
        QVERIFY(runToEnd(panel, Effect::BandsOver) > 0);
        bool ok = false;
        const QSet<int> untouched =
            LightFrames::parse(QStringLiteral("rows 1, 3, 5, 7, 9: 2-2; rows 1, 3, 5, 7, 9: 4-4; "
                                              "rows 1, 3, 5, 7, 9: 6-6; rows 1, 3, 5, 7, 9: 8-8; "
                                              "rows 1, 3, 5, 7, 9: 10-10"),
                               &ok);
        QVERIFY(ok);
        QCOMPARE(lightsIn(panel, Off), untouched);
        QCOMPARE(lightsIn(panel, On).size(), 75);
    }

    // The finishing tick stops the effect and resets it before the event, so
    // a handler can start it again, and the second run is a whole run.
    void finishingTick_data()
    {
        QTest::addColumn<Effect>("effect");
        QTest::addColumn<int>("drawingTicks");
        QTest::newRow("bar right") << Effect::BarRight << 10;
        QTest::newRow("roll") << Effect::Roll << 35;
        QTest::newRow("slice") << Effect::Slice << 10;
        QTest::newRow("slide over") << Effect::SlideOver << 9;
        QTest::newRow("bands over") << Effect::BandsOver << 5;
        QTest::newRow("blink") << Effect::Blink << 11;
        QTest::newRow("circle") << Effect::Circle << 5;
        QTest::newRow("clean up") << Effect::CleanUp << 8;
    }
    void finishingTick()
    {
        QFETCH(Effect, effect);
        QFETCH(int, drawingTicks);
        LCDEffectModel panel;
        Recorder recorder;
        panel.setObserver(&recorder);
        bool idleAtEvent = false;
        int restarts = 0;
        recorder.onFinished = [&] {
            idleAtEvent = !panel.isRunning(effect) && panel.StepCounter(effect) == 0;
            if (restarts++ == 0)
                startEffect(panel, effect, true);
        };
        startEffect(panel, effect, true);
        for (int tick = 1; tick <= drawingTicks; ++tick)
            panel.Tick(effect);
        QVERIFY(panel.isRunning(effect));
        QCOMPARE(panel.StepCounter(effect), drawingTicks);
        const QList<int> firstRun = recorder.sets;
        recorder.clear();

        panel.Tick(effect); // finishing; the handler starts the next run
        QVERIFY(idleAtEvent);
        QCOMPARE(recorder.events,
                 (QStringList{stop(effect), QStringLiteral("finished"), start(effect)}));
        QVERIFY(panel.isRunning(effect));

        recorder.clear();
        QCOMPARE(runToEnd(panel, effect), drawingTicks + 1);
        QCOMPARE(recorder.sets, firstRun);
        QCOMPARE(recorder.events, (QStringList{stop(effect), QStringLiteral("finished")}));
    }

    void startingTwiceGivesOneRun()
    {
        LCDEffectModel panel;
        Recorder recorder;
        panel.setObserver(&recorder);
        panel.EFCircle(true);
        panel.EFCircle(true);
        QCOMPARE(runToEnd(panel, Effect::Circle), 6);
        QCOMPARE(recorder.events, (QStringList{start(Effect::Circle), stop(Effect::Circle),
                                               QStringLiteral("finished")}));
    }

    void restartMidRunContinuesInNewColour()
    {
        LCDEffectModel panel;
        panel.EFCircle(true);
        panel.Tick(Effect::Circle);
        panel.Tick(Effect::Circle);
        panel.setLightColorOn(Green);
        panel.EFCircle(true);
        QCOMPARE(panel.StepCounter(Effect::Circle), 2);
        panel.Tick(Effect::Circle);
        QCOMPARE(lightsIn(panel, Green).size(), 33); // the third frame, in the new colour
        QCOMPARE(runToEnd(panel, Effect::Circle), 3);
    }

    void laterStartRecoloursRunningEffects()
    {
        LCDEffectModel panel;
        panel.EFCircle(true);
        panel.Tick(Effect::Circle);
        panel.setLightColorOff(Green);
        panel.EFBarRight(false);
        panel.Tick(Effect::Circle);
        QVERIFY(allLightsIn(panel, Green)); // the 3 by 3 block went out in the off colour
    }

    void blinkAndRollTogether()
    {
        LCDEffectModel panel;
        panel.setLightColorOn(Green);
        Recorder recorder;
        panel.setObserver(&recorder);
        int finished = 0;
        recorder.onFinished = [&] { ++finished; };
        panel.EFBlink();
        panel.EFRoll(false);
        // Their timers, 100 and 50 ms, as they would interleave.
        for (int step = 1; step <= 36; ++step) {
            recorder.sets.clear();
            panel.Tick(Effect::Roll);
            for (int light : recorder.sets)
                QCOMPARE(panel.Light(light / 100, light % 100), Off);
            if (step % 2 == 1)
                continue;
            panel.Tick(Effect::Blink);
            const int blinkTick = step / 2;
            if (blinkTick <= 11)
                QVERIFY(allLightsIn(panel, blinkTick % 2 == 1 ? Green : Off));
        }
        QCOMPARE(finished, 2);
        QVERIFY(!panel.isRunning(Effect::Roll));
        QVERIFY(!panel.isRunning(Effect::Blink));
        // Blink ended all on at 1.2 s; the roll's later steps put their lights out.
        QCOMPARE(lightsIn(panel, Off).size() + lightsIn(panel, Green).size(), 100);
        QVERIFY(lightsIn(panel, Off).contains(LightFrames::light(6, 5)));
        QVERIFY(lightsIn(panel, Green).contains(LightFrames::light(1, 1)));
    }

    void offColourMidRunRepaintsAndRunGoesOn()
    {
        LCDEffectModel panel;
        Recorder recorder;
        panel.setObserver(&recorder);
        panel.EFBarRight(true);
        for (int tick = 1; tick <= 3; ++tick)
            panel.Tick(Effect::BarRight);
        recorder.clear();
        panel.setLightColorOff(Green);
        QCOMPARE(recorder.sets.size(), 100);
        QVERIFY(allLightsIn(panel, Green));
        QVERIFY(panel.isRunning(Effect::BarRight));
        recorder.clear();
        QCOMPARE(runToEnd(panel, Effect::BarRight), 8);
        bool ok = false;
        QCOMPARE(lightsIn(panel, Green), LightFrames::parse(allRows(1, 3), &ok));
        QCOMPARE(lightsIn(panel, On), LightFrames::parse(allRows(4, 10), &ok));
        QCOMPARE(recorder.events.count(QStringLiteral("finished")), 1);
    }

    void tickOfIdleEffectDoesNothing()
    {
        LCDEffectModel panel;
        Recorder recorder;
        panel.setObserver(&recorder);
        panel.Tick(Effect::Slice);
        panel.Tick(Effect::Blink);
        QVERIFY(recorder.sets.isEmpty());
        QVERIFY(recorder.events.isEmpty());
        QCOMPARE(panel.StepCounter(Effect::Slice), 0);
    }

    void writePropertiesWritesBothAlways()
    {
        LCDEffectModel panel;
        PropertyBag bag;
        panel.UserControl_WriteProperties(bag);
        QCOMPARE(bag.names(), (std::vector<std::string>{"LightOffColor", "LightOnColor"}));
        QCOMPARE(bag.ReadProperty("LightOffColor", -1), Off);
        QCOMPARE(bag.ReadProperty("LightOnColor", -1), On);
    }

    void readPropertiesIgnoresCaseAndTurnsAllOff()
    {
        PropertyBag bag;
        bag.WriteProperty("lightoffcolor", Green);
        bag.WriteProperty("LIGHTONCOLOR", 0x123456);
        bag.WriteProperty("_extentx", 2328);
        LCDEffectModel panel;
        panel.OnAll();
        panel.UserControl_ReadProperties(bag);
        QCOMPARE(panel.LightColorOff(), Green);
        QCOMPARE(panel.LightColorOn(), 0x123456);
        QVERIFY(allLightsIn(panel, Green));
    }

    void readPropertiesKeepsCurrentForMissing()
    {
        LCDEffectModel fresh;
        fresh.UserControl_ReadProperties(PropertyBag());
        QCOMPARE(fresh.LightColorOn(), On);
        QCOMPARE(fresh.LightColorOff(), Off);

        LCDEffectModel changed;
        changed.setLightColorOn(7);
        changed.setLightColorOff(9);
        PropertyBag onlyOn;
        onlyOn.WriteProperty("LightOnColor", 11);
        changed.UserControl_ReadProperties(onlyOn);
        QCOMPARE(changed.LightColorOn(), 11);
        QCOMPARE(changed.LightColorOff(), 9);
    }

    void propertiesSurviveSaveAndLoad()
    {
        LCDEffectModel saved;
        saved.setLightColorOn(0x00B0FF);
        saved.setLightColorOff(0x003860);
        PropertyBag bag;
        saved.UserControl_WriteProperties(bag);
        saved.UserControl_WriteProperties(bag); // saving again replaces, never adds
        QCOMPARE(bag.names().size(), std::size_t(2));
        LCDEffectModel loaded;
        loaded.UserControl_ReadProperties(bag);
        QCOMPARE(loaded.LightColorOn(), 0x00B0FF);
        QCOMPARE(loaded.LightColorOff(), 0x003860);
    }
};

QTEST_GUILESS_MAIN(TestLCDEffectModel)
#include "tst_LCDEffectModel.moc"
