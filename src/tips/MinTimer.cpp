#include "tips/MinTimer.h"

#include <QTimerEvent>

#include <algorithm>
#include <limits>

namespace {
const QString IntervalKey = QStringLiteral("Interval");

qint16 toInt16(long long value)
{
    return static_cast<qint16>(std::clamp<long long>(value, std::numeric_limits<qint16>::min(),
                                                     std::numeric_limits<qint16>::max()));
}
} // namespace

MinTimer::MinTimer(QObject *parent) : QObject(parent), tmrInterval(this, MinuteMs)
{
    tmrInterval.start();
}

void MinTimer::timerEvent(QTimerEvent *event)
{
    if (tmrInterval.fired(event->timerId()))
        tmrInterval_Timer();
    else
        QObject::timerEvent(event);
}

void MinTimer::setInterval(int minutes)
{
    m_interval = toInt16(minutes);
}

void MinTimer::setEnable(bool on)
{
    if (on == tmrInterval.isActive())
        return;
    if (on)
        tmrInterval.start();
    else
        tmrInterval.stop();
}

void MinTimer::InitProperties()
{
    m_interval = DefaultInterval;
}

void MinTimer::ReadProperties(const QVariantMap &bag)
{
    bool ok = false;
    const long long stored = bag.value(IntervalKey).toLongLong(&ok);
    m_interval = ok ? toInt16(stored) : qint16(DefaultInterval);
}

void MinTimer::WriteProperties(QVariantMap &bag) const
{
    if (m_interval == DefaultInterval)
        bag.remove(IntervalKey);
    else
        bag.insert(IntervalKey, int(m_interval));
}

void MinTimer::tmrInterval_Timer()
{
    if (m_count == 0)
        m_count = 1;
    // The interval is read afresh, so a lowered interval fires at the next tick
    // once the count has passed it.
    if (m_count >= m_interval) {
        // The handler runs before the count restarts, as the user would see it:
        // the next period begins after the tip has been chosen.
        emit Timer();
        m_count = 1;
    } else {
        ++m_count;
    }
}
