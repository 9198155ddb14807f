#include "alarms/AlertGate.h"

#include "alarms/frmAlert.h"
#include "alarms/frmAlertList.h"
#include "shell/AppContext.h"
#include "shell/FormRegistry.h"

void AlertGate::Open(AppContext &ctx, frmNote *sender, int listIndex, const AlarmEntry &entry,
                     const QString &missed)
{
    if (ctx.forms->formsNamed(QStringLiteral("frmAlert")).size() < MaxWindows)
        frmAlert::Open(ctx, sender, listIndex, entry, missed);
    else
        frmAlertList::Gather(ctx, sender, listIndex, entry);
}

bool AlertGate::IsOpen(const FormRegistry &forms, const frmNote *sender, int alarmIndex)
{
    // The list first: it answers at once, however many alarms it holds.
    const frmAlertList *list = frmAlertList::Find(forms);
    return (list && list->Holds(sender, alarmIndex)) ||
           frmAlert::OpenFor(forms, sender, alarmIndex) != nullptr;
}
