#include "alarms/AlarmTick.h"

#include "notes/frmNote.h"
#include "platform/Clock.h"
#include "shell/AppContext.h"
#include "shell/FormRegistry.h"

AlarmTick *AlarmTick::attach(AppContext &ctx)
{
    // It lives with the program's list of forms, so every note of a run shares it.
    if (auto *tick = ctx.forms->findChild<AlarmTick *>(QString(), Qt::FindDirectChildrenOnly))
        return tick;
    return new AlarmTick(ctx);
}

AlarmTick::AlarmTick(AppContext &ctx) : QObject(ctx.forms), m_ctx(ctx)
{
    tmrAlarms.setInterval(1000);
    connect(&tmrAlarms, &QTimer::timeout, this, &AlarmTick::tmrAlarms_Timer);
    tmrAlarms.start();
}

void AlarmTick::tmrAlarms_Timer()
{
    // The clock is read once a tick, not once per note.
    const QDateTime now = m_ctx.clock->now();
    for (Form *form : m_ctx.forms->formsNamed(QStringLiteral("frmNote")))
        if (auto *note = qobject_cast<frmNote *>(form))
            note->tmrAlarms_Timer(now);
}
