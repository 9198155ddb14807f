#pragma once

#include <QString>
#include <QStringList>

// What the notes program was asked on its command line: its help, its
// version, or a normal start with an optional skin file. Anything else that
// looks like an option is refused with a one-line message; the window
// system's own options (-platform, -style ...) are left for Qt to take.
class CommandLine
{
public:
    enum class Action { Run, Help, Version, Fail };
    // Opens the notes list (once the notes are back, or in the copy already running).
    static inline const QString ListOption = QStringLiteral("--list");

    // The program's arguments, the program's own name first.
    explicit CommandLine(const QStringList &arguments);

    Action action() const { return m_action; }
    // The help text, the version line or the error line, ending in a line break.
    QString output() const { return m_output; }
    // The skin file to install at start, cleaned as Startup::CleanCommandLine does.
    QString skinPath() const { return m_skinPath; }
    // "--import xpad|sticky|FILE...": what to import once the notes are back; files with
    // absolute paths, so a running copy elsewhere finds them. Empty without --import.
    QStringList importSources() const { return m_importSources; }
    bool showList() const { return m_showList; }
    // The exit status that goes with the action.
    int exitCode() const { return m_action == Action::Fail ? 2 : 0; }

private:
    Action m_action = Action::Run;
    QString m_output;
    QString m_skinPath;
    QStringList m_importSources;
    bool m_showList = false;
};
