#pragma once

#include <QString>
#include <vector>

// A text as searches compare it: case folded, accents and other combining marks dropped,
// compatibility forms (ligatures, full-width letters) spelled out and every kind of white space
// a plain space, so that "Crème" finds "CREME" and "ﬁle" finds "file". It remembers where each
// folded character came from, so a match in the folded text names a range of the original.
class FoldedText
{
public:
    // Stops once `stopAfter` folded characters are there (all of the text when negative).
    explicit FoldedText(QStringView text, int stopAfter = -1);

    const QString &text() const { return m_folded; }
    // The original range [start, end) that folded [from, to) came from, whole characters.
    int sourceStart(int foldedFrom) const;
    int sourceEnd(int foldedTo) const;

    // The folded text alone, without the map (what an index keeps).
    static QString fold(QStringView text);

private:
    QString m_folded;
    // For each folded character, the original position it came from; one more entry for
    // the end.
    std::vector<int> m_source;
};
