#include "alarms/AlarmWhen.h"

#include "alarms/AlarmEntry.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

namespace {

const QString DateFormat = QStringLiteral("yyyy-MM-dd");
const QString AtFormat = QStringLiteral("yyyy-MM-dd HH:mm");
const QString RepeatKey = QStringLiteral("repeat");
const QString AtKey = QStringLiteral("at");

// A wall-clock moment in minutes, for comparing.
qint64 wallMinutes(const QDate &date, const QTime &time)
{
    return date.toJulianDay() * 1440 + time.hour() * 60 + time.minute();
}

bool isWeekday(const QDate &day)
{
    return day.dayOfWeek() <= 5;
}

} // namespace

std::optional<AlarmWhen> AlarmWhen::read(QStringView timeText, QStringView repeatField)
{
    static const QRegularExpression dated(
        QStringLiteral("^\\s*(\\d{4})-(\\d{1,2})-(\\d{1,2})\\s+(.*)$"));
    AlarmWhen when;
    const QRegularExpressionMatch m = dated.match(timeText.toString());
    const QString timeOfDay = m.hasMatch() ? m.captured(4) : timeText.toString();
    if (m.hasMatch()) {
        when.Date = QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
        if (!when.Date.isValid())
            return std::nullopt; // February 30: left waiting, never taken for another day
    }
    const std::optional<QTime> time = AlarmEntry::timeOfDay(timeOfDay);
    if (!time)
        return std::nullopt;
    when.Time = *time;

    for (const QStringView pair : repeatField.split(QLatin1Char(';'))) {
        const qsizetype eq = pair.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        const QStringView key = pair.left(eq).trimmed();
        const QStringView value = pair.mid(eq + 1).trimmed();
        if (key == RepeatKey) {
            when.Repeats = repeatFromName(value).value_or(Repeat::Once);
        } else if (key == AtKey) {
            const QDateTime at = QDateTime::fromString(value.toString(), AtFormat);
            when.RepeatDate = at.date();
            when.RepeatTime = at.time();
        }
    }
    if (when.Repeats != Repeat::Once && !when.RepeatDate.isValid()) {
        // Counted from the entry's own moment (today for a time of day alone).
        when.RepeatDate = when.Date;
        when.RepeatTime = when.Time;
    }
    return when;
}

QString AlarmWhen::timeText(const QDate &date, const QString &timeOfDay)
{
    return date.isValid() ? date.toString(DateFormat) + QLatin1Char(' ') + timeOfDay : timeOfDay;
}

QString AlarmWhen::timeText() const
{
    return timeText(Date, AlarmEntry::formatTime(Time));
}

QString AlarmWhen::repeatField(QStringView previous) const
{
    QStringList pairs;
    if (Repeats != Repeat::Once) {
        pairs << RepeatKey + QLatin1Char('=') + repeatName(Repeats);
        if (RepeatDate.isValid())
            pairs << AtKey + QLatin1Char('=') +
                         QDateTime(RepeatDate, RepeatTime).toString(AtFormat);
    }
    for (const QStringView pair : previous.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringView key = pair.left(pair.indexOf(QLatin1Char('='))).trimmed();
        if (key != RepeatKey && key != AtKey)
            pairs << pair.toString();
    }
    return pairs.join(QLatin1Char(';'));
}

AlarmWhen::Minute AlarmWhen::Minute::of(const QDateTime &moment)
{
    if (!moment.isValid())
        return {};
    const QTime time = moment.time();
    return {moment.date(), QTime(time.hour(), time.minute())};
}

bool AlarmWhen::isDue(const Minute &now, const Minute &lastCheck) const
{
    if (Date.isValid())
        return Date < now.Date || (Date == now.Date && Time <= now.Time);
    if (Time <= now.Time)
        return true;
    // Still ahead today; but a forward jump over midnight may have passed it by.
    if (!lastCheck.Date.isValid() || lastCheck.Date >= now.Date)
        return false;
    return lastCheck.Date.daysTo(now.Date) > 1 || Time > lastCheck.Time;
}

QDateTime AlarmWhen::dueMoment(const QDateTime &now) const
{
    if (Date.isValid())
        return QDateTime(Date, Time);
    const QTime minute(now.time().hour(), now.time().minute());
    return QDateTime(Time <= minute ? now.date() : now.date().addDays(-1), Time);
}

