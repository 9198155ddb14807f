#include "alarms/AlarmScheduler.h"

namespace {

QDateTime toMinute(const QDateTime &moment)
{
    const QTime time = moment.time();
    return QDateTime(moment.date(), QTime(time.hour(), time.minute()), moment.timeSpec());
}

} // namespace

QList<AlarmScheduler::Due> AlarmScheduler::check(const QStringList &lines, const QDateTime &now,
                                                 const OpenCheck &isOpen)
{
    const QDateTime minute = toMinute(now);
    QList<Due> due;
    for (int i = 0; i < lines.size(); ++i) {
        std::optional<AlarmEntry> entry = AlarmEntry::parse(lines.at(i));
        if (!entry)
            continue;
        bool falls = false;
        if (entry->State == AlarmEntry::Played) {
            falls = isOpen && !isOpen(entry->Index);
        } else if (entry->State == AlarmEntry::InQue) {
            if (const std::optional<QTime> time = AlarmEntry::timeOfDay(entry->TimeText))
                falls = isDue(*entry, *time, minute);
        }
        if (!falls)
            continue;
        m_holds.remove(entry->Index);
        entry->State = AlarmEntry::Played;
        due.append({i, *entry});
    }
    m_lastCheck = minute;
    return due;
}

bool AlarmScheduler::isDue(const AlarmEntry &entry, const QTime &time, const QDateTime &now) const
{
    const auto hold = m_holds.constFind(entry.Index);
    if (hold != m_holds.constEnd() && hold->TimeText == entry.TimeText)
        return now >= hold->Due;
    if (time <= now.time())
        return true;
    // Still ahead today; but a forward jump over midnight may have passed it by.
    if (!m_lastCheck.isValid() || m_lastCheck.date() >= now.date())
        return false;
    return m_lastCheck.date().daysTo(now.date()) > 1 || time > m_lastCheck.time();
}

void AlarmScheduler::holdUntil(int alarmIndex, const QString &timeText, const QDateTime &due)
{
    m_holds.insert(alarmIndex, {timeText, toMinute(due)});
}

QDateTime AlarmScheduler::snoozeTime(const QDateTime &now, int minutes)
{
    return toMinute(now.addSecs(static_cast<qint64>(minutes) * 60));
}
