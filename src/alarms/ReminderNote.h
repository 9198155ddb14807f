#pragma once

class ReminderRequest;
class frmNote;
struct AppContext;

// Carries out a ReminderRequest: a new note with the text and an alarm on
// all of it, as Set Alarm with the whole text selected would make it.
class ReminderNote
{
public:
    // The new note; null when the program has no notes to make it beside yet.
    static frmNote *make(AppContext &ctx, const ReminderRequest &request);
};
