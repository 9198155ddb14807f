#pragma once

#include "notes/frmNote.h"
#include "shell/frmSplash.h"

#include <QPointer>
#include <QString>
#include <QStringList>

struct AppContext;

// The notes program's start: the hidden menu note first, then the splash,
// whose timers bring back the session's notes.
class Startup
{
public:
    // The program's command line with every double quote and every "%1"
    // removed; what remains (trimmed) is the path of a skin file, or empty.
    static QString CleanCommandLine(const QStringList &arguments);

    explicit Startup(AppContext &ctx);

    // Loads the hidden menu note and shows the splash.
    void run();

    // A later start of the program handed over its command line (without the
    // program's name). Without a skin file on it every live note is shown, as
    // the tray icon's double click does: the way back to hidden notes on a
    // desktop without a tray. False when the line names a skin file, which
    // is not handled here.
    bool SecondStart(const QStringList &arguments);

    frmNote *menuNote() const { return m_menuNote; }
    frmSplash *splash() const { return m_splash; }

private:
    AppContext &m_ctx;
    // Both may be unloaded (and deleted) before the program ends.
    QPointer<frmNote> m_menuNote;
    QPointer<frmSplash> m_splash;
};
