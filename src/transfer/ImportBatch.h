#pragma once

#include "shell/SessionFile.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

// What one reader brought in from one source: the notes, ready to be made
// into windows, and what could not be carried over. A reader that fails says
// why in errors and may still hold the notes it read before the failure; the
// summary tells the user both.
struct ImportBatch
{
    struct Note
    {
        SessionFile::Note note;
        // The source said where the note stood (note.Left/Top, in twips).
        bool placeKnown = false;
        // The note's colour in the source; invalid when it has none.
        QColor background;
    };

    // Shown in the summary: "xpad", "Sticky Notes", a file's name ...
    QString source;
    QList<Note> notes;
    // One line per kind of thing that could not be mapped.
    QStringList unmapped;
    // One line per failure.
    QStringList errors;

    // Notes beyond this are not read: more than anyone keeps, and more than a session holds.
    static constexpr int MaxNotes = SessionFile::MaxNotes;
    // A note's source file larger than this is refused rather than read.
    static constexpr qint64 MaxFileBytes = 8 * 1024 * 1024;

    void unmappedOnce(const QString &line)
    {
        if (!unmapped.contains(line))
            unmapped.append(line);
    }
};
