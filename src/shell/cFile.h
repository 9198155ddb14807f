#pragma once

#include <QHash>
#include <QSet>
#include <QString>

// The note text file "filecon.pqn": one block per saved note, each the header
// line "[ID: n]", the note's rich text and a line end, lines ending in CR LF.
//
// Writing collects the blocks; the session writes the collected text whole,
// together with the session file, so a crash never leaves half a file.
// Reading indexes the blocks once; ReadIt then gives the same text as a scan
// from the top would, the first block of an ID winning.
class cFile
{
public:
    explicit cFile(const QString &path);

    // OpenMode 1 starts the file afresh; any other mode appends.
    void WriteIt(int ID, int OpenMode, const QString &sWrite);
    // The lines after "[ID: n]" up to the next header, each with CR LF
    // appended; empty when there is no such block.
    QString ReadIt(int ID);

    // The text WriteIt has collected.
    QByteArray pending() const { return m_pending.toUtf8(); }

    // ReadIt with a damaged block mended as far as it goes: a closing brace
    // without its group dropped, the groups a cut left open closed, so the
    // text is written back whole.
    QString ReadClosed(int ID);

    bool hasBlock(int ID);
    // A rich-text block that opens a group it never closes: cut or damaged.
    bool blockIsDamaged(int ID);

private:
    void index();

    QString m_path;
    QString m_pending;
    bool m_indexed = false;
    QHash<int, QString> m_blocks;
    QSet<int> m_damaged;
};
