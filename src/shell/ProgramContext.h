#pragma once

#include "platform/DesktopNotifier.h"
#include "platform/DesktopShell.h"
#include "platform/LogonEntry.h"
#include "platform/QtPrompter.h"
#include "platform/QtSound.h"
#include "platform/SystemClock.h"
#include "platform/SystemRandom.h"
#include "platform/UserRegistry.h"
#include "shell/AppContext.h"
#include "shell/FormRegistry.h"
#include "shell/mdlVariables.h"
#include "spell/Spelling.h"

// The real outside world for a running program: the desktop's dialogs,
// sound, clock and shell, the registry file in the profile folder, and the
// log-on entry in the given autostart folder. Tests make their own.
class ProgramContext
{
public:
    ProgramContext(const Folders &folders, const QString &autostartDir);
    ProgramContext(const ProgramContext &) = delete;
    ProgramContext &operator=(const ProgramContext &) = delete;

    AppContext ctx;
    FormRegistry forms;
    mdlVariables vars{ctx};

private:
    SystemClock m_clock;
    QtPrompter m_prompter;
    QtSound m_sound;
    DesktopNotifier m_notifier;
    DesktopShell m_shell;
    SystemRandom m_random;
    UserRegistry m_registry;
    LogonEntry m_logon;
    Spelling m_spelling;
};
