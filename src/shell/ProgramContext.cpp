#include "shell/ProgramContext.h"

#include "shell/WindowPlace.h"

ProgramContext::ProgramContext(const Folders &folders, const QString &autostartDir)
    : m_registry(folders.profileFile(QStringLiteral("registry.ini"))), m_logon(autostartDir),
      m_spelling(folders.profileFile(QStringLiteral("PQOptions.ini")), &m_prompter)
{
    ctx.folders = folders;
    ctx.folders.ensureExist();
    ctx.clock = &m_clock;
    ctx.prompter = &m_prompter;
    ctx.sound = &m_sound;
    ctx.notifier = &m_notifier;
    ctx.shell = &m_shell;
    ctx.random = &m_random;
    ctx.registry = &m_registry;
    ctx.logon = &m_logon;
    ctx.forms = &forms;
    ctx.vars = &vars;
    ctx.windowPositionsKnown = WindowPlace::systemReportsPositions();
    ctx.spelling = &m_spelling;
}
