#pragma once

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <vector>

// The notes as a search sees them: per note (by its id) the plain text, a folded copy of it
// (see FoldedText) and its first line. A search is one or more words, all of which must occur
// somewhere in the note, in any order, matched literally: no character of a search has a
// meaning of its own. Keeping the folded copies means a search never reads the documents.
class NoteIndex
{
public:
    // Where the words of a search were found in a piece of text.
    struct Snippet
    {
        QString text;
        // [start, length) in text.
        QList<QPair<int, int>> highlights;
    };

    // The folded words of a search, duplicates and words inside longer ones dropped; none for
    // a blank search (which every note matches).
    static QStringList Terms(const QString &search);
    static bool Matches(const QString &folded, const QStringList &terms);
    // The first line with text in it, trimmed and cut to `limit` characters; only the start
    // of a long text is read.
    static QString FirstLine(const QString &plain, int limit = 120);

    void setText(const QString &id, const QString &plain);
    void remove(const QString &id);
    bool contains(const QString &id) const { return m_rows.contains(id); }
    int size() const { return int(m_entries.size()); }

    // The ids of the notes the search matches, every note for a blank one.
    QStringList find(const QString &search) const;
    QString firstLine(const QString &id) const;
    // The line to show under a note's first line: around the first word of the search that
    // occurs past the first line (with every word found in it marked), or else the next line
    // with text.
    Snippet snippet(const QString &id, const QStringList &terms, int limit = 120) const;

private:
    struct Entry
    {
        QString id;
        QString plain;
        QString folded;
        QString firstLine;
    };
    std::vector<Entry> m_entries;
    QHash<QString, int> m_rows;
};
