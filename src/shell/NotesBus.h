#pragma once

#include "shell/CommandLine.h"

#include <QObject>
#include <QString>

class AlarmEntry;
class CommandRunner;
class QDBusConnection;
struct AppContext;

// The program's commands on the session bus, for desktop shortcuts and
// scripts: the tray menu's New Note, Show All and Hide All, and a signal when
// an alarm falls due. The commands run on the hidden menu note, exactly as the
// tray menu runs them.
class NotesBus : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "example.corvane.Pennyquill")
public:
    static inline const QString ServiceName = QStringLiteral("example.corvane.Pennyquill");
    static inline const QString ObjectPath = QStringLiteral("/Pennyquill");

    explicit NotesBus(AppContext &ctx, QObject *parent = nullptr);

    // Offers the interface on a bus under the service name; false when the
    // bus is not there or the name is taken (the program runs on without it).
    bool registerOn(QDBusConnection connection);

    // Called by the alarm check when an entry falls due; emits AlarmDue.
    void announceAlarm(const AlarmEntry &entry);
    // Commands then wait until the session is back, as those of a later start do (a call
    // that starts the program through the bus comes before its notes).
    void setCommands(CommandRunner *commands) { m_commands = commands; }

public slots:
    Q_SCRIPTABLE void NewNote();
    Q_SCRIPTABLE void ShowAllNotes();
    Q_SCRIPTABLE void HideAllNotes();
    // Hides every note when one is shown, else shows them all.
    Q_SCRIPTABLE void Toggle();
    // Saves the notes and ends the program; it keeps running when they could not be saved.
    Q_SCRIPTABLE void Quit();
    // A new note holding plain text.
    Q_SCRIPTABLE void NewNoteWithText(const QString &text);

signals:
    // The alarm's message and its time of day as the user set it.
    Q_SCRIPTABLE void AlarmDue(const QString &message, const QString &time);

private:
    void run(const QList<CommandLine::Command> &commands);

    AppContext &m_ctx;
    CommandRunner *m_commands = nullptr;
};
