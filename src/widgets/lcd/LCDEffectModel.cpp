#include "widgets/lcd/LCDEffectModel.h"

#include "widgets/lcd/LCDError.h"
#include "widgets/lcd/PropertyBag.h"

#include <iterator>
#include <stdexcept>

namespace {

// A run of one row, both ends inclusive, set at one step of an effect.
struct Run
{
    int step;
    int row;
    int first;
    int last;
};

// The circle grows from the light at row 5, column 6 to the whole panel.
constexpr int CircleSteps = 5;
constexpr Run Circle[] = {
    {1, 5, 6, 6},                                                               //
    {2, 4, 5, 7},  {2, 5, 5, 7},  {2, 6, 5, 7},                                 //
    {3, 2, 6, 6},  {3, 3, 4, 8},  {3, 4, 3, 9},  {3, 5, 3, 9},  {3, 6, 3, 9},   //
    {3, 7, 4, 8},  {3, 8, 6, 6},                                                //
    {4, 1, 5, 7},  {4, 2, 3, 9},  {4, 3, 2, 10}, {4, 4, 1, 10}, {4, 5, 1, 10},  //
    {4, 6, 1, 10}, {4, 7, 2, 10}, {4, 8, 3, 9},  {4, 9, 4, 8},  {4, 10, 5, 7},  //
    {5, 1, 1, 10}, {5, 2, 1, 10}, {5, 3, 1, 10}, {5, 4, 1, 10}, {5, 5, 1, 10},  //
    {5, 6, 1, 10}, {5, 7, 1, 10}, {5, 8, 1, 10}, {5, 9, 1, 10}, {5, 10, 1, 10}, //
};

// A wedge sweeping clockwise from the top-right corner round to the top-left.
constexpr int CleanUpSteps = 8;
constexpr Run CleanUp[] = {
    {1, 1, 7, 10}, {1, 2, 8, 10},  {1, 3, 10, 10},                                //
    {2, 1, 6, 6},  {2, 2, 7, 7},   {2, 3, 7, 9},   {2, 4, 8, 10},  {2, 5, 9, 10}, //
    {2, 6, 9, 10}, {2, 7, 10, 10},                                                //
    {3, 2, 6, 6},  {3, 3, 6, 6},   {3, 4, 7, 7},   {3, 5, 7, 8},   {3, 6, 7, 8},  //
    {3, 7, 8, 9},  {3, 8, 8, 10},  {3, 9, 8, 10},  {3, 10, 9, 10},                //
    {4, 4, 6, 6},  {4, 5, 6, 6},   {4, 6, 6, 6},   {4, 7, 6, 7},   {4, 8, 6, 7},  //
    {4, 9, 6, 7},  {4, 10, 6, 8},                                                 //
    {5, 3, 5, 5},  {5, 4, 5, 5},   {5, 5, 5, 5},   {5, 6, 4, 5},   {5, 7, 4, 5},  //
    {5, 8, 4, 5},  {5, 9, 4, 5},   {5, 10, 3, 5},                                 //
    {6, 2, 5, 5},  {6, 3, 4, 4},   {6, 4, 4, 4},   {6, 5, 3, 4},   {6, 6, 2, 3},  //
    {6, 7, 1, 3},  {6, 8, 1, 3},   {6, 9, 1, 3},   {6, 10, 1, 2},                 //
    {7, 1, 5, 5},  {7, 2, 4, 4},   {7, 3, 2, 3},   {7, 4, 1, 3},   {7, 5, 1, 2},  //
    {7, 6, 1, 1},                                                                 //
    {8, 1, 1, 4},  {8, 2, 1, 3},   {8, 3, 1, 1},                                  //
};

// A clockwise spiral from the top-left corner inwards, ending at row 6, column 5.
constexpr int RollSteps = 35;
constexpr Run Roll[] = {
    {1, 1, 1, 3},   {2, 1, 4, 6},   {3, 1, 7, 9},                  //
    {4, 1, 10, 10}, {4, 2, 10, 10}, {4, 3, 10, 10},                //
    {5, 4, 10, 10}, {5, 5, 10, 10}, {5, 6, 10, 10},                //
    {6, 7, 10, 10}, {6, 8, 10, 10}, {6, 9, 10, 10},                //
    {7, 10, 8, 10}, {8, 10, 5, 7},  {9, 10, 2, 4},                 //
    {10, 8, 1, 1},  {10, 9, 1, 1},  {10, 10, 1, 1},                //
    {11, 5, 1, 1},  {11, 6, 1, 1},  {11, 7, 1, 1},                 //
    {12, 2, 1, 1},  {12, 3, 1, 1},  {12, 4, 1, 1},                 //
    {13, 2, 2, 4},  {14, 2, 5, 7},  {15, 2, 8, 9},  {15, 3, 9, 9}, //
    {16, 4, 9, 9},  {16, 5, 9, 9},  {16, 6, 9, 9},                 //
    {17, 7, 9, 9},  {17, 8, 9, 9},  {17, 9, 9, 9},                 //
    {18, 9, 6, 8},  {19, 9, 3, 5},                                 //
    {20, 7, 2, 2},  {20, 8, 2, 2},  {20, 9, 2, 2},                 //
    {21, 4, 2, 2},  {21, 5, 2, 2},  {21, 6, 2, 2},                 //
    {22, 3, 2, 4},  {23, 3, 5, 7},                                 //
    {24, 3, 8, 8},  {24, 4, 8, 8},  {24, 5, 8, 8},                 //
    {25, 6, 8, 8},  {25, 7, 8, 8},  {25, 8, 8, 8},                 //
    {26, 8, 5, 7},  {27, 8, 3, 4},  {27, 7, 3, 3},                 //
    {28, 4, 3, 3},  {28, 5, 3, 3},  {28, 6, 3, 3},                 //
    {29, 4, 4, 6},                                                 //
    {30, 4, 7, 7},  {30, 5, 7, 7},  {30, 6, 7, 7},                 //
    {31, 7, 7, 7},  {32, 7, 4, 6},  {33, 5, 4, 4},  {33, 6, 4, 4}, //
    {34, 5, 5, 6},  {34, 6, 6, 6},  {35, 6, 5, 5},                 //
};

// Frames drawn light by light: one string per row, '#' for a light the step
// sets, one character per column.
using Frame = const char *const[LCDEffectModel::Rows];

// A cross of column 5 and row 6 grows from the edges inwards, then the four
// quarters fill.
constexpr int SlideOverSteps = 9;
constexpr Frame SlideOver[SlideOverSteps] = {
    {"....#.....", "..........", "..........", "..........", "..........", "#........#",
     "..........", "..........", "..........", "....#....."},
    {"..........", "....#.....", "..........", "..........", "..........", ".#......#.",
     "..........", "..........", "....#.....", ".........."},
    {"..........", "..........", "....#.....", "..........", "..........", "..#....#..",
     "..........", "....#.....", "..........", ".........."},
    {"..........", "..........", "..........", "....#.....", "..........", "...#..#...",
     "....#.....", "..........", "..........", ".........."},
    {"..........", "..........", "..........", "..........", "....#.....", "....##....",
     "..........", "..........", "..........", ".........."},
    {".....##...", ".....#....", ".....#....", ".....#....", "###.......", "..........",
     ".......###", "..........", "...#......", "...#......"},
    {".......##.", "#.....##..", "##....#...", "###.......", "...#......", "..........",
     "......#...", "...#...###", "..#......#", ".##......."},
    {"##.......#", ".##.....##", "..#....##.", "......#...", "..........", "..........",
     "...#......", ".##...#...", "##.....##.", "#.......##"},
    {"..##......", "...#......", "...#.....#", "...#...###", ".....#####", "..........",
     "###..#....", "#....#....", ".....##...", ".....###.."},
};

// Dotted bands on mirrored pairs of odd rows while the even rows fill from
// both ends; the even columns of the odd rows are left alone.
constexpr int BandsOverSteps = 5;
constexpr Frame BandsOver[BandsOverSteps] = {
    {"#.#.#.#.#.", "#........#", "..........", "#........#", "..........", "#........#",
     "..........", "#........#", "..........", "#.#.#.#.##"},
    {"..........", ".##.#.#.#.", "..........", ".#......#.", "..........", ".#......#.",
     "..........", ".#......#.", "#.#.#.#.#.", ".#........"},
    {"..........", ".......#..", "#.#.#.#.#.", "..#....#..", "..........", "..#....#..",
     "..........", "..#.#.##..", "..........", ".......#.."},
    {"..........", "...#......", "..........", "...##.#...", "..........", "...#..#...",
     "#.#.#.#.#.", "..........", "..........", "...#......"},
    {"..........", ".....#....", "..........", ".....#....", "#.#.#.#.#.", "....##....",
     "..........", "...#.#....", "..........", ".....#...."},
};

constexpr int BarRightSteps = 10;
constexpr int SliceSteps = 10;
constexpr int BlinkSteps = 11;

bool inGrid(int n)
{
    return n >= 1 && n <= 10;
}

} // namespace

