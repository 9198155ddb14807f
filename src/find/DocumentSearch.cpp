#include "find/DocumentSearch.h"

#include "find/FoldedText.h"
#include "notes/richtext/RichTextModel.h"

#include <QTextCursor>
#include <QTextDocument>

namespace {

// Replaces [from, to) in the format of its first character, never protected.
void put(QTextCursor &cursor, const RichTextModel &model, const DocumentSearch::Range &range,
         const QString &with)
{
    QTextCharFormat format = model.charFormatAt(range.from);
    format.clearProperty(RichTextModel::ProtectedProperty);
    cursor.setPosition(range.from);
    cursor.setPosition(range.to, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    RichTextModel::insertPlainText(cursor, with, format);
}

} // namespace

DocumentSearch::DocumentSearch(QTextDocument &document) : m_document(document) {}

QList<DocumentSearch::Range> DocumentSearch::matches(const QString &phrase) const
{
    QList<Range> found;
    const QString needle = FoldedText::fold(phrase);
    if (needle.trimmed().isEmpty())
        return found;
    // The plain text has one character per document position.
    const FoldedText text(m_document.toPlainText());
    for (qsizetype at = text.text().indexOf(needle); at >= 0;
         at = text.text().indexOf(needle, at + needle.size())) {
        const Range range{text.sourceStart(int(at)), text.sourceEnd(int(at + needle.size()))};
        if (found.isEmpty() || found.last().to <= range.from)
            found.append(range);
    }
    return found;
}

std::optional<DocumentSearch::Range> DocumentSearch::next(const QString &phrase, int from,
                                                          bool backward) const
{
    const QList<Range> all = matches(phrase);
    if (all.isEmpty())
        return std::nullopt;
    if (backward) {
        for (auto it = all.crbegin(); it != all.crend(); ++it)
            if (it->to <= from)
                return *it;
        return all.last();
    }
    for (const Range &range : all)
        if (range.from >= from)
            return range;
    return all.first();
}

bool DocumentSearch::replaceable(const Range &range) const
{
    return RichTextModel(m_document).insertionAllowed(range.from, range.to);
}

int DocumentSearch::replace(const Range &range, const QString &with)
{
    if (!replaceable(range))
        return -1;
    QTextCursor cursor(&m_document);
    cursor.beginEditBlock();
    put(cursor, RichTextModel(m_document), range, with);
    cursor.endEditBlock();
    return cursor.position();
}

DocumentSearch::Outcome DocumentSearch::replaceAll(const QString &phrase, const QString &with)
{
    Outcome outcome;
    const QList<Range> all = matches(phrase);
    const RichTextModel model(m_document);
    QTextCursor cursor(&m_document);
    cursor.beginEditBlock();
    // From the end, so that the ranges still ahead keep their positions.
    for (auto it = all.crbegin(); it != all.crend(); ++it) {
        if (!model.insertionAllowed(it->from, it->to)) {
            ++outcome.leftAlone;
            continue;
        }
        put(cursor, model, *it, with);
        ++outcome.replaced;
    }
    cursor.endEditBlock();
    return outcome;
}
