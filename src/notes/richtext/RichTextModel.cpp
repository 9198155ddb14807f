#include "notes/richtext/RichTextModel.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <algorithm>

namespace {

constexpr int maxListLength = 64;

QTextListFormat bulletListFormat()
{
    QTextListFormat format;
    format.setStyle(QTextListFormat::ListDisc);
    format.setIndent(1);
    return format;
}

// The paragraphs a range touches: a range ending right after a paragraph break does not
// reach into the next paragraph.
std::pair<QTextBlock, QTextBlock> blocksOf(const QTextDocument &document, int from, int to)
{
    const QTextBlock first = document.findBlock(from);
    QTextBlock last = document.findBlock(to);
    if (to > from && last.isValid() && last.position() == to && last != first)
        last = last.previous();
    if (!last.isValid())
        last = document.lastBlock();
    return {first, last};
}

} // namespace

RichTextModel::RichTextModel(const QTextDocument &document) : m_document(document) {}

QString RichTextModel::text() const
{
    QString out;
    out.reserve(m_document.characterCount() + m_document.blockCount());
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
        if (block != m_document.begin())
            out += QLatin1String("\r\n");
        out += block.text();
    }
    out.replace(QChar::LineSeparator, QLatin1Char('\v'));
    return out;
}

int RichTextModel::length() const
{
    return m_document.characterCount() - 1 + m_document.blockCount() - 1;
}

int RichTextModel::toClassic(int documentPosition) const
{
    const int position = std::clamp(documentPosition, 0, m_document.characterCount() - 1);
    return position + m_document.findBlock(position).blockNumber();
}

int RichTextModel::toDocument(int classicPosition, bool roundUp) const
{
    const int position = std::clamp(classicPosition, 0, length());
    // The paragraph holding it is the last one whose classic start is not after it.
    int low = 0;
    int high = m_document.blockCount() - 1;
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (m_document.findBlockByNumber(middle).position() + middle <= position)
            low = middle;
        else
            high = middle - 1;
    }
    const QTextBlock block = m_document.findBlockByNumber(low);
    const int offset = position - (block.position() + low);
    const int textLength = block.length() - 1;
    if (offset > textLength) // between "\r" and "\n"
        return block.position() + textLength + (roundUp ? 1 : 0);
    const int documentPosition = block.position() + offset;
    if (offset > 0 && offset < textLength &&
        m_document.characterAt(documentPosition).isLowSurrogate() &&
        m_document.characterAt(documentPosition - 1).isHighSurrogate())
        return documentPosition + (roundUp ? 1 : -1);
    return documentPosition;
}

QTextCharFormat RichTextModel::charFormatAt(int documentPosition) const
{
    QTextCharFormat found;
    forEachFormat(documentPosition, documentPosition + 1, [&](const QTextCharFormat &format) {
        found = format;
        return false;
    });
    return found;
}

void RichTextModel::forEachFormat(int from, int to,
                                  const std::function<bool(const QTextCharFormat &)> &visit) const
{
    for (QTextBlock block = m_document.findBlock(from); block.isValid() && block.position() < to;
         block = block.next()) {
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.position() + fragment.length() <= from)
                continue;
            if (fragment.position() >= to)
                break;
            if (!visit(fragment.charFormat()))
                return;
        }
        const int breakPosition = block.position() + block.length() - 1;
        const QTextBlock next = block.next();
        if (next.isValid() && breakPosition >= from && breakPosition < to) {
            if (!visit(next.charFormat()))
                return;
        }
    }
}

bool RichTextModel::isProtected(int documentPosition) const
{
    if (documentPosition < 0 || documentPosition >= m_document.characterCount() - 1)
        return false;
    return isProtected(charFormatAt(documentPosition));
}

bool RichTextModel::hasProtected(int from, int to) const
{
    bool found = false;
    forEachFormat(from, to, [&](const QTextCharFormat &format) {
        found = isProtected(format);
        return !found;
    });
    return found;
}

bool RichTextModel::insertionAllowed(int from, int to) const
{
    if (hasProtected(from, to))
        return false;
    return !(isProtected(from - 1) && isProtected(to));
}

std::optional<bool> RichTextModel::bullet(int from, int to) const
{
    const auto [first, last] = blocksOf(m_document, from, to);
    std::optional<bool> value;
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        const bool here = block.textList() != nullptr;
        if (value && *value != here)
            return std::nullopt;
        value = here;
        if (block == last)
            break;
    }
    return value;
}

void RichTextModel::setBullet(QTextCursor &cursor, bool on)
{
    const QTextDocument &document = *cursor.document();
    const auto [first, last] = blocksOf(document, cursor.selectionStart(), cursor.selectionEnd());
    cursor.beginEditBlock();
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        QTextList *list = block.textList();
        if (on && !list) {
            // Join the bullet list of the paragraph before, so neighbours form one list. A list
            // marks all its paragraphs for layout again whenever one joins; a long run of
            // bullets is therefore cut into lists of a bounded size, which look the same.
            QTextList *previous =
                block.previous().isValid() ? block.previous().textList() : nullptr;
            if (previous && previous->count() < maxListLength) {
                previous->add(block);
            } else {
                QTextCursor paragraph(block);
                paragraph.createList(bulletListFormat());
            }
        } else if (!on && list) {
            list->remove(block);
            QTextBlockFormat format = block.blockFormat();
            format.setIndent(0);
            QTextCursor(block).setBlockFormat(format);
        }
        if (block == last)
            break;
    }
    cursor.endEditBlock();
}

QFont RichTextModel::effectiveFont(const QTextCharFormat &format) const
{
    return format.font().resolve(m_document.defaultFont());
}

int RichTextModel::colorOf(const QTextCharFormat &format)
{
    const QBrush brush = format.foreground();
    if (brush.style() == Qt::NoBrush)
        return 0;
    const QColor color = brush.color();
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

bool RichTextModel::isProtected(const QTextCharFormat &format)
{
    return format.boolProperty(ProtectedProperty);
}

void RichTextModel::insertPlainText(QTextCursor &cursor, const QString &text,
                                    const QTextCharFormat &format)
{
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    QString piece;
    const auto flush = [&] {
        if (!piece.isEmpty())
            cursor.insertText(piece, format);
        piece.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        switch (c) {
        case u'\r':
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            Q_FALLTHROUGH();
        case u'\n':
        case QChar::ParagraphSeparator:
            flush();
            cursor.insertBlock(cursor.blockFormat(), format);
            break;
        case u'\v':
            piece += QChar(QChar::LineSeparator);
            break;
        case 0xFDD0: // the document's own frame marks
        case 0xFDD1:
            break;
        default:
            // Other control characters draw as nothing sensible and would not come back
            // from the note as saved: left out, as the RTF reader leaves them out.
            if (c >= 0x20 || c == u'\t')
                piece += QChar(c);
        }
    }
    flush();
    cursor.endEditBlock();
}
