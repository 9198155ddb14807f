#pragma once

#include <QString>

class AlarmEntry;
class FormRegistry;
class frmNote;
struct AppContext;

// Where an alarm that fell due is shown. Each of the first ones opens its own alert window;
// past MaxWindows open at once, the rest are gathered in the one list of due alarms, so that
// thousands of alarms due together cost a list row each instead of an animated window each.
class AlertGate
{
public:
    static constexpr int MaxWindows = 20;

    // The entry, already "played", goes back at listIndex of the sender's list; missed says
    // when it was due, for an alarm that passed while the program was off or asleep.
    static void Open(AppContext &ctx, frmNote *sender, int listIndex, const AlarmEntry &entry,
                     const QString &missed = {});
    // Whether an alarm of the note is shown: in its own window or in the list.
    static bool IsOpen(const FormRegistry &forms, const frmNote *sender, int alarmIndex);
};
