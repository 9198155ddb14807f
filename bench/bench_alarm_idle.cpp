// What waiting alarms cost while nothing falls due: 100 notes (hidden) with
// two waiting alarms each. Reports the cost of one alarm tick (every note's
// check), the time the alarm list takes to open, and the whole program's
// processor time over a stretch of idle run, beside the same program without
// alarms.
// Usage: bench_alarm_idle [notes] [alarms per note] [idle seconds]
#include "alarms/AlarmEntry.h"
#include "alarms/AlarmTick.h"
#include "alarms/frmAlarmList.h"
#include "notes/frmNote.h"
#include "platform/Clock.h"
#include "shell/FormRegistry.h"
#include "shell/ProgramContext.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace {

// Nine in the morning; the alarms wait for the evening.
class MorningClock : public Clock
{
public:
    QDateTime now() const override
    {
        return QDateTime(QDate::currentDate(), QTime(9, 0).addSecs(m_start.elapsed() / 1000));
    }

private:
    QElapsedTimer m_start = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
};

double processSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

QString alarmLine(int index, int minute)
{
    AlarmEntry entry;
    entry.Index = index;
    entry.TimeText = QStringLiteral("10:%1 PM").arg(minute % 60, 2, 10, QLatin1Char('0'));
    // Every other one dated, as this version writes them; some repeat.
    if (index % 2 == 0)
        entry.TimeText =
            QDate::currentDate().toString(Qt::ISODate) + QLatin1Char(' ') + entry.TimeText;
    if (index % 4 == 0)
        entry.setRepeatField(QStringLiteral("repeat=weekly"));
    entry.Message = QStringLiteral("Call the garage about the car, ask for Bo");
    entry.Sound = QStringLiteral("/usr/share/pennyquill/sounds/chime.wav");
    // The RTF of a few formatted words, as marking takes it.
    entry.UnmarkedText =
        QStringLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Tahoma;}}"
                       "{\\colortbl ;\\red0\\green0\\blue0;\\red255\\green0\\blue0;}"
                       "\\viewkind4\\uc1\\pard\\cf1\\f0\\fs16 call the \\b garage\\b0  about the "
                       "\\i car\\i0 , and ask for \\cf2 Bo\\cf1\\par}");
    return entry.line();
}

// Runs the event loop for `seconds` and gives the processor share it took (percent of a core).
double idleShare(int seconds)
{
    const double cpu = processSeconds();
    QElapsedTimer wall;
    wall.start();
    QTimer::singleShot(seconds * 1000, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
    return 100.0 * (processSeconds() - cpu) / (static_cast<double>(wall.nsecsElapsed()) / 1e9);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int notes = argc > 1 ? std::max(1, atoi(argv[1])) : 100;
    const int perNote = argc > 2 ? std::max(0, atoi(argv[2])) : 2;
    const int seconds = argc > 3 ? std::max(1, atoi(argv[3])) : 30;
    QTemporaryDir dir;
    ProgramContext program(Folders(dir.path(), dir.path()), dir.path() + QStringLiteral("/auto"));
    MorningClock clock;
    program.ctx.clock = &clock;

    QList<frmNote *> all;
    for (int i = 0; i < notes; ++i) {
        auto *note = new frmNote(program.ctx);
        note->Load();
        note->bolShown = true;
        all.append(note);
    }
    AlarmTick *tick = AlarmTick::attach(program.ctx);

    const double bare = idleShare(seconds);
    for (int i = 0; i < notes; ++i)
        for (int a = 0; a < perNote; ++a)
            all[i]->lstAlarms->addItem(alarmLine(i * perNote + a + 1, i + a));

    const int rounds = 2000;
    // Processor time, not wall time: the machine may be busy with other work.
    const double before = processSeconds();
    for (int round = 0; round < rounds; ++round)
        tick->tmrAlarms_Timer();
    const double tickMicros = (processSeconds() - before) * 1e6 / rounds;
    const double withAlarms = idleShare(seconds);
    QElapsedTimer listTimer;
    listTimer.start();
    frmAlarmList::Open(program.ctx);
    const qint64 listMillis = listTimer.elapsed();

    std::printf("%d notes, %d waiting alarms\n", notes, notes * perNote);
    std::printf("one alarm tick (every note's check): %.1f us = %.4f %% of a core at 1 s\n",
                tickMicros, tickMicros / 1e4);
    std::printf("the alarm list opens in %lld ms\n", static_cast<long long>(listMillis));
    std::printf("idle program over %d s: %.3f %% of a core without alarms, %.3f %% with them\n",
                seconds, bare, withAlarms);
    program.forms.unloadAll();
    return 0;
}
