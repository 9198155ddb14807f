#include "sync/SessionMerge.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QIODevice>
#include <QUuid>
#include <algorithm>
#include <cmath>

namespace {

using Note = SessionFile::Note;
using Deleted = SessionFile::Deleted;

// Names every version of a conflict copy the same on every machine.
const QUuid CopyNamespace(QStringLiteral("{3b0c2f7e-5a53-4e7b-9d1c-6c1f0a2e9b41}"));

bool descends(const Note &newer, const Note &older)
{
    return !older.Revision.isEmpty() && newer.History.contains(older.Revision);
}

// The losing version of a conflict under an id of its own, beside the winner. Ids and
// revisions come from the version itself, so both machines make the same copy.
Note copyOf(const Note &loser)
{
    Note copy = loser;
    copy.Id = QUuid::createUuidV5(CopyNamespace, loser.Id + QLatin1Char('/') + loser.Revision)
                  .toString(QUuid::WithoutBraces);
    copy.Revision = QString::fromLatin1(
        QCryptographicHash::hash((loser.Revision + QStringLiteral("/copy")).toUtf8(),
                                 QCryptographicHash::Sha1)
            .toHex()
            .left(12));
    copy.History.prepend(loser.Revision);
    copy.Left += SessionMerge::CopyOffset;
    copy.Top += SessionMerge::CopyOffset;
    return copy;
}

QHash<QString, Deleted> byId(const QList<Deleted> &deleted)
{
    QHash<QString, Deleted> map;
    for (const Deleted &note : deleted)
        map.insert(note.Id, note);
    return map;
}

} // namespace

QByteArray SessionMerge::look(const Note &note)
{
    // An alarm ringing ("in que" to "played") is the clock's doing on each machine, not a
    // change to carry over: its state is left out.
    QStringList alerts = note.Alerts;
    for (QString &line : alerts) {
        QStringList fields = line.split(QStringLiteral("<splitter>"));
        if (fields.size() > 4)
            fields[4].clear();
        line = fields.join(QStringLiteral("<splitter>"));
    }
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << qint64(std::lround(note.Left)) << qint64(std::lround(note.Top)) << note.Minimized
        << note.Skin << note.Visible << note.OnTop << alerts << note.TextRTF
        << note.Width.value_or(-1) << note.Height.value_or(-1)
        << int(note.AllWorkspaces ? *note.AllWorkspaces : -1);
    return QCryptographicHash::hash(bytes, QCryptographicHash::Md5);
}

QList<Deleted> SessionMerge::joinDeleted(const QList<Deleted> &a, const QList<Deleted> &b,
                                         const QSet<QString> &alive, const QDateTime &now)
{
    QHash<QString, Deleted> joined = byId(a);
    for (const Deleted &note : b)
        if (!joined.contains(note.Id) || joined.value(note.Id).When < note.When)
            joined.insert(note.Id, note);
    QList<Deleted> kept;
    const QDateTime oldest = now.addDays(-KeptDeletedDays);
    for (const Deleted &note : std::as_const(joined))
        if (!alive.contains(note.Id) && note.When >= oldest)
            kept.append(note);
    std::sort(kept.begin(), kept.end(), [](const Deleted &x, const Deleted &y) {
        return x.When != y.When ? x.When > y.When : x.Id < y.Id;
    });
    if (kept.size() > MaxDeleted)
        kept.resize(MaxDeleted);
    return kept;
}

