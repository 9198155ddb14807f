#include "alarms/AlarmScheduler.h"

namespace {

// Local date-times are slow to take apart; the check reads date and time once.
AlarmScheduler::Minute toMinute(const QDateTime &moment)
{
    const QTime time = moment.time();
    return {moment.date(), QTime(time.hour(), time.minute())};
}

// The fields the check reads, found without copying the line: the RTF, by
// far the longest field, comes last and is never scanned.
struct Fields
{
    int Index = 0;
    QStringView TimeText;
    QStringView State;
};

bool readFields(const QString &line, Fields &fields)
{
    QStringView parts[5];
    qsizetype from = 0;
    for (QStringView &part : parts) {
        const qsizetype at = line.indexOf(AlarmEntry::Splitter, from);
        if (at < 0)
            return false; // fewer than six fields
        part = QStringView(line).mid(from, at - from);
        from = at + AlarmEntry::Splitter.size();
    }
    bool ok = false;
    fields.Index = parts[0].trimmed().toInt(&ok);
    fields.TimeText = parts[1];
    fields.State = parts[4];
    return ok;
}

} // namespace

QList<AlarmScheduler::Due> AlarmScheduler::check(const QStringList &lines, const QDateTime &now,
                                                 const OpenCheck &isOpen)
{
    const Minute minute = toMinute(now);
    QList<Due> due;
    for (int i = 0; i < lines.size(); ++i) {
        Fields fields;
        if (!readFields(lines.at(i), fields))
            continue;
        bool falls = false;
        if (fields.State == AlarmEntry::Played) {
            falls = isOpen && !isOpen(fields.Index);
        } else if (fields.State == AlarmEntry::InQue) {
            if (const std::optional<QTime> time = timeOf(fields.TimeText))
                falls = isDue(fields.Index, fields.TimeText, *time, minute);
        }
        if (!falls)
            continue;
        std::optional<AlarmEntry> entry = AlarmEntry::parse(lines.at(i));
        if (!entry)
            continue;
        m_holds.remove(entry->Index);
        entry->State = AlarmEntry::Played;
        due.append({i, *entry});
    }
    m_lastCheck = minute;
    return due;
}

std::optional<QTime> AlarmScheduler::timeOf(QStringView timeText)
{
    // The same few time texts are read every second.
    const auto known = m_times.constFind(timeText.toString());
    if (known != m_times.constEnd())
        return *known;
    if (m_times.size() > 1024)
        m_times.clear();
    const std::optional<QTime> time = AlarmEntry::timeOfDay(timeText.toString());
    m_times.insert(timeText.toString(), time);
    return time;
}

bool AlarmScheduler::isDue(int index, QStringView timeText, const QTime &time,
                           const Minute &now) const
{
    const auto hold = m_holds.constFind(index);
    if (hold != m_holds.constEnd() && hold->TimeText == timeText)
        return now >= hold->Due;
    if (time <= now.Time)
        return true;
    // Still ahead today; but a forward jump over midnight may have passed it by.
    if (!m_lastCheck.Date.isValid() || m_lastCheck.Date >= now.Date)
        return false;
    return m_lastCheck.Date.daysTo(now.Date) > 1 || time > m_lastCheck.Time;
}

void AlarmScheduler::holdUntil(int alarmIndex, const QString &timeText, const QDateTime &due)
{
    m_holds.insert(alarmIndex, {timeText, toMinute(due)});
}

QDateTime AlarmScheduler::snoozeTime(const QDateTime &now, int minutes)
{
    const Minute due = toMinute(now.addSecs(static_cast<qint64>(minutes) * 60));
    return QDateTime(due.Date, due.Time, now.timeSpec());
}
