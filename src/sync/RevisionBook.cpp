#include "sync/RevisionBook.h"

#include "sync/SessionMerge.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QSet>

namespace {

// A note of an older file has no revision: the one for how it was read is made from that, so
// every machine that reads the same file gives it the same one, and a change made on one of
// them descends from it.
QString firstRevision(const QString &id, const QByteArray &look)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(id.toUtf8() + look, QCryptographicHash::Sha1).toHex().left(12));
}

} // namespace

QString RevisionBook::NewRevision()
{
    const quint64 bits = QRandomGenerator::global()->generate64() & 0xffffffffffffULL;
    return QStringLiteral("%1").arg(bits, 12, 16, QLatin1Char('0'));
}

void RevisionBook::stamp(QList<SessionFile::Note> &notes, const QDateTime &now)
{
    QSet<QString> seen;
    for (SessionFile::Note &note : notes) {
        seen.insert(note.Id);
        const QByteArray look = SessionMerge::look(note);
        Entry &entry = m_entries[note.Id];
        if (entry.revision.isEmpty() && !entry.look.isEmpty())
            entry.revision = firstRevision(note.Id, entry.look);
        if (entry.look != look || entry.revision.isEmpty()) {
            if (!entry.revision.isEmpty())
                entry.history.prepend(entry.revision);
            if (entry.history.size() > HistoryLength)
                entry.history.resize(HistoryLength);
            entry.revision = NewRevision();
            entry.look = look;
        }
        note.Revision = entry.revision;
        note.History = entry.history;
    }
    QList<SessionFile::Deleted> gone;
    for (auto it = m_entries.begin(); it != m_entries.end();) {
        if (seen.contains(it.key())) {
            ++it;
            continue;
        }
        if (!it->revision.isEmpty())
            gone.append({it.key(), QStringList(it->revision) + it->history, now.toUTC()});
        it = m_entries.erase(it);
    }
    if (!gone.isEmpty())
        m_deleted = SessionMerge::joinDeleted(m_deleted, gone, seen, now);
}

void RevisionBook::remember(const QList<SessionFile::Note> &stored,
                            const QList<SessionFile::Note> &live)
{
    QHash<QString, const SessionFile::Note *> byId;
    for (const SessionFile::Note &note : stored)
        byId.insert(note.Id, &note);
    m_entries.clear();
    for (const SessionFile::Note &note : live) {
        const SessionFile::Note *saved = byId.value(note.Id);
        m_entries.insert(note.Id,
                         Entry{saved ? saved->Revision : QString(),
                               saved ? saved->History : QStringList(), SessionMerge::look(note)});
    }
}
