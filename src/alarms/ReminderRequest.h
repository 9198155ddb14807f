#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

// A note with an alarm on all of its text, asked for from outside: the
// command line (`--new TEXT --alarm 09:30 [--date ...] [--repeat ...]`) or the
// session bus (AddReminder). Reads the time, the day and the repeat against
// the current moment; a wrong one gives a one-line error.
//
// Times: "09:30" (24-hour) or "9:30 PM". Days: "today", "tomorrow", a weekday
// ("monday": the next one, today included while the time is still ahead) or
// "YYYY-MM-DD". Without a day, the next time the clock shows that time
// (today, or tomorrow once it has passed). Repeats: "once", "daily",
// "weekdays", "weekly".
class ReminderRequest
{
    Q_DECLARE_TR_FUNCTIONS(ReminderRequest)

public:
    QString Text;
    QString TimeText;    // the entry's time text, dated
    QString RepeatField; // the entry's seventh field; empty for a one-off alarm
    QString Error;       // empty when the request can be carried out

    bool isValid() const { return Error.isEmpty(); }

    static ReminderRequest read(const QString &text, const QString &time, const QString &day,
                                const QString &repeat, const QDateTime &now);
    // `when` is the time, or the day and the time with a space between
    // ("tomorrow 09:30", "2026-12-14 9:30 PM").
    static ReminderRequest readWhen(const QString &text, const QString &when, const QString &repeat,
                                    const QDateTime &now);
};
