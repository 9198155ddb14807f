#pragma once

#include <QDBusContext>
#include <QObject>
#include <QString>

class AlarmEntry;
class QDBusConnection;
struct AppContext;

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

    // Called by the alarm check when an entry falls due; emits AlarmDue.
    void announceAlarm(const AlarmEntry &entry);

public slots:
    Q_SCRIPTABLE void NewNote();
    Q_SCRIPTABLE void ShowAllNotes();
    Q_SCRIPTABLE void HideAllNotes();
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
    AppContext &m_ctx;
};
