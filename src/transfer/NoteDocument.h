#pragma once

#include <QString>

class QTextDocument;

// A note's text between the stored RTF and a document that readers and writers work on.
namespace NoteDocument {

QString toRtf(const QTextDocument &document);
// Protection is dropped: an imported or exported text carries no alarm marks.
void fromRtf(const QString &rtf, QTextDocument &document);
// The plain text of stored RTF, paragraphs joined by "\n".
QString plainText(const QString &rtf);
// The first line with text in it, trimmed; empty for an empty note.
QString firstLine(const QString &plain);
// Every list becomes the note's own round bullets, so imported lists look as typed ones.
void useNoteBullets(QTextDocument &document);

} // namespace NoteDocument
