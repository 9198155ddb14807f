#include "find/FoldedText.h"

#include <QList>

#include <algorithm>

namespace {

bool isMark(char32_t c)
{
    const QChar::Category category = QChar::category(c);
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
           category == QChar::Mark_Enclosing;
}

// Appends what one character (code point) folds to.
template <typename Put> void foldOne(char32_t c, Put put)
{
    if (c < 0x80) { // most text: no table needed
        if (c >= 'A' && c <= 'Z')
            c += 'a' - 'A';
        else if (c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f')
            c = ' ';
        put(c);
        return;
    }
    if (QChar::isSpace(c)) {
        put(U' ');
        return;
    }
    // Qt folds case one character to one; the sharp s folds to two.
    if (c == U'\u00DF' || c == U'\u1E9E') {
        put(U's');
        put(U's');
        return;
    }
    const QString spelled = QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_KD);
    const QList<uint> points = spelled.toCaseFolded().toUcs4();
    for (const uint point : points)
        if (!isMark(point))
            put(QChar::isSpace(point) ? U' ' : char32_t(point));
}

// Visits every code point until visit returns false.
template <typename Visit> void forEachPoint(QStringView text, Visit visit)
{
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar here = text.at(i);
        if (here.isHighSurrogate() && i + 1 < size && text.at(i + 1).isLowSurrogate()) {
            if (!visit(QChar::surrogateToUcs4(here, text.at(i + 1)), int(i)))
                return;
            ++i;
        } else if (!visit(char32_t(here.unicode()), int(i))) {
            return;
        }
    }
}

void append(QString &out, char32_t c)
{
    if (QChar::requiresSurrogates(c)) {
        out += QChar(QChar::highSurrogate(c));
        out += QChar(QChar::lowSurrogate(c));
    } else {
        out += QChar(char16_t(c));
    }
}

} // namespace

FoldedText::FoldedText(QStringView text, int stopAfter)
{
    const qsizetype expected =
        stopAfter < 0 ? text.size() : std::min<qsizetype>(stopAfter, text.size());
    m_folded.reserve(expected);
    m_source.reserve(size_t(expected) + 1);
    int end = int(text.size());
    forEachPoint(text, [&](char32_t c, int at) {
        if (stopAfter >= 0 && m_folded.size() >= stopAfter) {
            end = at;
            return false;
        }
        foldOne(c, [this, at](char32_t out) {
            const qsizetype before = m_folded.size();
            append(m_folded, out);
            m_source.insert(m_source.end(), size_t(m_folded.size() - before), at);
        });
        return true;
    });
    m_source.push_back(end);
}

QString FoldedText::fold(QStringView text)
{
    QString folded;
    folded.reserve(text.size());
    forEachPoint(text, [&folded](char32_t c, int) {
        foldOne(c, [&folded](char32_t out) { append(folded, out); });
        return true;
    });
    return folded;
}

int FoldedText::sourceStart(int foldedFrom) const
{
    return m_source.at(size_t(std::clamp(foldedFrom, 0, int(m_folded.size()))));
}

int FoldedText::sourceEnd(int foldedTo) const
{
    const int to = std::clamp(foldedTo, 0, int(m_folded.size()));
    if (to == 0)
        return m_source.front();
    // A match that ends inside what one character spelled out takes the whole character.
    const int last = m_source.at(size_t(to - 1));
    auto next = std::upper_bound(m_source.begin() + to, m_source.end() - 1, last);
    return next == m_source.end() - 1 ? m_source.back() : *next;
}
