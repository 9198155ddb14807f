// Ticks per second of the light panel model with all eight effects running at
// once, each started again from its finishing event (as the alert window
// chains them), alternately switching the panel on and off. In one round of
// 100 ms the roll ticks twice and the others once, as their timers would.
// The panel needs 90 ticks a second; the figure says how far above that it is.

#include "widgets/lcd/LCDEffectModel.h"

#include <array>
#include <chrono>
#include <cstdio>

namespace {

using Effect = LCDEffectModel::Effect;

class Chainer : public LCDEffectModel::Observer
{
public:
    explicit Chainer(LCDEffectModel &panel) : m_panel(panel) {}

    long long sets = 0;
    long long changes = 0;
    long long runs = 0;
    Effect finishing = Effect::BarRight;

    void lightSet(int, int, bool colourChanged) override
    {
        ++sets;
        changes += colourChanged ? 1 : 0;
    }
    void timerEnabled(Effect, bool) override {}
    void effectFinished() override
    {
        ++runs;
        start(finishing, runs % 2 == 0);
    }

    void start(Effect effect, bool turnOn)
    {
        switch (effect) {
        case Effect::BarRight:
            return m_panel.EFBarRight(turnOn);
        case Effect::Roll:
            return m_panel.EFRoll(turnOn);
        case Effect::Slice:
            return m_panel.EFSlice(turnOn);
        case Effect::SlideOver:
            return m_panel.EFSlideOver(turnOn);
        case Effect::BandsOver:
            return m_panel.EFBandsOver(turnOn);
        case Effect::Blink:
            return m_panel.EFBlink();
        case Effect::Circle:
            return m_panel.EFCircle(turnOn);
        case Effect::CleanUp:
            return m_panel.EFCleanUp(turnOn);
        }
    }

private:
    LCDEffectModel &m_panel;
};

} // namespace

int main()
{
    const std::array<Effect, 9> round = {Effect::BarRight,  Effect::Roll,   Effect::Slice,
                                         Effect::SlideOver, Effect::Roll,   Effect::BandsOver,
                                         Effect::Blink,     Effect::Circle, Effect::CleanUp};
    LCDEffectModel panel;
    Chainer chainer(panel);
    panel.setObserver(&chainer);
    for (int effect = 0; effect < LCDEffectModel::EffectCount; ++effect)
        chainer.start(static_cast<Effect>(effect), true);

    using Clock = std::chrono::steady_clock;
    const auto begin = Clock::now();
    long long ticks = 0;
    double seconds = 0;
    do {
        for (int repeat = 0; repeat < 10000; ++repeat) {
            for (Effect effect : round) {
                chainer.finishing = effect;
                panel.Tick(effect);
            }
        }
        ticks += 10000LL * static_cast<long long>(round.size());
        seconds = std::chrono::duration<double>(Clock::now() - begin).count();
    } while (seconds < 2.0);

    std::printf("light panel model, all eight effects at once\n");
    std::printf("  ticks:            %lld in %.3f s\n", ticks, seconds);
    std::printf("  ticks per second: %.0f (%.1f ns a tick; the panel needs 90)\n", ticks / seconds,
                seconds * 1e9 / static_cast<double>(ticks));
    std::printf("  light sets:       %.0f per second (%lld changed a colour)\n",
                static_cast<double>(chainer.sets) / seconds, chainer.changes);
    std::printf("  effect runs:      %lld finished and started again\n", chainer.runs);
    return 0;
}
