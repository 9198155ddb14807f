#pragma once

#include "FileBytes.h"
#include "TestApp.h"
#include "notes/frmNote.h"
#include "shell/AppInfo.h"
#include "shell/Startup.h"
#include "shell/frmSplash.h"

// One start of the program on the given session (and note) files, waited
// for until every note is back.
class SessionRun
{
public:
    explicit SessionRun(const QByteArray &session, const QByteArray &notes = QByteArray(),
                        bool positionsKnown = false)
    {
        app.ctx.windowPositionsKnown = positionsKnown;
        app.vars.RegSetString(mdlVariables::HKEY_CURRENT_USER, AppInfo::RegistryKey,
                              "ShowWhenStart", "yes");
        FileBytes::write(sessionPath(), session);
        if (!notes.isEmpty())
            FileBytes::write(notesPath(), notes);
        startup.run();
        if (!TestApp::loadSession(startup.splash()))
            qFatal("the session did not load");
    }

    frmSplash *splash() const { return startup.splash(); }
    QList<frmNote *> notes() const { return splash()->restoredNotes(); }
    QString sessionPath() const { return app.ctx.folders.profileFile("session.ini"); }
    QString notesPath() const { return app.ctx.folders.dataFile("filecon.pqn"); }

    TestApp app;
    Startup startup{app.ctx};
};
