#pragma once

#include "alarms/ReminderRequest.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class QCommandLineParser;

// What the notes program was asked on its command line: its help, its
// version, or a normal start with an optional skin file and commands for the
// running copy (new note, show, hide, toggle, quit). Anything else that
// looks like an option is refused with a one-line message; the window
// system's own options (-platform, -style ...) are left for Qt to take.
//
// The commands go to the running copy as one message (encode/decode), so a
// later start, a first start and a desktop shortcut all ask the same way.
// A new option is one row of the option table in CommandLine.cpp and, when it
// asks something new, one Command::Kind that the runner carries out.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum class Action { Run, Help, Version, Fail };

    struct Command
    {
        enum class Kind {
            Show,     // show every note
            New,      // a new note; text: its plain text (may be empty)
            NewRich,  // a new note; text: its RTF
            Hide,     // hide every note
            Toggle,   // hide every note when one is shown, else show them all
            Quit,     // save and end
            Skin,     // text: a skin file to install and show on a new note
            List,     // open the notes list
            Import,   // text: "xpad", "sticky" or a file's whole path to import notes from
            Reminder, // a new note with an alarm on all of it; text: see reminderText
        };
        Kind kind = Kind::Show;
        QString text;
        bool operator==(const Command &other) const
        {
            return kind == other.kind && text == other.text;
        }
    };

    // More than a note is meant to hold: a larger file is refused.
    static constexpr qint64 MaxFileBytes = 4 * 1024 * 1024;

    // The program's arguments, the program's own name first; `now` reads a reminder's time
    // and day.
    explicit CommandLine(const QStringList &arguments,
                         const QDateTime &now = QDateTime::currentDateTime());

    Action action() const { return m_action; }
    // The help text, the version line or the error line, ending in a line break.
    QString output() const { return m_output; }
    // The skin file to install at start, cleaned as Startup::CleanCommandLine does.
    QString skinPath() const { return m_skinPath; }
    // The exit status that goes with the action.
    int exitCode() const { return m_action == Action::Fail ? 2 : 0; }

    // What the running copy is asked, in order; a bare start asks it to show
    // every note. Files named on the line have been read already.
    QList<Command> commands() const { return m_commands; }
    // False when the commands only make sense for a running copy (--hide,
    // --quit): no copy is started for them.
    bool startsProgram() const { return m_startsProgram; }
    // `--new TEXT --alarm TIME [--date DAY] [--repeat REPEAT]`: a note with an alarm on its
    // text (ReminderRequest says what the values may be).
    const std::optional<ReminderRequest> &reminder() const { return m_reminder; }
    // A reminder as a Reminder command carries it, and back.
    static QString reminderText(const ReminderRequest &request);
    static ReminderRequest reminderFrom(const QString &text);

    // The message that carries commands to the running copy, and back.
    static QStringList encode(const QList<Command> &commands);
    // A message from encode, or a plain command line of an older copy
    // (without the program's name): what it asks.
    static QList<Command> decode(const QStringList &message);

private:
    void fail(const QString &message);
    void readReminder(const QCommandLineParser &parser, const QDateTime &now);
    bool readNoteFile(const QString &path, Command &command);

    Action m_action = Action::Run;
    QString m_output;
    QString m_skinPath;
    QList<Command> m_commands;
    bool m_startsProgram = true;
    std::optional<ReminderRequest> m_reminder;
};
