#pragma once

#include <QString>
#include <QStringList>
#include <QTime>
#include <optional>

// One alarm of a note, as the note's hidden alarm list holds it: six fields
// joined by "<splitter>" (index, time text, message, sound, state, and the
// RTF of the marked text as it was before marking). This is the only place
// that reads or writes that line.
class AlarmEntry
{
public:
    static inline const QString Splitter = QStringLiteral("<splitter>");
    static inline const QString SystemBeep = QStringLiteral("system beep");
    static inline const QString InQue = QStringLiteral("in que");
    static inline const QString Played = QStringLiteral("played");

    int Index = 0;
    QString TimeText;
    QString Message;
    QString Sound;
    QString State = InQue;
    QString UnmarkedText;
    // Fields after the sixth, kept as read: the seventh is the repeat
    // (AlarmWhen); later ones come from newer versions.
    QStringList Extra;

    // Reads a list line; empty when it has fewer than six fields or an index
    // that is not a number. Fields after the sixth go to Extra and are
    // written back unchanged.
    static std::optional<AlarmEntry> parse(const QString &line);
    // The list line. The RTF field is written so that it cannot hold a
    // reserved sequence (it stays the same RTF); the other fields must be
    // free of them already (see reservedIn).
    QString line() const;

    // The first reserved sequence ("<splitter>", "<alertsplitter>", "[CRLF]")
    // that a user-given text holds, or empty: such text cannot be stored.
    static QString reservedIn(const QString &text);

    // Reads a time text such as "10:30 PM", "2:5 AM" or "02:35 PM" as a time
    // of day on the 12-hour clock (12 AM is midnight), or without AM/PM on the
    // 24-hour clock; empty when it is not one.
    static std::optional<QTime> timeOfDay(const QString &text);
    // "hh:mm AM" form with two-digit hour and minute, as a snooze writes it.
    static QString formatTime(const QTime &time);

    bool isPlayed() const { return State == Played; }
    // The seventh field, the repeat; empty for a one-off alarm.
    QString repeatField() const { return Extra.value(0); }
    void setRepeatField(const QString &field);
};
