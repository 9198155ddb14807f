#pragma once

#include "platform/StepTimer.h"

#include <QObject>
#include <QVariantMap>

// Raises Timer every Interval minutes. A plain QTimer could count the whole
// period, but the minute count must survive switching the timer off and on
// and changing the interval, so the control counts whole minutes itself.
//
// The persisted properties are a small map (as the form designer stores them
// per instance) with one entry, "Interval" (default 15, not stored when it is
// the default). Enable is never persisted.
class MinTimer : public QObject
{
    Q_OBJECT
public:
    static constexpr int DefaultInterval = 15;
    static constexpr int MinuteMs = 60000;

    explicit MinTimer(QObject *parent = nullptr);

    // Minutes between two Timer events; any 16-bit value is kept (larger ones
    // are clamped to the 16-bit range). An interval below 1 fires on every
    // minute, like 1.
    int Interval() const { return m_interval; }
    void setInterval(int minutes);

    // Whether the minute timer runs. Switching it off keeps the count, so the
    // next event after switching it on again may come before a full interval.
    bool Enable() const { return tmrInterval.isActive(); }
    void setEnable(bool on);

    // The minutes counted towards the next event (0 before the first tick).
    int Count() const { return m_count; }

    // Interval back to 15, as for a newly placed instance.
    void InitProperties();
    // "Interval" from the stored properties, 15 when absent or not a number.
    void ReadProperties(const QVariantMap &bag);
    // "Interval" into the stored properties; the default is left out.
    void WriteProperties(QVariantMap &bag) const;

    // One minute has passed; tests call this instead of waiting.
    void tmrInterval_Timer();

    StepTimer tmrInterval;

signals:
    void Timer();

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    qint16 m_interval = DefaultInterval;
    qint16 m_count = 0;
};
