#pragma once

#include "alarms/ReminderRequest.h"
#include "notes/frmNote.h"
#include "shell/frmSplash.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <optional>

struct AppContext;

// The notes program's start: the hidden menu note first, then the splash,
// whose timers bring back the session's notes.
class Startup
{
public:
    // The program's command line with every double quote and every "%1"
    // removed; what remains (trimmed) is the path of a skin file, or empty.
    static QString CleanCommandLine(const QStringList &arguments);

    // A second start hands its skin file to this: installed into the user's
    // skins with the success message. False when the file was refused.
    static bool InstallSkin(AppContext &ctx, const QString &skinFile);

    explicit Startup(AppContext &ctx);

    // The program's arguments; a skin file among them is installed and shown
    // on one more note once the session is back.
    // A reminder on it (`--new TEXT --alarm ...`) becomes a note then too.
    void setArguments(const QStringList &arguments);

    // Loads the hidden menu note and shows the splash.
    void run();

    // The desktop asks for the session to be saved (it is ending). While the notes are
    // still loading there is nothing safe to write: the program ends without writing.
    void SaveRequested();
    // A stop signal: the program ends; the session is written only when it was fully
    // loaded.
    void StopRequested();
    // A later start of the program handed over its command line (without the
    // program's name). Without a skin file on it every live note is shown, as
    // the tray icon's double click does: the way back to hidden notes on a
    // desktop without a tray. False when the line names a skin file, which
    // is not handled here.
    bool SecondStart(const QStringList &arguments);
    // A note with an alarm on its text, made at once or, while the session is
    // still loading, once it is back.
    void AddReminder(const ReminderRequest &request);

    frmNote *menuNote() const { return m_menuNote; }
    frmSplash *splash() const { return m_splash; }

private:
    AppContext &m_ctx;
    QString m_skinFile;
    std::optional<ReminderRequest> m_reminder; // waiting for the session
    // Both may be unloaded (and deleted) before the program ends.
    QPointer<frmNote> m_menuNote;
    QPointer<frmSplash> m_splash;
};
