#pragma once

#include "notes/frmNote.h"
#include "shell/CommandRunner.h"
#include "shell/frmSplash.h"

#include <QCoreApplication>
#include <QPointer>
#include <QString>
#include <QStringList>

struct AppContext;

// The notes program's start: the hidden menu note first, then the splash,
// whose timers bring back the session's notes.
class Startup
{
    Q_DECLARE_TR_FUNCTIONS(Startup)

public:
    // The program's command line with every double quote and every "%1"
    // removed; what remains (trimmed) is the path of a skin file, or empty.
    static QString CleanCommandLine(const QStringList &arguments);

    explicit Startup(AppContext &ctx);

    // The program's arguments; a skin file among them is installed and shown
    // on one more note once the session is back.
    void setArguments(const QStringList &arguments) { m_skinFile = CleanCommandLine(arguments); }

    // Loads the hidden menu note and shows the splash.
    void run();

    // The desktop asks for the session to be saved (it is ending). While the notes are
    // still loading there is nothing safe to write: the program ends without writing.
    void SaveRequested();
    // A stop signal: the program ends; the session is written only when it was fully
    // loaded.
    void StopRequested();
    // A later start of the program handed over what it asks (CommandLine::encode, or an
    // older copy's plain command line). Asking nothing shows every live note, as the tray
    // icon's double click does: the way back to hidden notes on a desktop without a tray.
    // A skin file is installed here, said here and shown on a new note.
    void SecondStart(const QStringList &message, const SingleInstance::Responder &respond = {});
    // What the command line, later starts and the session bus ask is done here.
    CommandRunner &commands() { return m_commands; }

    frmNote *menuNote() const { return m_menuNote; }
    frmSplash *splash() const { return m_splash; }

private:
    AppContext &m_ctx;
    QString m_skinFile;
    // Both may be unloaded (and deleted) before the program ends.
    QPointer<frmNote> m_menuNote;
    QPointer<frmSplash> m_splash;
    CommandRunner m_commands;
};
