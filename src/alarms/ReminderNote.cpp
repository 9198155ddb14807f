#include "alarms/ReminderNote.h"

#include "alarms/AlarmEntry.h"
#include "alarms/AlarmMarks.h"
#include "alarms/ReminderRequest.h"
#include "notes/frmNote.h"
#include "notes/richtext/RichTextBox.h"
#include "platform/Folders.h"
#include "shell/AppContext.h"
#include "shell/FormRegistry.h"
#include "shell/mdlVariables.h"

frmNote *ReminderNote::make(AppContext &ctx, const ReminderRequest &request)
{
    // New notes are made by the hidden menu note, the first one loaded.
    auto *menu = qobject_cast<frmNote *>(ctx.forms->find(QStringLiteral("frmNote")));
    if (!menu || !request.isValid())
        return nullptr;
    frmNote *note = menu->MakeNote();
    RichTextBox &box = *note->rtxtMain;
    box.setText(request.Text);
    box.setSelStart(0);
    box.setSelLength(int(box.Text().size()));
    AlarmEntry entry;
    entry.Index = ++ctx.vars->AlarmCounter;
    entry.UnmarkedText = AlarmMarks::mark(box, entry.Index);
    entry.TimeText = request.TimeText;
    entry.Message = request.Text.simplified();
    // The sound the alarm dialog offers first.
    entry.Sound = Folders::sharedDataDir() + QStringLiteral("/sounds/chime.wav");
    entry.setRepeatField(request.RepeatField);
    note->lstAlarms->addItem(entry.line());
    return note;
}
