#include "shell/NotesBus.h"

#include "alarms/AlarmEntry.h"
#include "notes/frmNote.h"
#include "shell/AppContext.h"
#include "shell/CommandRunner.h"
#include "shell/FormRegistry.h"

#include <QDBusConnection>

namespace {

// The first note loaded is the hidden menu note, which carries the tray menu.
frmNote *menuNote(AppContext &ctx)
{
    return qobject_cast<frmNote *>(ctx.forms->find(QStringLiteral("frmNote")));
}

} // namespace

NotesBus::NotesBus(AppContext &ctx, QObject *parent) : QObject(parent), m_ctx(ctx) {}

bool NotesBus::registerOn(QDBusConnection connection)
{
    if (!connection.isConnected())
        return false;
    if (!connection.registerObject(ObjectPath, this,
                                   QDBusConnection::ExportScriptableSlots |
                                       QDBusConnection::ExportScriptableSignals))
        return false;
    if (connection.registerService(ServiceName))
        return true;
    connection.unregisterObject(ObjectPath);
    return false;
}

void NotesBus::announceAlarm(const AlarmEntry &entry)
{
    emit AlarmDue(entry.Message, entry.TimeText);
}

void NotesBus::NewNote()
{
    if (m_commands)
        run({{CommandLine::Command::Kind::New, QString()}});
    else if (frmNote *note = menuNote(m_ctx))
        note->mnuTrayNew_Click();
}

void NotesBus::ShowAllNotes()
{
    if (frmNote *note = menuNote(m_ctx))
        note->mnuTrayShowAll_Click();
}

void NotesBus::HideAllNotes()
{
    if (frmNote *note = menuNote(m_ctx))
        note->mnuTrayHideAll_Click();
}

void NotesBus::Toggle()
{
    run({{CommandLine::Command::Kind::Toggle, QString()}});
}

void NotesBus::Quit()
{
    run({{CommandLine::Command::Kind::Quit, QString()}});
}

void NotesBus::NewNoteWithText(const QString &text)
{
    run({{CommandLine::Command::Kind::New, text}});
}

void NotesBus::run(const QList<CommandLine::Command> &commands)
{
    if (m_commands)
        m_commands->run(commands);
}
