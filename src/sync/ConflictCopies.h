#pragma once

#include "shell/SessionFile.h"

#include <QString>
#include <QStringList>

// The copies of the session pair that sync engines leave when both machines changed a file
// at once: Syncthing's "session.sync-conflict-<date>-<time>-<device>.ini", Nextcloud's
// "session (conflicted copy <date> <time>).ini" and Dropbox's "session (<who>'s conflicted
// copy <date>).ini", and the same for "filecon.pqn".
class ConflictCopies
{
public:
    struct Found
    {
        // The pair read: a copy of each file, or a copy beside the other main file.
        SessionFile::Snapshot snapshot;
        // The engine's files that made it (what goes to the backups afterwards).
        QStringList files;
    };

    // What tells one copy of `name` ("session.ini") from another; empty when `fileName` is
    // no conflict copy of it.
    static QString markerOf(const QString &fileName, const QString &name);
    // The copies beside the main pair, each read with a partner whose stamp it matches
    // (a copy of the other file first, else the other main file). Copies without one (cut,
    // emptied, or waiting for their partner) go to `unmatched`.
    static QList<Found> find(const QString &sessionPath, const QString &textPath,
                             QStringList *unmatched);
    // The engines' copies of the ".bak" pair ("session.ini.sync-conflict-<...>.bak", or
    // "session.sync-conflict-<...>.ini.bak"): older than the pair, so kept but not merged.
    static QStringList backupCopies(const QString &sessionPath, const QString &textPath);
};
