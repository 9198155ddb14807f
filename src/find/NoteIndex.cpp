#include "find/NoteIndex.h"

#include "find/FoldedText.h"

#include <algorithm>

namespace {

bool isBreak(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::ParagraphSeparator ||
           c == QChar::LineSeparator || c == QLatin1Char('\v');
}

// [start, end) of the line holding position `at`.
QPair<int, int> lineAround(const QString &text, int at)
{
    int start = at;
    while (start > 0 && !isBreak(text.at(start - 1)))
        --start;
    int end = at;
    while (end < text.size() && !isBreak(text.at(end)))
        ++end;
    return {start, end};
}

} // namespace

QStringList NoteIndex::Terms(const QString &search)
{
    QStringList words = FoldedText::fold(search).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    // Longest first, so that a word inside a longer one can go: it adds nothing.
    std::sort(words.begin(), words.end(),
              [](const QString &a, const QString &b) { return a.size() > b.size(); });
    QStringList terms;
    for (const QString &word : std::as_const(words))
        if (std::none_of(terms.cbegin(), terms.cend(),
                         [&word](const QString &kept) { return kept.contains(word); }))
            terms << word;
    return terms;
}

bool NoteIndex::Matches(const QString &folded, const QStringList &terms)
{
    return std::all_of(terms.cbegin(), terms.cend(),
                       [&folded](const QString &term) { return folded.contains(term); });
}

QString NoteIndex::FirstLine(const QString &plain, int limit)
{
    int start = 0;
    while (start < plain.size()) {
        const auto [from, to] = lineAround(plain, start);
        const QString line = plain.mid(from, std::min(to - from, limit * 4)).simplified();
        if (!line.isEmpty())
            return line.left(limit);
        start = to + 1;
    }
    return QString();
}

void NoteIndex::setText(const QString &id, const QString &plain)
{
    Entry entry{id, plain, FoldedText::fold(plain), FirstLine(plain)};
    if (const auto row = m_rows.constFind(id); row != m_rows.cend()) {
        m_entries[size_t(*row)] = std::move(entry);
        return;
    }
    m_rows.insert(id, int(m_entries.size()));
    m_entries.push_back(std::move(entry));
}

void NoteIndex::remove(const QString &id)
{
    const auto row = m_rows.constFind(id);
    if (row == m_rows.cend())
        return;
    const int at = *row;
    m_rows.erase(row);
    if (at != int(m_entries.size()) - 1) {
        m_entries[size_t(at)] = std::move(m_entries.back());
        m_rows[m_entries[size_t(at)].id] = at;
    }
    m_entries.pop_back();
}

QStringList NoteIndex::find(const QString &search) const
{
    const QStringList terms = Terms(search);
    QStringList ids;
    for (const Entry &entry : m_entries)
        if (Matches(entry.folded, terms))
            ids << entry.id;
    return ids;
}

QString NoteIndex::firstLine(const QString &id) const
{
    const auto row = m_rows.constFind(id);
    return row == m_rows.cend() ? QString() : m_entries[size_t(*row)].firstLine;
}

NoteIndex::Snippet NoteIndex::snippet(const QString &id, const QStringList &terms, int limit) const
{
    Snippet result;
    const auto row = m_rows.constFind(id);
    if (row == m_rows.cend())
        return result;
    const Entry &entry = m_entries[size_t(*row)];
    const QString &plain = entry.plain;
    // Past the first line with text, which the list shows already.
    int skip = 0;
    while (skip < plain.size() && (isBreak(plain.at(skip)) || plain.at(skip).isSpace()))
        ++skip;
    skip = lineAround(plain, skip).second;
    // Folding keeps line breaks in place (as spaces), so the folded position of a line start
    // is found by folding the text before it: done once, for the lines before the match only.
    const int foldedSkip = int(FoldedText::fold(QStringView(plain).left(skip)).size());
    int foldedAt = -1;
    for (const QString &term : terms) {
        const int at = int(entry.folded.indexOf(term, foldedSkip));
        if (at >= 0 && (foldedAt < 0 || at < foldedAt))
            foldedAt = at;
    }
    int lineStart = skip;
    if (foldedAt >= 0) {
        // The original position of the match: fold forward from the first line's end.
        const FoldedText rest(QStringView(plain).mid(skip), foldedAt - foldedSkip + 1);
        lineStart = lineAround(plain, skip + rest.sourceStart(foldedAt - foldedSkip)).first;
    } else {
        while (lineStart < plain.size() && isBreak(plain.at(lineStart)))
            ++lineStart;
    }
    const auto [from, to] = lineAround(plain, std::min(lineStart, int(plain.size())));
    QString line = plain.mid(from, to - from);
    // A long line is shown from a little before the match.
    if (foldedAt >= 0 && line.size() > limit) {
        int first = int(line.size());
        const FoldedText folded(line);
        for (const QString &term : terms)
            if (const int at = int(folded.text().indexOf(term)); at >= 0)
                first = std::min(first, folded.sourceStart(at));
        const int start = std::max(0, first - limit / 4);
        line = line.mid(start);
    }
    line = line.left(limit);
    result.text = line;
    const FoldedText folded(line);
    for (const QString &term : terms) {
        for (qsizetype at = folded.text().indexOf(term); at >= 0;
             at = folded.text().indexOf(term, at + term.size())) {
            const int start = folded.sourceStart(int(at));
            result.highlights.append({start, folded.sourceEnd(int(at + term.size())) - start});
        }
    }
    std::sort(result.highlights.begin(), result.highlights.end());
    return result;
}
