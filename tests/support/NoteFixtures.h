#pragma once

#include "TestApp.h"
#include "alarms/AlarmEntry.h"
#include "alarms/AlarmMarks.h"
#include "notes/frmNote.h"
#include "notes/richtext/RichTextBox.h"

// Notes and alarm entries as the tests need them.
namespace NoteFixtures {

// A loaded note holding `text`.
inline frmNote *loadedNote(TestApp &app, const QString &text = QString())
{
    auto *note = new frmNote(app.ctx);
    note->Load();
    if (!text.isEmpty())
        note->rtxtMain->setText(text);
    return note;
}

inline void selectRange(RichTextBox &box, int start, int length)
{
    box.setSelStart(start);
    box.setSelLength(length);
}

// An alarm list line: "Message <index>" on the RTF "{\rtf1 text <index>}".
inline QString alarmLine(int index, const QString &time,
                         const QString &sound = AlarmEntry::SystemBeep,
                         const QString &state = AlarmEntry::InQue)
{
    AlarmEntry entry;
    entry.Index = index;
    entry.TimeText = time;
    entry.Message = QStringLiteral("Message %1").arg(index);
    entry.Sound = sound;
    entry.State = state;
    entry.UnmarkedText = QStringLiteral("{\\rtf1 text %1}").arg(index);
    return entry.line();
}

// Marks [start, start + length) as alarm `index` and adds its entry, as the dialog's OK does.
inline void addAlarm(frmNote *note, int start, int length, int index,
                     const QString &time = QStringLiteral("10:30 PM"),
                     const QString &state = AlarmEntry::InQue)
{
    selectRange(*note->rtxtMain, start, length);
    AlarmEntry entry = *AlarmEntry::parse(alarmLine(index, time, AlarmEntry::SystemBeep, state));
    entry.UnmarkedText = AlarmMarks::mark(*note->rtxtMain, index);
    note->lstAlarms->addItem(entry.line());
}

// The note's alarm list, line by line.
inline QStringList alarmLines(const frmNote *note)
{
    return note->lstAlarms->lines();
}

} // namespace NoteFixtures
