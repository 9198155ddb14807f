#pragma once

#include "alarms/AlarmEntry.h"
#include "alarms/AlarmWhen.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QStringList>
#include <functional>

// The due check of one note's alarm list, run once a second. An entry falls
// due when it waits ("in que") and AlarmWhen's rule says its moment has come:
// a dated entry at its date and time (or at the first check after it, when
// the program was off or the machine asleep), a time-of-day entry as the
// classic rule has it. The check remembers its last run, so a forward jump of
// the clock over midnight lets time-of-day entries that it passed by fall
// due once. Entries left "played" with no alert window open for them
// (restored from a session saved while their alert was open) fall due again.
// Lines that cannot be read are skipped and left as they are.
class AlarmScheduler
{
public:
    struct Due
    {
        int ListIndex = 0;
        AlarmEntry Entry; // already "played"; its line goes back at ListIndex
        QString Missed;   // "missed: 09:30 AM yesterday", or empty when on time
    };
    // Whether an alert window for this alarm index is open.
    using OpenCheck = std::function<bool(int alarmIndex)>;

    // One check at `now` over the note's lines, in list order.
    QList<Due> check(const QStringList &lines, const QDateTime &now, const OpenCheck &isOpen);

    // The check of an empty list: nothing to read, not even the clock, and
    // no clock jump to carry over to entries added later.
    void checkEmpty() { m_lastCheck = {}; }

private:
    std::optional<AlarmWhen> whenOf(QStringView timeText);

    AlarmWhen::Minute m_lastCheck; // invalid before the first check
    // The lines of the last full check, and the first minute at which one of
    // them can fall due (invalid: any tick may). While the list is unchanged
    // and the clock runs on within the day, ticks before it have nothing to do.
    QStringList m_checked;
    AlarmWhen::Minute m_quietUntil;
    QHash<QString, std::optional<AlarmWhen>> m_times;
};
