#pragma once

#include "shell/SessionFile.h"
#include "sync/RevisionBook.h"
#include "sync/SessionMerge.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <functional>

class PairWatcher;
class frmNote;
struct AppContext;

// Keeps the open notes in step with the session files when something else changes them (a
// sync engine bringing another machine's saves, or its conflict copies): watches the pair,
// merges what changed on disk into the notes (SessionMerge) and shows the result on the
// windows, live. Before each save it merges first, so a save never replaces notes it has
// not seen.
class NotesSync : public QObject
{
    Q_OBJECT
public:
    // How long a half-delivered pair is waited for before it counts as damaged.
    static constexpr int ArrivalWaitMs = 10000;
    // Makes a window for a note that came from disk.
    using NoteMaker = std::function<frmNote *(const SessionFile::Note &)>;

    NotesSync(AppContext &ctx, NoteMaker makeNote, QObject *parent = nullptr);
    ~NotesSync() override;

    // How a pair that is arriving is waited for (tests wait without sleeping).
    SessionFile::ArrivalWait arrivalWait;

    // The session is back: records what was read and starts watching.
    void start(const SessionFile::LoadResult &loaded);
    // The notes to write now, with revisions, after merging what changed on disk (shown on
    // the windows unless the program is ending). False: nothing to write.
    bool prepareSave(QList<SessionFile::Note> *notes, QList<SessionFile::Deleted> *deleted,
                     bool ending);
    // The notes were written.
    void saved(const QList<SessionFile::Note> &notes);
    // Looks at the files now: merges a changed pair and the sync engines' conflict copies.
    void checkDisk();

    PairWatcher *watcher() const { return m_watcher; }
    // Merges run so far (for tests and benchmarks).
    int mergeCount() const { return m_merges; }

signals:
    // The merge changed the notes: they want saving.
    void notesChanged();

private:
    // Merges a pair read from disk (the main pair, or a conflict copy).
    SessionMerge::Result mergeFrom(const SessionFile::Snapshot &disk, bool ending,
                                   bool mainPair = true);
    // before: the notes as the windows gave them for the merge.
    void apply(const SessionMerge::Result &result, const QList<SessionFile::Note> &before);
    void update(frmNote *note, const SessionFile::Note &stored);
    void takeAlarms(frmNote *note, const QStringList &alerts);
    void tellConflicts(const QList<SessionMerge::Conflict> &conflicts);
    void tellDamaged(const QStringList &keptAs);
    void mergeConflictCopies();
    // Moves an engine's copy into the backups folder; the name it got there.
    QString putInBackups(const QString &path);
    QHash<QString, frmNote *> windows() const;
    QStringList skinFiles() const;
    void redressSkinnedNotes();

    AppContext &m_ctx;
    NoteMaker m_makeNote;
    RevisionBook m_book;
    // The pair as this program last read or wrote it.
    SessionFile::Mark m_mark;
    // What the last read or written pair held, to tell whether a save has anything new.
    QHash<QString, QString> m_diskRevisions;
    QList<SessionFile::Deleted> m_diskDeleted;
    PairWatcher *m_watcher = nullptr;
    bool m_busy = false;
    int m_merges = 0;
    // When a copy without a partner was first seen, so it is given the arrival wait.
    QHash<QString, QDateTime> m_unmatchedSince;
    // When the pair on disk was first seen half delivered.
    QDateTime m_arrivingSince;
    // The skin files there were at the last look.
    QStringList m_skins;
};
