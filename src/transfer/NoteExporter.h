#pragma once

#include "shell/SessionFile.h"

#include <QList>
#include <QString>
#include <QStringList>

// Writes every note into one folder: one file per note as Markdown, HTML or RTF, named
// after its first line, with an "index.html" that lists them and their alarms; or every
// note into one printable HTML or PDF file. Only names planned by fileNames are written,
// each a plain name inside the folder; whatever stands at such a name (a link too) is
// replaced, never written through, so the caller asks before replacing (existing).
class NoteExporter
{
public:
    enum class Format { Markdown, Html, Rtf, OneHtml, OnePdf };

    static inline const QString IndexName = QStringLiteral("index.html");
    static inline const QString OneFileBase = QStringLiteral("Pennyquill notes");
    // Long enough to tell notes apart, short enough for every file system.
    static constexpr int MaxBaseLength = 60;

    // A file name made of a note's first line: no "/", "\\", control characters or
    // characters other systems refuse, no leading dot, at most MaxBaseLength characters;
    // "Note" when nothing is left.
    static QString safeBaseName(const QString &firstLine);
    static QString suffix(Format format);

    // The files an export makes, in order: one per note, then index.html; or the one file.
    // Names are unique without regard to case.
    static QStringList fileNames(const QList<SessionFile::Note> &notes, Format format);
    // Those of names that already stand in folder.
    static QStringList existing(const QString &folder, const QStringList &names);

    struct Result
    {
        QStringList written;
        // Empty when every file was written.
        QString error;
    };
    // Makes the folder when missing and writes the files. A failure stops the export and
    // says which file; the files written before it are listed.
    static Result write(const QString &folder, const QList<SessionFile::Note> &notes,
                        Format format);

    // One note's file, or the single file of all notes.
    static QByteArray noteFile(const SessionFile::Note &note, Format format);
    static QByteArray indexFile(const QList<SessionFile::Note> &notes, const QStringList &names);
    static QByteArray oneFile(const QList<SessionFile::Note> &notes, Format format);
};
