#include "alarms/AlarmAnswer.h"

#include "alarms/AlarmEntry.h"
#include "alarms/AlarmList.h"
#include "alarms/AlarmMarks.h"
#include "alarms/AlarmWhen.h"
#include "notes/frmNote.h"
#include "platform/Clock.h"
#include "shell/AppContext.h"

namespace {

int indexAt(const AlarmList &list, int row)
{
    const std::optional<AlarmEntry> entry = AlarmEntry::parse(list.text(row));
    return entry ? entry->Index : -1;
}

} // namespace

int AlarmAnswer::position(const AlarmList &list, int listIndex, int alarmIndex)
{
    if (listIndex >= 0 && listIndex < list.count() && indexAt(list, listIndex) == alarmIndex)
        return listIndex;
    for (int row = 0; row < list.count(); ++row)
        if (indexAt(list, row) == alarmIndex)
            return row;
    return -1;
}

void AlarmAnswer::dismiss(AppContext &ctx, frmNote &note, int listIndex, int alarmIndex,
                          const QString &unmarkedRtf)
{
    const int row = position(*note.lstAlarms, listIndex, alarmIndex);
    if (row < 0)
        return;
    std::optional<AlarmEntry> entry = AlarmEntry::parse(note.lstAlarms->text(row));
    const std::optional<AlarmWhen> when =
        entry ? AlarmWhen::read(entry->TimeText, entry->repeatField()) : std::nullopt;
    // A repeating alarm stays on its text and waits for its next day.
    if (const std::optional<AlarmWhen> next = when ? when->next(ctx.clock->now()) : std::nullopt) {
        entry->TimeText = next->timeText();
        entry->setRepeatField(next->repeatField(entry->repeatField()));
        entry->State = AlarmEntry::InQue;
        note.lstAlarms->setText(row, entry->line());
        return;
    }
    note.lstAlarms->removeAt(row);
    AlarmMarks::restore(*note.rtxtMain, alarmIndex, unmarkedRtf);
}

void AlarmAnswer::snooze(AppContext &ctx, frmNote &note, int listIndex, int alarmIndex, int minutes)
{
    const int row = position(*note.lstAlarms, listIndex, alarmIndex);
    if (row < 0)
        return;
    std::optional<AlarmEntry> entry = AlarmEntry::parse(note.lstAlarms->text(row));
    if (!entry)
        return;
    // An unreadable time text snoozes as a time of day: the snooze makes it readable.
    const AlarmWhen when =
        AlarmWhen::read(entry->TimeText, entry->repeatField()).value_or(AlarmWhen());
    const AlarmWhen snoozed = when.snoozed(ctx.clock->now(), minutes);
    entry->TimeText = snoozed.timeText();
    // The repeat keeps counting from the day it fell due on.
    entry->setRepeatField(snoozed.repeatField(entry->repeatField()));
    entry->State = AlarmEntry::InQue;
    note.lstAlarms->setText(row, entry->line());
}
