#include "shell/CommandRunner.h"

#include "alarms/ReminderNote.h"
#include "notes/frmNote.h"
#include "notes/richtext/RichTextBox.h"
#include "platform/Prompter.h"
#include "shell/AppContext.h"
#include "shell/AppInfo.h"
#include "shell/FormRegistry.h"
#include "shell/Startup.h"
#include "shell/frmSplash.h"
#include "transfer/NoteImporter.h"

#include <QTimer>

using Kind = CommandLine::Command::Kind;

CommandRunner::CommandRunner(AppContext &ctx, Startup &startup, QObject *parent)
    : QObject(parent), m_ctx(ctx), m_startup(startup)
{
}

void CommandRunner::run(const QList<CommandLine::Command> &commands,
                        const SingleInstance::Responder &respond)
{
    frmSplash *splash = m_startup.splash();
    if (splash && splash->sessionLoaded() && m_pending.isEmpty()) {
        runNow(commands, respond);
        return;
    }
    m_pending.append({commands, respond});
    if (!splash || m_waiting)
        return;
    m_waiting = true;
    connect(splash, &frmSplash::loadFinished, this, &CommandRunner::runPending,
            Qt::SingleShotConnection);
}

void CommandRunner::runAtStart(const QList<CommandLine::Command> &commands)
{
    QList<CommandLine::Command> asked;
    for (CommandLine::Command command : commands) {
        // The splash installs the start's own skin file; asked to toggle at
        // start, the user wants the notes.
        if (command.kind == Kind::Skin)
            continue;
        if (command.kind == Kind::Toggle)
            command.kind = Kind::Show;
        asked.append(command);
    }
    if (!asked.isEmpty())
        run(asked);
}

void CommandRunner::runPending()
{
    m_waiting = false;
    const QList<Pending> pending = std::exchange(m_pending, {});
    for (const Pending &one : pending)
        runNow(one.commands, one.respond);
}

void CommandRunner::runNow(const QList<CommandLine::Command> &commands,
                           const SingleInstance::Responder &respond)
{
    const auto answer = [&respond](const SingleInstance::Reply &reply) {
        if (respond)
            respond(reply);
    };
    frmNote *menu = m_startup.menuNote();
    const bool quits = !commands.isEmpty() && commands.last().kind == Kind::Quit;
    // The later start need not wait for boxes the commands may open here.
    if (!quits)
        answer({});
    if (!menu)
        return;
    if (commands.isEmpty())
        menu->mnuTrayShowAll_Click();
    QStringList sources;
    for (const CommandLine::Command &command : commands) {
        switch (command.kind) {
        case Kind::Show:
            menu->mnuTrayShowAll_Click();
            break;
        case Kind::New:
        case Kind::NewRich:
            newNote(command);
            break;
        case Kind::Hide:
            menu->mnuTrayHideAll_Click();
            break;
        case Kind::Toggle:
            if (anyNoteShown())
                menu->mnuTrayHideAll_Click();
            else
                menu->mnuTrayShowAll_Click();
            break;
        case Kind::Skin:
            addSkin(command.text);
            break;
        case Kind::Reminder:
            if (const ReminderRequest request = CommandLine::reminderFrom(command.text);
                request.isValid())
                ReminderNote::make(m_ctx, request);
            break;
        case Kind::List:
            menu->mnuTrayNotes_Click();
            break;
        case Kind::Import:
            sources << command.text;
            break;
        case Kind::Quit:
            answer(quit());
            return;
        }
    }
    // One import for all sources, so one summary says what came from where.
    if (!sources.isEmpty())
        NoteImporter(m_ctx).Import(NoteImporter::ReadSources(sources));
    // The tray's commands run on the menu note, whose changes the session does not hear of.
    if (frmSplash *splash = m_startup.splash())
        splash->ScheduleSave();
}

void CommandRunner::newNote(const CommandLine::Command &command)
{
    frmNote *note = m_startup.menuNote()->MakeNote();
    if (command.kind == Kind::NewRich)
        note->rtxtMain->setTextRTF(command.text);
    else if (!command.text.isEmpty())
        note->rtxtMain->setText(command.text);
    // Made by a hot key: the user types into it next.
    note->activateWindow();
    note->rtxtMain->setFocus();
}

void CommandRunner::addSkin(const QString &skinFile)
{
    frmSplash *splash = m_startup.splash();
    if (!splash)
        return;
    if (const auto installed = splash->AddSkinNote(skinFile))
        m_ctx.prompter->message(nullptr,
                                installed->skinName + tr(" skin successfully added to Pennyquill."),
                                AppInfo::Title, Prompter::Buttons::Ok, Prompter::Icon::Information);
}

bool CommandRunner::anyNoteShown() const
{
    for (Form *form : m_ctx.forms->formsNamed(QStringLiteral("frmNote")))
        if (auto *note = qobject_cast<frmNote *>(form); note && note->bolShown && note->isVisible())
            return true;
    return false;
}

SingleInstance::Reply CommandRunner::quit()
{
    frmSplash *splash = m_startup.splash();
    QString error;
    if (splash && !splash->SaveForQuit(&error))
        // Ending now would lose the changes: the program stays, and says why.
        return {1, QStringLiteral("pennyquill: ") +
                       tr("the notes could not be saved (%1); Pennyquill keeps running.")
                           .arg(error.isEmpty() ? tr("unknown error") : error) +
                       QLatin1Char('\n')};
    // Answered first: the program ends right after.
    if (frmNote *menu = m_startup.menuNote())
        QTimer::singleShot(0, menu, [menu] { menu->mnuTrayExit_Click(); });
    return {};
}
