#include "shell/Startup.h"

#include "notes/frmNote.h"
#include "platform/Prompter.h"
#include "platform/TerminationWatcher.h"
#include "platform/UserRegistry.h"
#include "shell/AppContext.h"
#include "shell/AppInfo.h"
#include "shell/CommandLine.h"
#include "shell/FormRegistry.h"
#include "shell/frmSplash.h"

#include <QCoreApplication>
#include <QMenu>

QString Startup::CleanCommandLine(const QStringList &arguments)
{
    QString line = arguments.join(QLatin1Char(' '));
    line.remove(QLatin1Char('"'));
    line.remove(QStringLiteral("%1"));
    return line.trimmed();
}

Startup::Startup(AppContext &ctx) : m_ctx(ctx), m_commands(ctx, *this) {}

void Startup::run()
{
    m_menuNote = new frmNote(m_ctx);
    m_menuNote->Load();
    // The tray menu's help entry keeps only the two web pages too.
    m_menuNote->menus().mnuTrayHelp->setTitle(tr("On &Web"));

    // Said once a run: the store is left as it is, so nothing is saved to it.
    if (m_ctx.registry && !m_ctx.registry->usable())
        m_ctx.prompter->message(
            nullptr,
            tr("Your settings could not be read from \"%1\", so Pennyquill runs on "
               "its default settings and leaves that file as it is. Settings "
               "changed now last until Pennyquill ends.")
                .arg(m_ctx.registry->filePath()),
            AppInfo::Title, Prompter::Buttons::Ok, Prompter::Icon::Exclamation);

    m_splash = new frmSplash(m_ctx);
    m_splash->CommandLineSkin = m_skinFile;
    m_splash->stopRequested = [] { return TerminationWatcher::requested(); };
    m_splash->Load();
    m_splash->show();
}

void Startup::SaveRequested()
{
    if (m_splash && m_splash->sessionLoaded())
        m_splash->SaveSession();
    else
        StopRequested();
}

void Startup::StopRequested()
{
    m_ctx.forms->endProgram();
    QCoreApplication::exit(0);
}

void Startup::SecondStart(const QStringList &message, const SingleInstance::Responder &respond)
{
    m_commands.run(CommandLine::decode(message), respond);
}
