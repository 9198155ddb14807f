// Ticks per second of the LCDEffect control, painting included, with all
// eight effects running at once and chained from EffectFinished. Each tick is
// followed by the repaint of the lights it changed (offscreen, so it measures
// our painting, not a display server).

#include "widgets/lcd/LCDEffect.h"

#include <QApplication>
#include <QElapsedTimer>

#include <array>
#include <cstdio>

namespace {

using Handler = void (LCDEffect::*)();

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    LCDEffect panel;
    panel.resize(panel.sizeHint());
    panel.show();

    int runs = 0;
    QObject::connect(&panel, &LCDEffect::EffectFinished, &panel, [&] {
        ++runs;
        const bool turnOn = runs % 2 == 0;
        // Starting a running effect changes only the colour, so this restarts
        // whichever effects have finished.
        panel.EFBarRight(turnOn);
        panel.EFRoll(turnOn);
        panel.EFSlice(turnOn);
        panel.EFSlideOver(turnOn);
        panel.EFBandsOver(turnOn);
        panel.EFBlink();
        panel.EFCircle(turnOn);
        panel.EFCleanUp(turnOn);
    });
    panel.EFBarRight(true);
    panel.EFRoll(true);
    panel.EFSlice(true);
    panel.EFSlideOver(true);
    panel.EFBandsOver(true);
    panel.EFBlink();
    panel.EFCircle(true);
    panel.EFCleanUp(true);
    // The timers stay out of it: the loop calls the tick handlers itself.
    for (QTimer *timer :
         {&panel.tmrBarRight, &panel.tmrRoll, &panel.tmrSlice, &panel.tmrSlideOver,
          &panel.tmrBandsOver, &panel.tmrBlink, &panel.tmrCircle, &panel.tmrCleanUp})
        timer->stop();

    const std::array<Handler, 9> round = {
        &LCDEffect::tmrBarRight_Timer,  &LCDEffect::tmrRoll_Timer,   &LCDEffect::tmrSlice_Timer,
        &LCDEffect::tmrSlideOver_Timer, &LCDEffect::tmrRoll_Timer,   &LCDEffect::tmrBandsOver_Timer,
        &LCDEffect::tmrBlink_Timer,     &LCDEffect::tmrCircle_Timer, &LCDEffect::tmrCleanUp_Timer};
    QElapsedTimer clock;
    clock.start();
    long long ticks = 0;
    while (clock.elapsed() < 3000) {
        for (Handler handler : round) {
            (panel.*handler)();
            QCoreApplication::processEvents();
            ++ticks;
        }
    }
    const double seconds = clock.nsecsElapsed() / 1e9;
    std::printf("LCDEffect control, all eight effects at once, each tick painted\n");
    std::printf("  ticks:            %lld in %.3f s\n", ticks, seconds);
    std::printf("  ticks per second: %.0f (%.1f us a tick; the panel needs 90)\n",
                static_cast<double>(ticks) / seconds, seconds * 1e6 / static_cast<double>(ticks));
    std::printf("  effect runs:      %d finished\n", runs);
    return 0;
}
