#pragma once

#include "platform/FileSystem.h"
#include "platform/Folders.h"

class IniFile;

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

// The session: "session.ini" (one section per note: place, states, skin,
// alarms) in the profile folder and "filecon.pqn" (each note's rich text) in
// the data folder.
//
// Saving writes both files whole and puts them in place together: the new
// pair is written beside the old one, a marker file says a save is being put
// in place, and a start that finds the marker finishes the job. So a crash at
// any moment leaves either the old pair or the new one. The previous pair is
// kept as "session.ini.bak" and "filecon.pqn.bak", and the first save of each
// day is also kept in the "backups" folder for a week.
//
// A pair is whole when "session.ini" holds its count ("Total", written last)
// and a section for each note, "filecon.pqn" a whole block for each, and the
// text file is the one the session file was saved with ("TextHash", with no
// note section beyond the count). Anything less was cut, emptied or mixed
// with another save: damage.
class SessionFile
{
public:
    struct Note
    {
        double Left = 0;
        double Top = 0;
        bool Minimized = false;
        QString Skin;
        bool Visible = true;
        bool OnTop = false;
        QStringList Alerts;
        QString TextRTF;
        // Who the note is, the same across saves and unique in a session ("NoteID"), and
        // when its text or alarms last changed ("Changed", UTC; invalid when not known).
        QString Id;
        QDateTime Changed;
        // The note's own size in twips ("Width", "Height"); absent: the classic size.
        std::optional<int> Width;
        std::optional<int> Height;
        // The note's own choice of showing on every workspace ("AllWorkspaces").
        std::optional<bool> AllWorkspaces;
        // Which saved change of the note this is ("Revision": new for each saved change) and
        // the changes it was made from, newest first ("History", the last few): how two
        // machines sharing the files tell whose version is the newer one.
        QString Revision;
        QStringList History;
    };

    // A note deleted not long ago, with its last revision and history ("Revisions", newest
    // first), kept in "[Deleted notes]" so that a machine that still has that version
    // deletes it too, and one that changed it since keeps it.
    struct Deleted
    {
        QString Id;
        QStringList Revisions;
        QDateTime When;
    };

    // What a pair on disk was when it was last read or written: a save that finds anything
    // else there merges first.
    struct Mark
    {
        qint64 sessionSize = -1;
        qint64 textSize = -1;
        QDateTime sessionTime;
        QDateTime textTime;
        QByteArray hash;
        bool operator==(const Mark &other) const;
    };

    // How long a pair whose halves do not match (its other half may still be on its way from
    // a sync engine) is waited for before it counts as damaged, in steps of stepMs;
    // pause(ms) returns false to stop waiting. No wait by default.
    struct ArrivalWait
    {
        int limitMs = 0;
        int stepMs = 250;
        std::function<bool(int ms)> pause;
    };

    struct LoadResult
    {
        QList<Note> notes;
        // Set when the files could not be used and a backup was read instead.
        QString restoredFrom;
        // When nothing good was left: the newest daily backup, for the user
        // to look at.
        QString newestBackup;
        // Set when the files are damaged and no backup could help.
        bool damaged = false;
        // The names the files found were moved to before anything replaced
        // them ("session.ini.damaged", ...): only those really kept.
        QStringList keptAside;

        // Notes deleted lately (from "[Deleted notes]").
        QList<Deleted> deleted;

        // What the user is told about it; empty when all went well.
        QString message() const;
    };

    // A pair read as it stands, for a merge while running: nothing is moved or written.
    enum class PairState { Absent, Incomplete, Damaged, Arriving, Whole };
    struct Snapshot
    {
        PairState state = PairState::Absent;
        QList<Note> notes;
        QList<Deleted> deleted;
        Mark mark;
    };

    static constexpr int KeptDays = 7;
    // More notes than anyone keeps: a larger "Total" is taken as this many.
    static constexpr int MaxNotes = 10000;

    explicit SessionFile(const Folders &folders, FileSystem &fs = FileSystem::real());

    QString sessionPath() const;
    QString textPath() const;

    // Reads the session, with the defaults of missing files and keys (one
    // note at (50, 50) without a session file). Files that are damaged or
    // missing while a whole ".bak" pair is there are replaced by it (damaged
    // or half-missing ones by the newest whole daily backup when ".bak" is
    // no good), after being moved aside.
    // Copies left by an interrupted write (".tmp") and damaged files kept
    // aside more than KeptDays before now are removed first.
    LoadResult load(const QDateTime &now = QDateTime::currentDateTime());
    // Writes the whole session; on failure the old files stay and error says
    // why. A failure after the new files were complete is finished by the
    // next save or start.
    bool save(const QList<Note> &notes, const QDate &today = QDate::currentDate(),
              QString *error = nullptr, const QList<Deleted> &deleted = {});

    void setArrivalWait(const ArrivalWait &wait) { m_wait = wait; }
    // The main pair as it is on disk now.
    Mark mark() const;
    // Reads the main pair, waiting for a pair that is arriving; nothing is moved or written.
    Snapshot snapshot();
    // The same for any pair (a sync engine's conflict copy), without waiting.
    static Snapshot snapshotOf(const QString &sessionPath, const QString &textPath);
    // Moves damaged files of the main pair aside (".damaged"); the names they got.
    QStringList setAsideDamaged();

    // "<alertsplitter>" before every entry, line breaks as "[CRLF]".
    static QString EncodeAlerts(const QStringList &entries);
    static QStringList DecodeAlerts(const QString &value);
    // "True"/"False" in any case, or a number (not zero is true).
    static std::optional<bool> ParseTruth(const QString &text);
    // A new note id, unlike every other.
    static QString NewId();

private:
    struct Pair
    {
        QString session;
        QString text;
    };
    // Absent: neither file; Incomplete: one of them; Damaged: a file that
    // cannot be read, a count that is no number or a cut text block; Arriving: a
    // text file other than the one the session file was written with.

    Pair mainPair() const;
    Pair backupPair() const;
    Pair dailyPair(const QDate &day) const;
    // The daily backups, newest first.
    QList<Pair> dailyPairs() const;
    QString backupsDir() const;
    QString markerPath() const;
    // The names a save replaces, besides the daily backups.
    QStringList allowedTargets() const;
    bool finishInterruptedSave(QString *error);
    Pair keepAside(const Pair &pair, QStringList *kept, bool *allKept);
    void pruneBackups(const QDate &today);
    void removeOldLeftovers(const QDateTime &now);
    struct Parsed;
    // parsed: the files as parsed, when they are whole.
    static PairState check(const Pair &pair, std::unique_ptr<Parsed> *parsed = nullptr);
    static QList<Note> read(const Pair &pair, bool damaged = false, Parsed *parsed = nullptr);
    static QList<Deleted> readDeleted(const IniFile &ini);
    static Mark markOf(const Pair &pair);
    // check(), waiting while the pair is arriving; still arriving after the wait: damaged.
    PairState checkWaiting(const Pair &pair, std::unique_ptr<Parsed> *parsed = nullptr);

    Folders m_folders;
    FileSystem &m_fs;
    ArrivalWait m_wait;
};
