#pragma once

#include "transfer/ImportBatch.h"

#include <QString>

// xpad's notes: its config folder holds one "info-XXXXXX" file per note (lines of
// "key value": width, height, x, y in pixels, sticky, hidden, back and text as
// "rgb(r,g,b)", fontname, and content naming the note's text file) and the
// "content-XXXXXX" file with the note's plain UTF-8 text.
class XpadReader
{
public:
    // $XDG_CONFIG_HOME/xpad, or ~/.config/xpad.
    static QString defaultFolder();
    static ImportBatch read(const QString &folder);
    // "rgb(255,238,153)" or "#ffee99"; invalid otherwise.
    static QColor parseColor(const QString &text);
};
