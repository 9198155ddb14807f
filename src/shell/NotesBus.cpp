#include "shell/NotesBus.h"

#include "alarms/AlarmEntry.h"
#include "alarms/ReminderNote.h"
#include "alarms/ReminderRequest.h"
#include "find/NotesCatalog.h"
#include "notes/frmNote.h"
#include "platform/Clock.h"
#include "shell/AppContext.h"
#include "shell/CommandRunner.h"
#include "shell/FormRegistry.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMetaType>

#include <QDBusError>
#include <algorithm>

namespace {

// The first note loaded is the hidden menu note, which carries the tray menu.
frmNote *menuNote(AppContext &ctx)
{
    return qobject_cast<frmNote *>(ctx.forms->find(QStringLiteral("frmNote")));
}

} // namespace

QDBusArgument &operator<<(QDBusArgument &argument, const NoteHit &hit)
{
    argument.beginStructure();
    argument << hit.id << hit.firstLine;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, NoteHit &hit)
{
    argument.beginStructure();
    argument >> hit.id >> hit.firstLine;
    argument.endStructure();
    return argument;
}

NotesBus::NotesBus(AppContext &ctx, QObject *parent) : QObject(parent), m_ctx(ctx)
{
    qDBusRegisterMetaType<NoteHit>();
    qDBusRegisterMetaType<QList<NoteHit>>();
}

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

void NotesBus::ShowNotesList()
{
    if (frmNote *note = menuNote(m_ctx))
        note->mnuTrayNotes_Click();
}

QList<NoteHit> NotesBus::FindNotes(const QString &search)
{
    QList<NoteHit> hits;
    if (!m_catalog)
        return hits;
    QList<frmNote *> found;
    for (const NotesCatalog::Hit &hit : m_catalog->find(search))
        found << hit.note;
    std::stable_sort(found.begin(), found.end(), [](const frmNote *a, const frmNote *b) {
        return a->LastChanged > b->LastChanged;
    });
    for (frmNote *note : std::as_const(found))
        hits.append({note->NoteId, m_catalog->index().firstLine(note->NoteId)});
    return hits;
}

bool NotesBus::ShowNote(const QString &id)
{
    frmNote *note = m_catalog ? m_catalog->note(id) : nullptr;
    if (!note)
        return false;
    NotesCatalog::Show(note, QString());
    return true;
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