SessionMerge::Result SessionMerge::merge(const Side &disk, const Side &memory, const QDateTime &now)
{
    Result result;
    QHash<QString, const Note *> onDisk;
    for (const Note &note : disk.notes)
        onDisk.insert(note.Id, &note);
    QSet<QString> inMemory;
    const QHash<QString, Deleted> deletedOnDisk = byId(disk.deleted);
    const QHash<QString, Deleted> deletedHere = byId(memory.deleted);
    QList<Note> copies;
    // Copies this machine made or took already: their conflicts were told.
    QSet<QString> settledHere;
    for (const Note &note : memory.notes)
        settledHere.insert(note.Id);
    for (const Deleted &note : memory.deleted)
        settledHere.insert(note.Id);

    for (const Note &ours : memory.notes) {
        inMemory.insert(ours.Id);
        const Note *theirs = onDisk.value(ours.Id);
        if (!theirs) {
            // Gone there: deleted (unchanged here since) or never seen there (added here).
            const auto gone = deletedOnDisk.constFind(ours.Id);
            if (gone == deletedOnDisk.cend() || !gone->Revisions.contains(ours.Revision))
                result.notes.append(ours);
            continue;
        }
        if (ours.Revision == theirs->Revision || descends(ours, *theirs)) {
            result.notes.append(ours);
        } else if (descends(*theirs, ours)) {
            result.notes.append(*theirs);
            result.taken.insert(ours.Id);
        } else if (look(ours) == look(*theirs)) {
            // The same change on both: one revision for it on both, the higher one.
            Note same = ours;
            if (theirs->Revision > ours.Revision) {
                same.Revision = theirs->Revision;
                same.History = theirs->History;
            }
            result.notes.append(same);
        } else {
            // Changed on both: the higher revision keeps the id, the other is a copy beside it.
            const bool oursWins = ours.Revision > theirs->Revision;
            const Note copy = copyOf(oursWins ? *theirs : ours);
            result.notes.append(oursWins ? ours : *theirs);
            copies.append(copy);
            const bool settled = settledHere.contains(copy.Id);
            if (settled) {
                // Ours is kept as that copy already: the window takes theirs if it lost.
                if (!oursWins)
                    result.taken.insert(ours.Id);
            } else if (oursWins) {
                result.conflicts.append({ours.Id, copy.Id, ours.TextRTF, theirs->TextRTF});
                result.taken.insert(copy.Id);
            } else {
                result.renamed.insert(ours.Id, copy.Id);
                result.taken.insert(ours.Id);
                result.conflicts.append({copy.Id, ours.Id, ours.TextRTF, theirs->TextRTF});
                result.taken.insert(copy.Id);
            }
        }
    }
    for (const Note &theirs : disk.notes) {
        if (inMemory.contains(theirs.Id))
            continue;
        // Deleted here while unchanged there stays deleted; anything else is shown.
        const auto gone = deletedHere.constFind(theirs.Id);
        if (gone != deletedHere.cend() && gone->Revisions.contains(theirs.Revision))
            continue;
        result.notes.append(theirs);
        result.taken.insert(theirs.Id);
    }
    QSet<QString> alive;
    for (const Note &note : std::as_const(result.notes))
        alive.insert(note.Id);
    // A copy the other machine made already is there under the same id.
    for (const Note &copy : std::as_const(copies))
        if (!alive.contains(copy.Id) && !deletedHere.contains(copy.Id)) {
            result.notes.append(copy);
            alive.insert(copy.Id);
        }
    result.deleted = joinDeleted(disk.deleted, memory.deleted, alive, now);

    QHash<QString, QString> diskRevisions;
    for (const Note &note : disk.notes)
        diskRevisions.insert(note.Id, note.Revision);
    bool same = diskRevisions.size() == result.notes.size();
    for (qsizetype i = 0; same && i < result.notes.size(); ++i)
        same = diskRevisions.value(result.notes.at(i).Id, QStringLiteral("-")) ==
               result.notes.at(i).Revision;
    QSet<QString> deletedIds, diskDeletedIds;
    for (const Deleted &note : std::as_const(result.deleted))
        deletedIds.insert(note.Id);
    for (const Deleted &note : disk.deleted)
        diskDeletedIds.insert(note.Id);
    result.sameAsDisk = same && deletedIds == diskDeletedIds;
    return result;
}