LCDEffectModel::LCDEffectModel()
{
    OffAll();
}

std::int32_t LCDEffectModel::Light(int row, int column) const
{
    if (!inGrid(row) || !inGrid(column))
        throw std::out_of_range("light row and column must be 1 to 10");
    return m_lights[static_cast<std::size_t>((row - 1) * Columns + column - 1)];
}

void LCDEffectModel::setLight(int row, int column, std::int32_t color)
{
    std::int32_t &light = m_lights[static_cast<std::size_t>((row - 1) * Columns + column - 1)];
    const bool changed = light != color;
    light = color;
    if (m_observer)
        m_observer->lightSet(row, column, changed);
}

void LCDEffectModel::paintRun(int row, int first, int last)
{
    for (int column = first; column <= last; ++column)
        setLight(row, column, m_effectColor);
}

void LCDEffectModel::setLightColorOff(std::int32_t color)
{
    m_colorOff = color;
    OffAll();
}

void LCDEffectModel::OffAll()
{
    for (int column = 1; column <= Columns; ++column) {
        for (int row = 1; row <= Rows; ++row)
            setLight(row, column, m_colorOff);
    }
}

void LCDEffectModel::OnAll()
{
    for (int column = 1; column <= Columns; ++column) {
        for (int row = 1; row <= Rows; ++row)
            setLight(row, column, m_colorOn);
    }
}

