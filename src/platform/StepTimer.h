#pragma once

#include <QBasicTimer>

class QObject;

// A repeating timer that its owner's timerEvent dispatches: an interval and a timer id,
// with no object or connection of its own. A note carries half a dozen of these, and a
// QTimer each would cost a heap object and a connection for every note on the desktop.
class StepTimer
{
public:
    StepTimer(QObject *owner, int intervalMs) : m_owner(owner), m_interval(intervalMs) {}

    void start() { m_timer.start(m_interval, m_owner); }
    void stop() { m_timer.stop(); }
    bool isActive() const { return m_timer.isActive(); }
    int interval() const { return m_interval; }
    // A running timer takes the new interval at once, as a QTimer does.
    void setInterval(int ms)
    {
        m_interval = ms;
        if (isActive())
            start();
    }
    // Whether a timer event of the owner is this timer's.
    bool fired(int timerId) const { return m_timer.isActive() && m_timer.timerId() == timerId; }

private:
    QBasicTimer m_timer;
    QObject *m_owner;
    int m_interval;
};
