#pragma once

#include "transfer/ImportBatch.h"

#include <QString>

class QTextCursor;

// Linux Mint's Sticky Notes: one JSON file, "$XDG_CONFIG_HOME/sticky/notes.json", an
// object whose keys are the group names and whose values are lists of notes; each note an
// object with "x", "y", "width", "height" (pixels), "color" (a colour name), "title" and
// "text". The text carries Sticky's own marks: "#tag:NAME:" switches a format on and off,
// "##" is a "#", "#check:0" / "#check:1" a check box, "#bullet:" a bullet.
class StickyReader
{
public:
    static QString defaultPath();
    static ImportBatch read(const QString &path);
    // One note's marked text appended at the cursor; formats it has no match for are
    // added to unmapped.
    static void appendMarkedText(const QString &text, QTextCursor &cursor, QStringList &unmapped);
    // The colour Sticky paints a note of that colour name; invalid for other names.
    static QColor colorOf(const QString &name);
};