void LCDEffectModel::OnRow(int RowNo, int ColStart, int ColFinish)
{
    if (!inGrid(RowNo))
        throw LCDError(LCDError::RowNoOutOfRange, "RowNo must be between 1 to 10");
    if (!inGrid(ColStart))
        throw LCDError(LCDError::ColStartOutOfRange, "ColStart must be between 1 to 10");
    if (!inGrid(ColFinish))
        throw LCDError(LCDError::ColFinishOutOfRange, "ColFinish must be between 1 to 10");
    if (ColStart > ColFinish)
        throw LCDError(LCDError::ColStartAfterColFinish, "ColFinish must be bigger than ColStart");
    paintRun(RowNo, ColStart, ColFinish);
}

void LCDEffectModel::start(Effect effect, bool turnOn)
{
    m_effectColor = turnOn ? m_colorOn : m_colorOff;
    enable(effect);
}

void LCDEffectModel::enable(Effect effect)
{
    bool &running = m_running[index(effect)];
    if (running)
        return;
    running = true;
    if (m_observer)
        m_observer->timerEnabled(effect, true);
}

void LCDEffectModel::EFBarRight(bool TurnOn)
{
    start(Effect::BarRight, TurnOn);
}

void LCDEffectModel::EFRoll(bool TurnOn)
{
    start(Effect::Roll, TurnOn);
}

void LCDEffectModel::EFSlice(bool TurnOn)
{
    start(Effect::Slice, TurnOn);
}

void LCDEffectModel::EFSlideOver(bool TurnOn)
{
    start(Effect::SlideOver, TurnOn);
}

void LCDEffectModel::EFBandsOver(bool TurnOn)
{
    start(Effect::BandsOver, TurnOn);
}

void LCDEffectModel::EFCircle(bool TurnOn)
{
    start(Effect::Circle, TurnOn);
}

