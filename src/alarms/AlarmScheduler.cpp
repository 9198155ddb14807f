#include "alarms/AlarmScheduler.h"

namespace {

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
    const AlarmWhen::Minute minute = AlarmWhen::Minute::of(now);
    const auto before = [](const AlarmWhen::Minute &a, const AlarmWhen::Minute &b) {
        return a.Date != b.Date ? a.Date < b.Date : a.Time < b.Time;
    };
    if (m_quietUntil.Date.isValid() && m_checked.isSharedWith(lines) &&
        minute.Date == m_lastCheck.Date && !before(minute, m_lastCheck) &&
        before(minute, m_quietUntil)) {
        m_lastCheck = minute;
        return {};
    }
    // Quiet until the next day at most: the date changing asks for a full check.
    AlarmWhen::Minute quiet{minute.Date.addDays(1), QTime(0, 0)};
    QList<Due> due;
    for (int i = 0; i < lines.size(); ++i) {
        Fields fields;
        if (!readFields(lines.at(i), fields))
            continue;
        bool falls = false;
        std::optional<AlarmWhen> when;
        if (fields.State == AlarmEntry::Played) {
            falls = isOpen && !isOpen(fields.Index);
            quiet = {}; // its alert may close at any tick
        } else if (fields.State == AlarmEntry::InQue) {
            when = whenOf(fields.TimeText);
            falls = when && when->isDue(minute, m_lastCheck);
            const AlarmWhen::Minute at{when && when->Date.isValid() ? when->Date : minute.Date,
                                       when ? when->Time : QTime()};
            if (when && !falls && quiet.Date.isValid() && before(at, quiet))
                quiet = at;
        }
        if (!falls)
            continue;
        std::optional<AlarmEntry> entry = AlarmEntry::parse(lines.at(i));
        if (!entry)
            continue;
        entry->State = AlarmEntry::Played;
        due.append({i, *entry, when ? when->missed(now) : QString()});
    }
    m_lastCheck = minute;
    // Due entries change the list, and the next check reads it whole again.
    m_checked = lines;
    m_quietUntil = due.isEmpty() ? quiet : AlarmWhen::Minute();
    return due;
}

std::optional<AlarmWhen> AlarmScheduler::whenOf(QStringView timeText)
{
    // The same few time texts are read every second; the repeat plays no
    // part in whether an entry is due.
    const auto known = m_times.constFind(timeText.toString());
    if (known != m_times.constEnd())
        return *known;
    if (m_times.size() > 1024)
        m_times.clear();
    const std::optional<AlarmWhen> when = AlarmWhen::read(timeText);
    m_times.insert(timeText.toString(), when);
    return when;
}
