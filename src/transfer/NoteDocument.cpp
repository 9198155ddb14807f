#include "transfer/NoteDocument.h"

#include "notes/richtext/RtfReader.h"
#include "notes/richtext/RtfWriter.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

namespace NoteDocument {

QString toRtf(const QTextDocument &document)
{
    return QString::fromLatin1(RtfWriter::write(document));
}

void fromRtf(const QString &rtf, QTextDocument &document)
{
    document.clear();
    QTextCursor cursor(&document);
    RtfReader(RtfReader::Target::Document, false).read(rtf, cursor);
}

QString plainText(const QString &rtf)
{
    QTextDocument document;
    fromRtf(rtf, document);
    return document.toPlainText();
}

QString firstLine(const QString &plain)
{
    const QStringList lines = plain.split(QLatin1Char('\n'));
    for (const QString &line : lines)
        if (!line.trimmed().isEmpty())
            return line.trimmed();
    return QString();
}

void useNoteBullets(QTextDocument &document)
{
    QTextListFormat bullets;
    bullets.setStyle(QTextListFormat::ListDisc);
    bullets.setIndent(1);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        if (QTextList *list = block.textList(); list && list->format().style() != bullets.style())
            list->setFormat(bullets);
}

} // namespace NoteDocument
