#pragma once

#include "shell/CommandLine.h"
#include <QList>

#include <QDBusContext>
#include <QObject>
#include <QString>

class AlarmEntry;
class NotesCatalog;
class QDBusArgument;
class CommandRunner;
class QDBusConnection;
struct AppContext;

// A note as FindNotes names it: its id and its first line (D-Bus "(ss)").
struct NoteHit
{
    QString id;
    QString firstLine;
};
Q_DECLARE_METATYPE(NoteHit)
QDBusArgument &operator<<(QDBusArgument &argument, const NoteHit &hit);
const QDBusArgument &operator>>(const QDBusArgument &argument, NoteHit &hit);

// The program's commands on the session bus, for desktop shortcuts and
// scripts: the tray menu's New Note, Show All and Hide All, and a signal when
// an alarm falls due. The commands run on the hidden menu note, exactly as the
// tray menu runs them.
class NotesBus : public QObject, protected QDBusContext
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

    // Where FindNotes and ShowNote look for notes; without it they find none.
    void setCatalog(NotesCatalog *catalog) { m_catalog = catalog; }

    // Called by the alarm check when an entry falls due; emits AlarmDue.
    void announceAlarm(const AlarmEntry &entry);
    // Commands then wait until the session is back, as those of a later start do (a call
    // that starts the program through the bus comes before its notes).
    void setCommands(CommandRunner *commands) { m_commands = commands; }

public slots:
    Q_SCRIPTABLE void NewNote();
    Q_SCRIPTABLE void ShowAllNotes();
    Q_SCRIPTABLE void HideAllNotes();
    // The notes list, as the tray menu's "Notes…" opens it.
    Q_SCRIPTABLE void ShowNotesList();
    // Every note whose text matches the search (as the notes list matches), newest first.
    Q_SCRIPTABLE QList<NoteHit> FindNotes(const QString &search);
    // Brings the note up as the notes list does; false when there is no such note.
    Q_SCRIPTABLE bool ShowNote(const QString &id);
    // Hides every note when one is shown, else shows them all.
    Q_SCRIPTABLE void Toggle();
    // Saves the notes and ends the program; it keeps running when they could not be saved.
    Q_SCRIPTABLE void Quit();
    // A new note holding plain text.
    Q_SCRIPTABLE void NewNoteWithText(const QString &text);
    // A new note with `text` and an alarm on all of it; `when` is "09:30",
    // "tomorrow 09:30", "monday 9:30 PM" or "2026-12-14 09:30", `repeat` one
    // of "", "once", "daily", "weekdays", "weekly". A wrong one is refused
    // with an InvalidArgs error saying why; false then.
    // Opens the alarm list, as "Alarms..." in the tray menu does.
    Q_SCRIPTABLE void ShowAlarms();
    Q_SCRIPTABLE bool AddReminder(const QString &text, const QString &when, const QString &repeat);

signals:
    // The alarm's message and its time of day as the user set it.
    Q_SCRIPTABLE void AlarmDue(const QString &message, const QString &time);

private:
    void run(const QList<CommandLine::Command> &commands);

    AppContext &m_ctx;
    NotesCatalog *m_catalog = nullptr;
    CommandRunner *m_commands = nullptr;
};
