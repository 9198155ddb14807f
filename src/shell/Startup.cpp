#include "shell/Startup.h"

#include "alarms/ReminderNote.h"
#include "notes/frmNote.h"
#include "platform/Clock.h"
#include "platform/Prompter.h"
#include "platform/TerminationWatcher.h"
#include "platform/UserRegistry.h"
#include "shell/AppContext.h"
#include "shell/AppInfo.h"
#include "shell/CommandLine.h"
#include "shell/FormRegistry.h"
#include "shell/frmSplash.h"
#include "skins/SkinInstaller.h"

#include <QCoreApplication>
#include <QMenu>

#include <utility>

QString Startup::CleanCommandLine(const QStringList &arguments)
{
    QString line = arguments.join(QLatin1Char(' '));
    line.remove(QLatin1Char('"'));
    line.remove(QStringLiteral("%1"));
    return line.trimmed();
}

bool Startup::InstallSkin(AppContext &ctx, const QString &skinFile)
{
    const std::optional<SkinInstaller::Installed> installed = SkinInstaller(ctx).Install(skinFile);
    if (!installed)
        return false;
    ctx.prompter->message(
        nullptr, installed->skinName + QStringLiteral(" skin successfully added to Pennyquill."),
        AppInfo::Title, Prompter::Buttons::Ok, Prompter::Icon::Information);
    return true;
}

Startup::Startup(AppContext &ctx) : m_ctx(ctx) {}

void Startup::setArguments(const QStringList &arguments)
{
    const CommandLine line(QStringList{QString()} + arguments, m_ctx.clock->now());
    m_skinFile = line.skinPath();
    m_reminder = line.reminder();
}

void Startup::AddReminder(const ReminderRequest &request)
{
    if (m_splash && m_splash->sessionLoaded())
        ReminderNote::make(m_ctx, request);
    else
        m_reminder = request;
}

void Startup::run()
{
    m_menuNote = new frmNote(m_ctx);
    m_menuNote->Load();
    // The tray menu's help entry keeps only the two web pages too.
    m_menuNote->menus().mnuTrayHelp->setTitle(QStringLiteral("On &Web"));

    // Said once a run: the store is left as it is, so nothing is saved to it.
    if (m_ctx.registry && !m_ctx.registry->usable())
        m_ctx.prompter->message(
            nullptr,
            QStringLiteral("Your settings could not be read from \"%1\", so Pennyquill runs on "
                           "its default settings and leaves that file as it is. Settings "
                           "changed now last until Pennyquill ends.")
                .arg(m_ctx.registry->filePath()),
            AppInfo::Title, Prompter::Buttons::Ok, Prompter::Icon::Exclamation);

    m_splash = new frmSplash(m_ctx);
    m_splash->CommandLineSkin = m_skinFile;
    m_splash->stopRequested = [] { return TerminationWatcher::requested(); };
    QObject::connect(m_splash, &frmSplash::loadFinished, m_splash, [this] {
        if (const std::optional<ReminderRequest> reminder = std::exchange(m_reminder, {}))
            ReminderNote::make(m_ctx, *reminder);
    });
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

bool Startup::SecondStart(const QStringList &arguments)
{
    const CommandLine line(QStringList{QString()} + arguments, m_ctx.clock->now());
    if (line.reminder()) {
        if (line.reminder()->isValid())
            AddReminder(*line.reminder());
        return true;
    }
    if (!line.skinPath().isEmpty())
        return false;
    if (m_splash)
        m_splash->TrayIcon_ShowNotes();
    return true;
}