void LCDEffectModel::EFCleanUp(bool TurnOn)
{
    start(Effect::CleanUp, TurnOn);
}

void LCDEffectModel::EFBlink()
{
    enable(Effect::Blink);
}

int LCDEffectModel::advance(Effect effect)
{
    std::int16_t &counter = m_counter[index(effect)];
    ++counter;
    return counter;
}

void LCDEffectModel::finish(Effect effect)
{
    // Idle before the event, so that its handler may start this effect again.
    m_counter[index(effect)] = 0;
    m_running[index(effect)] = false;
    if (m_observer) {
        m_observer->timerEnabled(effect, false);
        m_observer->effectFinished();
    }
}

void LCDEffectModel::Tick(Effect effect)
{
    if (!isRunning(effect))
        return;
    switch (effect) {
    case Effect::BarRight:
        tickBarRight();
        break;
    case Effect::Slice:
        tickSlice();
        break;
    case Effect::Blink:
        tickBlink();
        break;
    case Effect::Roll:
    case Effect::Circle:
    case Effect::CleanUp:
        tickRunTable(effect);
        break;
    case Effect::SlideOver:
    case Effect::BandsOver:
        tickGrid(effect);
        break;
    }
}

void LCDEffectModel::tickBarRight()
{
    if (StepCounter(Effect::BarRight) == BarRightSteps) {
        finish(Effect::BarRight);
        return;
    }
    const int column = advance(Effect::BarRight);
    for (int row = 1; row <= Rows; ++row)
        setLight(row, column, m_effectColor);
}

void LCDEffectModel::tickSlice()
{
    if (!m_sliceStarted) {
        m_sliceBackward = SliceSteps + 1;
        m_sliceStarted = true;
    }
    const int forward = advance(Effect::Slice);
    --m_sliceBackward;
    if (forward <= SliceSteps) {
        for (int row = 1; row <= Rows; row += 2) {
            setLight(row, forward, m_effectColor);
            setLight(row + 1, m_sliceBackward, m_effectColor);
        }
        return;
    }
    m_sliceBackward = 0;
    m_sliceStarted = false;
    finish(Effect::Slice);
}

void LCDEffectModel::tickBlink()
{
    const int step = advance(Effect::Blink);
    if (step > BlinkSteps)
        finish(Effect::Blink);
    else if (step % 2 == 1)
        OnAll();
    else
        OffAll();
}

void LCDEffectModel::tickRunTable(Effect effect)
{
    const Run *begin = Roll;
    const Run *end = std::end(Roll);
    int steps = RollSteps;
    if (effect == Effect::Circle) {
        begin = Circle;
        end = std::end(Circle);
        steps = CircleSteps;
    } else if (effect == Effect::CleanUp) {
        begin = CleanUp;
        end = std::end(CleanUp);
        steps = CleanUpSteps;
    }
    const int step = advance(effect);
    if (step > steps) {
        finish(effect);
        return;
    }
    for (const Run *run = begin; run != end; ++run) {
        if (run->step == step)
            paintRun(run->row, run->first, run->last);
    }
}

void LCDEffectModel::tickGrid(Effect effect)
{
    const bool slideOver = effect == Effect::SlideOver;
    const int steps = slideOver ? SlideOverSteps : BandsOverSteps;
    const int step = advance(effect);
    if (step > steps) {
        finish(effect);
        return;
    }
    const Frame &frame = slideOver ? SlideOver[step - 1] : BandsOver[step - 1];
    for (int row = 1; row <= Rows; ++row) {
        for (int column = 1; column <= Columns; ++column) {
            if (frame[row - 1][column - 1] == '#')
                setLight(row, column, m_effectColor);
        }
    }
}

void LCDEffectModel::UserControl_ReadProperties(const PropertyBag &bag)
{
    m_colorOff = bag.ReadProperty("LightOffColor", m_colorOff);
    m_colorOn = bag.ReadProperty("LightOnColor", m_colorOn);
    OffAll();
}

void LCDEffectModel::UserControl_WriteProperties(PropertyBag &bag) const
{
    bag.WriteProperty("LightOffColor", m_colorOff);
    bag.WriteProperty("LightOnColor", m_colorOn);
}
