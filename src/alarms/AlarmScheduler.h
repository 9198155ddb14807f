#pragma once

#include "alarms/AlarmEntry.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QStringList>
#include <functional>

// The due check of one note's alarm list, run once a second. An entry falls
// due when it waits ("in que") and its time of day has come, seconds dropped.
// Only times of day are compared, so an entry left over from an earlier day
// whose time is past falls due at the first check, while one whose time is
// still ahead waits for it. Besides that the check remembers, for this run:
// - snoozes: an entry snoozed past midnight waits for that moment on the
//   next day, though its stored time text reads earlier than now;
// - the last check: when the clock jumps forward past midnight (suspend and
//   resume, a clock change), entries whose time was passed over fall due at
//   the first check after the jump, once;
// - entries left "played" with no alert window open for them (restored from
//   a session saved while their alert was open) fall due again.
// Lines that cannot be read are skipped and left as they are.
class AlarmScheduler
{
public:
    struct Due
    {
        int ListIndex = 0;
        AlarmEntry Entry; // already "played"; its line goes back at ListIndex
    };
    // Whether an alert window for this alarm index is open.
    using OpenCheck = std::function<bool(int alarmIndex)>;

    // One check at `now` over the note's lines, in list order.
    QList<Due> check(const QStringList &lines, const QDateTime &now, const OpenCheck &isOpen);

    // The check of an empty list: nothing to read, not even the clock, and
    // no clock jump to carry over to entries added later.
    void checkEmpty() { m_lastCheck = {}; }

    // A snooze rewrote the entry to `timeText`; it falls due at `due`.
    void holdUntil(int alarmIndex, const QString &timeText, const QDateTime &due);
    // The moment a snooze of `minutes` made at `now` falls due, seconds dropped.
    static QDateTime snoozeTime(const QDateTime &now, int minutes);

    // A moment to the minute.
    struct Minute
    {
        QDate Date;
        QTime Time;
        bool operator>=(const Minute &other) const
        {
            return Date != other.Date ? Date > other.Date : Time >= other.Time;
        }
    };

private:
    struct Hold
    {
        QString TimeText;
        Minute Due;
    };
    bool isDue(int index, QStringView timeText, const QTime &time, const Minute &now) const;
    std::optional<QTime> timeOf(QStringView timeText);

    Minute m_lastCheck; // invalid before the first check
    QHash<int, Hold> m_holds;
    QHash<QString, std::optional<QTime>> m_times;
};
