#pragma once

#include "transfer/ImportBatch.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// Files that become one note each: plain text, Markdown (headings, bold, italic, strike,
// lists), RTF and HTML, told apart by their ending. A file that is missing, unreadable, too
// large or not text is refused with the reason; the others are read.
class NoteFileReader
{
public:
    static ImportBatch read(const QStringList &paths);

    // Reads a whole file of at most ImportBatch::MaxFileBytes; empty with why set otherwise.
    static std::optional<QByteArray> readFile(const QString &path, QString *why);
    // Text as UTF-8, or as Latin-1 when it is no UTF-8 (latin1 set); empty when the bytes
    // are binary data rather than text.
    static std::optional<QString> decodeText(const QByteArray &bytes, bool *latin1 = nullptr);
};
