#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <optional>

class AlarmEntry;

// When an alarm falls due, read from its entry: the time text (the second
// field), either a date and a time of day ("2026-12-14 09:30 AM") or, as
// earlier versions and the classic program write it, a time of day alone; and
// the repeat, in an optional seventh field ("repeat=weekly;at=2026-12-14 09:30").
//
// The due rule compares wall-clock dates and times: an alarm at 09:00 falls
// due at 09:00 local time on both sides of a daylight-saving change, and a
// moment passed while the program was not running or the machine slept falls
// due at the first check after it, once. Time-of-day entries keep their old
// meaning: due once their time of day has come today, or when a forward jump
// of the clock over midnight passed it by.
class AlarmWhen
{
    Q_DECLARE_TR_FUNCTIONS(AlarmWhen)

public:
    enum class Repeat { Once, Daily, Weekdays, Weekly };

    QDate Date; // empty: a time of day only
    QTime Time;
    Repeat Repeats = Repeat::Once;
    // The occurrence the repeat counts from (day and time of day); a snooze
    // moves Date and Time but not this.
    QDate RepeatDate;
    QTime RepeatTime;

    // Empty when the time text is not a time, or its date is not a date
    // (such an entry waits and is kept as it is). An unreadable repeat field
    // reads as a one-off alarm.
    static std::optional<AlarmWhen> read(QStringView timeText, QStringView repeatField = {});

    // A time text for the entry: the date (when there is one) and the time
    // of day as given (kept exactly as the dialog's boxes built it).
    static QString timeText(const QDate &date, const QString &timeOfDay);
    // The time text of Date and Time, as a snooze or the next repeat writes it.
    QString timeText() const;
    // The seventh field for this repeat (empty for a one-off alarm); keys of
    // `previous` that this version does not know are kept.
    QString repeatField(QStringView previous = {}) const;

    // A wall-clock moment to the minute, taken apart once per check.
    struct Minute
    {
        QDate Date; // invalid: no moment
        QTime Time;
        static Minute of(const QDateTime &moment);
    };

    // Whether the alarm is due at `now`; `lastCheck` is the previous check
    // (invalid for the first), which tells a clock jump over midnight.
    bool isDue(const Minute &now, const Minute &lastCheck) const;
    bool isDue(const QDateTime &now, const QDateTime &lastCheck = {}) const
    {
        return isDue(Minute::of(now), Minute::of(lastCheck));
    }
    // The wall-clock moment it fell due for, when isDue says so.
    QDateTime dueMoment(const QDateTime &now) const;
    // "missed: 09:30 AM yesterday" when that moment is two minutes or more
    // before now (the program was off, or the machine asleep); else empty.
    QString missed(const QDateTime &now) const;
    // When it is next due, for showing and sorting: a time of day alone
    // counts as today.
    QDateTime nextDue(const QDateTime &now) const;

    // A snooze of `minutes` from `now`, seconds dropped. A time-of-day entry
    // stays one while the snooze ends on the same day.
    AlarmWhen snoozed(const QDateTime &now, int minutes) const;
    // After Dismiss: the first occurrence of the repeat after now; empty for
    // a one-off alarm.
    std::optional<AlarmWhen> next(const QDateTime &now) const;
    // The first day on or after `day` that the repeat falls on.
    static QDate firstDay(const QDate &day, Repeat repeat);

    // "09:30 AM", "09:30 AM tomorrow", "09:30 AM yesterday", "09:30 AM on Mon 14 Dec".
    static QString describe(const QDate &date, const QTime &time, const QDate &today);
    // When an entry falls due, in words for the note's message line: the time
    // text as stored for a time of day alone, else describe(), then the repeat
    // ("09:30 AM on Mon 14 Dec, every Monday").
    static QString spoken(const AlarmEntry &entry, const QDate &today);
    // Words for the repeat: "", "every day", "every weekday", "every Monday".
    QString repeatText() const;
    // The repeat's keyword ("daily", "weekdays", "weekly"; "once"), and back.
    static QString repeatName(Repeat repeat);
    static std::optional<Repeat> repeatFromName(QStringView name);
};
