#include "alarms/ReminderRequest.h"

#include "alarms/AlarmEntry.h"
#include "alarms/AlarmWhen.h"

#include <QLocale>
#include <QRegularExpression>

namespace {

// The day named, or an invalid date with `error` set.
QDate readDay(const QString &day, const QTime &time, const QDateTime &now, QString &error)
{
    const QString word = day.trimmed().toLower();
    const QDate today = now.date();
    if (word == QLatin1String("today"))
        return today;
    if (word == QLatin1String("tomorrow"))
        return today.addDays(1);
    for (int weekday = 1; weekday <= 7; ++weekday) {
        if (word != QLocale::c().dayName(weekday).toLower())
            continue;
        QDate date = today.addDays((weekday - today.dayOfWeek() + 7) % 7);
        if (date == today && time < QTime(now.time().hour(), now.time().minute()))
            date = date.addDays(7);
        return date;
    }
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$"));
    const QRegularExpressionMatch m = iso.match(word);
    const QDate date =
        m.hasMatch() ? QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt())
                     : QDate();
    if (!date.isValid())
        error = ReminderRequest::tr("'%1' is not a date (today, tomorrow, a weekday or YYYY-MM-DD)")
                    .arg(day);
    else if (date.year() > today.year() + 100)
        error = ReminderRequest::tr("'%1' is too far ahead").arg(day);
    return date;
}

} // namespace

ReminderRequest ReminderRequest::read(const QString &text, const QString &time, const QString &day,
                                      const QString &repeat, const QDateTime &now)
{
    ReminderRequest request;
    request.Text = text;
    const std::optional<QTime> at = AlarmEntry::timeOfDay(time);
    const std::optional<AlarmWhen::Repeat> repeats =
        AlarmWhen::repeatFromName(repeat.isEmpty() ? QStringLiteral("once") : repeat.trimmed());
    const QTime minute(now.time().hour(), now.time().minute());
    if (text.trimmed().isEmpty()) {
        request.Error = tr("the note's text is empty");
    } else if (!AlarmEntry::reservedIn(text).isEmpty()) {
        request.Error = tr("the text cannot contain \"%1\"").arg(AlarmEntry::reservedIn(text));
    } else if (!at) {
        request.Error = tr("'%1' is not a time (HH:MM, or H:MM AM/PM)").arg(time);
    } else if (!repeats) {
        request.Error = tr("'%1' is not a repeat (once, daily, weekdays or weekly)").arg(repeat);
    }
    if (!request.Error.isEmpty())
        return request;

    QDate date = day.isEmpty() ? now.date().addDays(*at < minute ? 1 : 0)
                               : readDay(day, *at, now, request.Error);
    if (!request.Error.isEmpty())
        return request;
    if (date < now.date() || (date == now.date() && *at < minute)) {
        request.Error = tr("%1 is in the past").arg(AlarmWhen::describe(date, *at, now.date()));
        return request;
    }
    AlarmWhen when;
    when.Repeats = *repeats;
    when.Date = when.RepeatDate = AlarmWhen::firstDay(date, *repeats);
    when.Time = when.RepeatTime = *at;
    request.TimeText = when.timeText();
    request.RepeatField = when.repeatField();
    return request;
}

ReminderRequest ReminderRequest::readWhen(const QString &text, const QString &when,
                                          const QString &repeat, const QDateTime &now)
{
    // The time is the last word, or the last two with AM/PM.
    QStringList words = when.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const bool ampm = words.size() >= 2 &&
                      AlarmEntry::timeOfDay(words.mid(words.size() - 2).join(QLatin1Char(' ')));
    const int timeWords = std::min<int>(int(words.size()), ampm ? 2 : 1);
    const QString time = words.mid(words.size() - timeWords).join(QLatin1Char(' '));
    words.resize(words.size() - timeWords);
    return read(text, time, words.join(QLatin1Char(' ')), repeat, now);
}