QString AlarmWhen::missed(const QDateTime &now) const
{
    const QDateTime due = dueMoment(now);
    // Counted in real time, in the clock's own zone: a moment in the hour
    // that daylight saving skips is on time at the first minute after it.
    QDateTime real = now;
    real.setDate(due.date());
    real.setTime(due.time());
    if (real.secsTo(now) < 120)
        return {};
    return tr("missed: ") + describe(due.date(), due.time(), now.date());
}

QDateTime AlarmWhen::nextDue(const QDateTime &now) const
{
    return QDateTime(Date.isValid() ? Date : now.date(), Time);
}

AlarmWhen AlarmWhen::snoozed(const QDateTime &now, int minutes) const
{
    const QDateTime then = now.addSecs(qint64(minutes) * 60);
    AlarmWhen result = *this;
    result.Date = !Date.isValid() && then.date() == now.date() ? QDate() : then.date();
    result.Time = QTime(then.time().hour(), then.time().minute());
    return result;
}

std::optional<AlarmWhen> AlarmWhen::next(const QDateTime &now) const
{
    if (Repeats == Repeat::Once)
        return std::nullopt;
    const QTime time = RepeatTime.isValid() ? RepeatTime : Time;
    QDate day = RepeatDate.isValid() ? RepeatDate : now.date();
    const qint64 nowMinutes = wallMinutes(now.date(), now.time());
    // Missed many times (a week away): straight to the days around now.
    if (day.daysTo(now.date()) > 7)
        day = day.addDays(day.daysTo(now.date()) / 7 * 7 - 7);
    do {
        day = Repeats == Repeat::Weekly ? day.addDays(7) : firstDay(day.addDays(1), Repeats);
    } while (wallMinutes(day, time) <= nowMinutes);
    AlarmWhen result = *this;
    result.Date = result.RepeatDate = day;
    result.Time = result.RepeatTime = time;
    return result;
}

QDate AlarmWhen::firstDay(const QDate &day, Repeat repeat)
{
    QDate first = day;
    while (repeat == Repeat::Weekdays && !isWeekday(first))
        first = first.addDays(1);
    return first;
}

QString AlarmWhen::describe(const QDate &date, const QTime &time, const QDate &today)
{
    const QString at = AlarmEntry::formatTime(time);
    if (!date.isValid() || date == today)
        return at;
    if (date == today.addDays(1))
        return at + tr(" tomorrow");
    if (date == today.addDays(-1))
        return at + tr(" yesterday");
    const QString format = date.year() == today.year() ? QStringLiteral("ddd d MMM")
                                                       : QStringLiteral("ddd d MMM yyyy");
    return at + tr(" on ") + QLocale().toString(date, format);
}

QString AlarmWhen::spoken(const AlarmEntry &entry, const QDate &today)
{
    const std::optional<AlarmWhen> when = read(entry.TimeText, entry.repeatField());
    if (!when)
        return entry.TimeText;
    const QString at =
        when->Date.isValid() ? describe(when->Date, when->Time, today) : entry.TimeText;
    return when->Repeats == Repeat::Once ? at : at + QStringLiteral(", ") + when->repeatText();
}

QString AlarmWhen::repeatText() const
{
    switch (Repeats) {
    case Repeat::Daily:
        return tr("every day");
    case Repeat::Weekdays:
        return tr("every weekday");
    case Repeat::Weekly:
        return tr("every %1")
            .arg(QLocale().dayName((RepeatDate.isValid() ? RepeatDate : Date).dayOfWeek()));
    case Repeat::Once:
        break;
    }
    return {};
}

QString AlarmWhen::repeatName(Repeat repeat)
{
    switch (repeat) {
    case Repeat::Daily:
        return QStringLiteral("daily");
    case Repeat::Weekdays:
        return QStringLiteral("weekdays");
    case Repeat::Weekly:
        return QStringLiteral("weekly");
    case Repeat::Once:
        break;
    }
    return QStringLiteral("once");
}

std::optional<AlarmWhen::Repeat> AlarmWhen::repeatFromName(QStringView name)
{
    for (const Repeat repeat : {Repeat::Once, Repeat::Daily, Repeat::Weekdays, Repeat::Weekly})
        if (name.compare(repeatName(repeat), Qt::CaseInsensitive) == 0)
            return repeat;
    return std::nullopt;
}
