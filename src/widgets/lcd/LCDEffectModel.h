#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

class PropertyBag;

// The 10 by 10 light panel without a window: the colours of its lights, the
// drawing operations and the eight animated effects as tick-driven steps.
//
// Lights are addressed by row (1 = top) and column (1 = left), both 1 to 10.
// Colours are packed 0x00BBGGRR values (red in the low byte), stored and
// handed on unchecked. Each effect is idle or running; a running effect wants
// its timer to call Tick() at its interval until the effect finishes. The
// model owns no timer: it tells its observer when a timer must start or stop,
// which lights a call set and when an effect finished. Every call to the
// observer is made synchronously from inside the model's own operation.
class LCDEffectModel
{
public:
    static constexpr int Rows = 10;
    static constexpr int Columns = 10;
    static constexpr std::int32_t DefaultOnColor = 255;  // pure red
    static constexpr std::int32_t DefaultOffColor = 128; // dark red

    enum class Effect { BarRight, Roll, Slice, SlideOver, BandsOver, Blink, Circle, CleanUp };
    static constexpr int EffectCount = 8;

    class Observer
    {
    public:
        virtual ~Observer() = default;
        // A light was set; colourChanged is false when it already showed that colour.
        virtual void lightSet(int row, int column, bool colourChanged) = 0;
        // The effect's timer has to start (true) or stop (false). Only sent on a change.
        virtual void timerEnabled(Effect effect, bool enabled) = 0;
        // An effect ended; it is idle again with its counters at 0, so it can be
        // started again from here. It does not say which effect it was.
        virtual void effectFinished() = 0;
    };

    // A new panel: on colour 255, off colour 128, effect colour 0, every light off.
    LCDEffectModel();

    // The observer is not owned; nullptr for none.
    void setObserver(Observer *observer) { m_observer = observer; }

    // The colour a light shows. Throws std::out_of_range outside 1 to 10.
    std::int32_t Light(int row, int column) const;

    std::int32_t LightColorOn() const { return m_colorOn; }
    // Only stores the colour: lights change at the next OnAll or effect start.
    void setLightColorOn(std::int32_t color) { m_colorOn = color; }
    std::int32_t LightColorOff() const { return m_colorOff; }
    // Stores the colour and turns the whole panel, lit lights included, to it.
    void setLightColorOff(std::int32_t color);
    // The colour of OnRow and of every effect but blink.
    std::int32_t EffectColor() const { return m_effectColor; }

    void OffAll();
    void OnAll();
    // Sets row RowNo from ColStart to ColFinish, both inclusive, to the effect
    // colour. Throws LCDError (offsets 600 to 603, the first failing check
    // wins) before changing anything when an argument is out of range. The
    // arguments are checked as given: a value beyond 16 bits is refused, not
    // wrapped into the grid.
    void OnRow(int RowNo, int ColStart, int ColFinish);

    // Each start sets the effect colour to the on colour (TurnOn true) or the
    // off colour and lets the effect run. Starting a running effect does not
    // restart it: it goes on from its current step, in the new colour.
    void EFBarRight(bool TurnOn);
    void EFRoll(bool TurnOn);
    void EFSlice(bool TurnOn);
    void EFSlideOver(bool TurnOn);
    void EFBandsOver(bool TurnOn);
    void EFCircle(bool TurnOn);
    void EFCleanUp(bool TurnOn);
    // Alternates the whole panel between the two colours; keeps the effect colour.
    void EFBlink();

    // One tick of the effect's timer. A tick of an idle effect (one queued
    // before its timer stopped) does nothing.
    void Tick(Effect effect);
    bool isRunning(Effect effect) const { return m_running[index(effect)]; }
    // The effect's step counter (for slice, its forward counter).
    int StepCounter(Effect effect) const { return m_counter[index(effect)]; }

    // The host form's stored properties: "LightOffColor" and "LightOnColor".
    // Reading keeps the current colour for a missing entry, then turns every
    // light off; writing always writes both.
    void UserControl_ReadProperties(const PropertyBag &bag);
    void UserControl_WriteProperties(PropertyBag &bag) const;

private:
    static constexpr std::size_t index(Effect effect) { return static_cast<std::size_t>(effect); }

    void setLight(int row, int column, std::int32_t color);
    void paintRun(int row, int first, int last);
    void start(Effect effect, bool turnOn);
    void enable(Effect effect);
    // Returns the effect's counter after adding 1 to it.
    int advance(Effect effect);
    void finish(Effect effect);

    void tickBarRight();
    void tickSlice();
    void tickBlink();
    void tickRunTable(Effect effect);
    void tickGrid(Effect effect);

    Observer *m_observer = nullptr;
    std::array<std::int32_t, Rows * Columns> m_lights{};
    std::int32_t m_colorOn = DefaultOnColor;
    std::int32_t m_colorOff = DefaultOffColor;
    std::int32_t m_effectColor = 0;
    std::array<std::int16_t, EffectCount> m_counter{};
    std::array<bool, EffectCount> m_running{};
    std::int16_t m_sliceBackward = 0;
    bool m_sliceStarted = false;
};
