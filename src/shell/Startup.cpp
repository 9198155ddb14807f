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
#include "skins/SkinInstaller.h"
#include "transfer/NoteImporter.h"

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
    QStringList rest = arguments;
    m_showList = rest.removeAll(CommandLine::ListOption) > 0;
    m_import = CommandLine(QStringList{QString()} + rest).importSources();
    m_skinFile = m_import.isEmpty() ? CleanCommandLine(rest) : QString();
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
    m_splash->Load();
    QObject::connect(m_splash, &frmSplash::loadFinished, m_splash, [this] {
        if (!m_import.isEmpty())
            NoteImporter(m_ctx).Import(NoteImporter::ReadSources(std::exchange(m_import, {})));
    });
    if (m_showList)
        QObject::connect(m_splash, &frmSplash::loadFinished, m_splash, [this] {
            if (m_menuNote)
                m_menuNote->mnuTrayNotes_Click();
        });
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
    if (const QStringList sources = CommandLine(QStringList{QString()} + arguments).importSources();
        !sources.isEmpty()) {
        if (m_splash && m_splash->sessionLoaded())
            NoteImporter(m_ctx).Import(NoteImporter::ReadSources(sources));
        else
            m_import += sources;
        return true;
    }
    if (arguments.contains(CommandLine::ListOption)) {
        if (m_menuNote)
            m_menuNote->mnuTrayNotes_Click();
        return true;
    }
    if (!CleanCommandLine(arguments).isEmpty())
        return false;
    if (m_splash)
        m_splash->TrayIcon_ShowNotes();
    return true;
}
