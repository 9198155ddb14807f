#include "shell/NotesBus.h"

#include "alarms/AlarmEntry.h"
#include "alarms/ReminderNote.h"
#include "alarms/ReminderRequest.h"
#include "notes/frmNote.h"
#include "platform/Clock.h"
#include "shell/AppContext.h"
#include "shell/FormRegistry.h"

#include <QDBusConnection>
#include <QDBusError>

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
    if (frmNote *note = menuNote(m_ctx))
        note->mnuTrayNew_Click();
}

void NotesBus::ShowAlarms()
{
    if (frmNote *note = menuNote(m_ctx))
        note->mnuTrayAlarms_Click();
}

bool NotesBus::AddReminder(const QString &text, const QString &when, const QString &repeat)
{
    const ReminderRequest request =
        ReminderRequest::readWhen(text, when, repeat, m_ctx.clock->now());
    if (!request.isValid()) {
        if (calledFromDBus())
            sendErrorReply(QDBusError::InvalidArgs, request.Error);
        return false;
    }
    return ReminderNote::make(m_ctx, request) != nullptr;
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
