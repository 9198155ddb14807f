#pragma once

#include <QObject>
#include <QTimer>

struct AppContext;

// The one-second tick of the alarm check. One timer for the whole program
// runs every note's check in load order (each note keeps and checks its own
// list), so a hundred idle notes cost one wake-up a second, not a hundred.
class AlarmTick : public QObject
{
    Q_OBJECT
public:
    // The program's tick, started on the first call.
    static AlarmTick *attach(AppContext &ctx);

    QTimer tmrAlarms;
    void tmrAlarms_Timer();

private:
    explicit AlarmTick(AppContext &ctx);

    AppContext &m_ctx;
};
