#pragma once

#include <QString>

struct AppContext;
class AlarmList;
class frmNote;

// The two answers to an alarm that fell due, from its alert window or from the list of
// gathered alarms: dismiss removes the entry and gives the note's text back its look from
// before marking (a repeating alarm instead waits for its next day); snooze lets it fall due
// again some minutes later.
class AlarmAnswer
{
public:
    // Where alarm alarmIndex stands in the list now: at listIndex if it is still there,
    // else found by its index; -1 when it is gone.
    static int position(const AlarmList &list, int listIndex, int alarmIndex);

    static void dismiss(AppContext &ctx, frmNote &note, int listIndex, int alarmIndex,
                        const QString &unmarkedRtf);
    static void snooze(AppContext &ctx, frmNote &note, int listIndex, int alarmIndex, int minutes);
};
