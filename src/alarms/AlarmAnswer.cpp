#include "alarms/AlarmAnswer.h"

#include "alarms/AlarmEntry.h"
#include "alarms/AlarmList.h"
#include "alarms/AlarmMarks.h"
#include "alarms/AlarmScheduler.h"
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

void AlarmAnswer::dismiss(frmNote &note, int listIndex, int alarmIndex, const QString &unmarkedRtf)
{
    const int row = position(*note.lstAlarms, listIndex, alarmIndex);
    if (row < 0)
        return;
    note.lstAlarms->removeAt(row);
    AlarmMarks::restore(*note.rtxtMain, alarmIndex, unmarkedRtf);
}

void AlarmAnswer::snooze(AppContext &ctx, frmNote &note, int listIndex, int alarmIndex, int minutes)
{
    const int row = position(*note.lstAlarms, listIndex, alarmIndex);
    if (row < 0)
        return;
    std::optional<AlarmEntry> entry = AlarmEntry::parse(note.lstAlarms->text(row));
    const QDateTime due = AlarmScheduler::snoozeTime(ctx.clock->now(), minutes);
    entry->TimeText = AlarmEntry::formatTime(due.time());
    entry->State = AlarmEntry::InQue;
    note.lstAlarms->setText(row, entry->line());
    note.alarmScheduler().holdUntil(entry->Index, entry->TimeText, due);
}
