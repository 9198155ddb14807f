#pragma once

#include "alarms/ReminderRequest.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

class QCommandLineOption;
class QCommandLineParser;

// What the notes program was asked on its command line: its help, its
// version, or a normal start with an optional skin file. Anything else that
// looks like an option is refused with a one-line message; the window
// system's own options (-platform, -style ...) are left for Qt to take.
class CommandLine
{
public:
    enum class Action { Run, Help, Version, Fail };

    // The program's arguments, the program's own name first; `now` reads the
    // reminder's time and day.
    explicit CommandLine(const QStringList &arguments,
                         const QDateTime &now = QDateTime::currentDateTime());

    Action action() const { return m_action; }
    // The help text, the version line or the error line, ending in a line break.
    QString output() const { return m_output; }
    // The skin file to install at start, cleaned as Startup::CleanCommandLine does.
    QString skinPath() const { return m_skinPath; }
    // The exit status that goes with the action.
    int exitCode() const { return m_action == Action::Fail ? 2 : 0; }
    // `--new TEXT --alarm TIME [--date DAY] [--repeat REPEAT]`: a note with an
    // alarm on its text (ReminderRequest says what the values may be).
    const std::optional<ReminderRequest> &reminder() const { return m_reminder; }

private:
    void readReminder(const QCommandLineParser &parser, const QCommandLineOption &newText,
                      const QList<QCommandLineOption> &alarm, const QDateTime &now);

    Action m_action = Action::Run;
    QString m_output;
    QString m_skinPath;
    std::optional<ReminderRequest> m_reminder;
};
