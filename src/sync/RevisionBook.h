#pragma once

#include "shell/SessionFile.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>

// What this program last saved, read or took of each note: its revision and history, and
// how the note looked then. A note that looks different at the next save gets a new revision
// made from the last one; a note that is gone leaves a record of its deletion.
class RevisionBook
{
public:
    // How many earlier revisions a note carries.
    static constexpr int HistoryLength = 40;

    // Gives every note (as the windows have it now) its revision: the recorded one while it
    // looks the same, else a new one whose history starts with the recorded one. Notes
    // recorded but no longer there are deleted at `now`.
    void stamp(QList<SessionFile::Note> &notes, const QDateTime &now);
    // Records the notes as they stand now: revisions from `stored` (by id; none for notes
    // of older files), looks from `live` (what the windows give back).
    void remember(const QList<SessionFile::Note> &stored, const QList<SessionFile::Note> &live);

    QList<SessionFile::Deleted> deleted() const { return m_deleted; }
    void setDeleted(const QList<SessionFile::Deleted> &deleted) { m_deleted = deleted; }

    static QString NewRevision();

private:
    struct Entry
    {
        QString revision;
        QStringList history;
        QByteArray look;
    };
    QHash<QString, Entry> m_entries;
    QList<SessionFile::Deleted> m_deleted;
};
