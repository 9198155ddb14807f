#pragma once

#include <QList>
#include <QString>

#include <optional>

class QTextDocument;

// Finding and replacing a phrase in a note's document, matched as the notes list matches
// (folded, literally). Replacing never touches protected text (an alarm mark): a match that
// holds protected characters, or that sits between two of them, is left alone and counted.
class DocumentSearch
{
public:
    // Document positions [from, to).
    struct Range
    {
        int from = 0;
        int to = 0;
        bool operator==(const Range &other) const { return from == other.from && to == other.to; }
    };
    struct Outcome
    {
        int replaced = 0;
        int leftAlone = 0;
    };

    explicit DocumentSearch(QTextDocument &document);

    // Every match of the phrase, in order, none overlapping; none for a blank phrase.
    QList<Range> matches(const QString &phrase) const;
    // The first match at or after `from` (wrapping round to the start), or, going back, the
    // last one that ends at or before `from` (wrapping round to the end); empty when none.
    std::optional<Range> next(const QString &phrase, int from, bool backward) const;
    // Whether the range may be replaced (it holds and touches no protected text).
    bool replaceable(const Range &range) const;
    // Replaces one range; the end of the new text, or -1 when the range may not be replaced.
    int replace(const Range &range, const QString &with);
    // Every match, as one undo step.
    Outcome replaceAll(const QString &phrase, const QString &with);

private:
    QTextDocument &m_document;
};
