#pragma once

#include <QByteArray>

class QTextDocument;

// Writes a document, or part of it, as RTF 1: ANSI code page 1252, a font and a colour table,
// \b \i \ul \strike \cf \f \fs \protect runs and \pn bullets.
//
// The output is pure ASCII, the same document always gives the same bytes, and lines end with
// "\r\n" only after a paragraph or a table. It never holds "[" or "<" as such (they are
// written \'5b and \'3c): a note's text stored in the note file or in an alarm entry can then
// never start a line with a block header, nor contain the separators those files use.
class RtfWriter
{
public:
    // The whole document; its last paragraph ends with \par like the others, as the classic
    // control writes it.
    static QByteArray write(const QTextDocument &document);
    // The document positions [from, to): \par only for the paragraph breaks inside the range.
    static QByteArray write(const QTextDocument &document, int from, int to);

private:
    static QByteArray write(const QTextDocument &document, int from, int to, bool whole);
};
