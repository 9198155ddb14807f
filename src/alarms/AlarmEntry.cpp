#include "alarms/AlarmEntry.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

// Written inside the RTF field in place of "<" or "[" where a reserved sequence
// would start: RTF reads the hex escape as the same character.
const QString RtfLess = QStringLiteral("\\'3c");
const QString RtfBracket = QStringLiteral("\\'5b");

} // namespace

std::optional<AlarmEntry> AlarmEntry::parse(const QString &line)
{
    const QStringList fields = line.split(Splitter);
    if (fields.size() < 6)
        return std::nullopt;
    bool ok = false;
    AlarmEntry entry;
    entry.Index = fields.at(0).trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    entry.TimeText = fields.at(1);
    entry.Message = fields.at(2);
    entry.Sound = fields.at(3);
    entry.State = fields.at(4);
    entry.UnmarkedText = fields.at(5);
    entry.Extra = fields.mid(6);
    return entry;
}

QString AlarmEntry::line() const
{
    QString rtf = UnmarkedText;
    rtf.replace(Splitter, RtfLess + Splitter.mid(1));
    rtf.replace(QStringLiteral("<alertsplitter>"), RtfLess + QStringLiteral("alertsplitter>"));
    rtf.replace(QStringLiteral("[CRLF]"), RtfBracket + QStringLiteral("CRLF]"));
    return (QStringList{QString::number(Index), TimeText, Message, Sound, State, rtf} + Extra)
        .join(Splitter);
}

void AlarmEntry::setRepeatField(const QString &field)
{
    if (Extra.isEmpty() && field.isEmpty())
        return; // a one-off alarm keeps the six fields older readers expect
    if (Extra.isEmpty())
        Extra.append(field);
    else
        Extra[0] = field;
}

QString AlarmEntry::reservedIn(const QString &text)
{
    for (const QString &reserved :
         {Splitter, QStringLiteral("<alertsplitter>"), QStringLiteral("[CRLF]")}) {
        if (text.contains(reserved, Qt::CaseInsensitive))
            return reserved;
    }
    return {};
}

std::optional<QTime> AlarmEntry::timeOfDay(const QString &text)
{
    static const QRegularExpression form(
        QStringLiteral("^\\s*(\\d{1,2})\\s*:\\s*(\\d{1,2})(?:\\s*:\\s*(\\d{1,2}))?"
                       "\\s*(?:([AaPp])\\.?[Mm]\\.?)?\\s*$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    int hour = m.captured(1).toInt();
    const int minute = m.captured(2).toInt();
    const int second = m.captured(3).isEmpty() ? 0 : m.captured(3).toInt();
    if (minute > 59 || second > 59)
        return std::nullopt;
    if (m.captured(4).isEmpty()) // a 24-hour time, as the date reader takes it too
        return hour < 24 ? std::optional<QTime>(QTime(hour, minute, second)) : std::nullopt;
    if (hour < 1 || hour > 12)
        return std::nullopt;
    const bool pm = m.captured(4).compare(QStringLiteral("p"), Qt::CaseInsensitive) == 0;
    return QTime(hour % 12 + (pm ? 12 : 0), minute, second);
}

QString AlarmEntry::formatTime(const QTime &time)
{
    const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    return QStringLiteral("%1:%2 %3")
        .arg(hour12, 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
}
