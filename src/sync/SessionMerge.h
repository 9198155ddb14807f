#pragma once

#include "shell/SessionFile.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

// Two versions of the session, note by note: the one on disk (another machine's saves, or a
// sync engine's conflict copy) and the one in memory, each note with its revision history.
// Nothing is lost: a note changed on both sides since they last agreed is kept twice. Both
// machines come to the same result from the same two versions, so their next saves agree.
class SessionMerge
{
public:
    // How far a conflict's second version is placed from the first, in twips.
    static constexpr int CopyOffset = 300;

    struct Side
    {
        QList<SessionFile::Note> notes;
        QList<SessionFile::Deleted> deleted;
    };
    struct Conflict
    {
        QString oursId;   // the version this machine had
        QString theirsId; // the version found on disk
        // Their texts as they met, for telling the user which notes they are.
        QString oursText, theirsText;
    };
    struct Result
    {
        // Memory's order, then what only the disk had.
        QList<SessionFile::Note> notes;
        QList<SessionFile::Deleted> deleted;
        // New ones only: a conflict whose copy this machine holds already was settled (the
        // engine's copy of a version that took part in it coming back, say).
        QList<Conflict> conflicts;
        // Notes of memory whose version lost its id to the disk's in a conflict: old -> new.
        QHash<QString, QString> renamed;
        // Notes whose version comes from the disk or changed place: what the windows update.
        QSet<QString> taken;
        // The result is what the disk holds already: nothing to write.
        bool sameAsDisk = false;
    };

    static Result merge(const Side &disk, const Side &memory, const QDateTime &now);

    // How the note looks, whatever its id and revisions: equal looks are the same version.
    static QByteArray look(const SessionFile::Note &note);
    // Deleted notes of both lists, the newer record of each, without those given back by
    // `alive`, none older than KeptDeletedDays and at most MaxDeleted.
    static constexpr int KeptDeletedDays = 60;
    static constexpr int MaxDeleted = 1000;
    static QList<SessionFile::Deleted> joinDeleted(const QList<SessionFile::Deleted> &a,
                                                   const QList<SessionFile::Deleted> &b,
                                                   const QSet<QString> &alive,
                                                   const QDateTime &now);
};
