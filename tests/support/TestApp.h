#pragma once

#include "ScriptedPrompter.h"
#include "TestDoubles.h"
#include "platform/LogonEntry.h"
#include "platform/UserRegistry.h"
#include "shell/AppContext.h"
#include "shell/FormRegistry.h"
#include "shell/mdlVariables.h"

#include <QTemporaryDir>

class frmSplash;

// A whole program context for one test: its own empty profile and data
// folders in a temporary folder, and test doubles for the outside world.
class TestApp
{
public:
    TestApp();
    ~TestApp();
    TestApp(const TestApp &) = delete;
    TestApp &operator=(const TestApp &) = delete;

    QString home() const { return m_dir.path(); }

    // Brings the session back now, without the splash's scroll, and waits until
    // every note is in; false when that does not happen in time.
    static bool loadSession(frmSplash *splash);

private:
    static int s_alive;  // TestApps alive now
    QTemporaryDir m_dir; // first: everything below lives in it

public:
    FixedClock clock;
    ScriptedPrompter prompter;
    RecordingSound sound;
    RecordingNotifier notifier;
    RecordingShell shell;
    ScriptedRandom random;
    UserRegistry registry;
    LogonEntry logon;
    FormRegistry forms;
    mdlVariables vars;
    AppContext ctx;
};
