#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

class FileSystem;

// Writes files so that nothing is ever half written: every step is checked,
// and a failure leaves what was there before. Files are private (0600, or
// stricter when the user made them so); a link at a file's own name is
// written through to its target, but temporary names are never followed.
namespace SafeFile {

// Writes a whole file through a temporary file beside it that is renamed over
// the old one.
bool write(const QString &path, const QByteArray &bytes, QString *error = nullptr);
bool write(FileSystem &fs, const QString &path, const QByteArray &bytes, QString *error);

// Writes bytes as a new file at exactly this name (whatever stood there, a
// link included, is removed first, never followed), synced to the disk.
// Nothing is left at the name on failure.
bool writeNew(FileSystem &fs, const QString &path, const QByteArray &bytes, mode_t mode,
              QString *error);

// Where a write to path lands: the final target when path is a link.
QString realTarget(const QString &path);
// The permissions for a new version of path: 0600, less what the user took
// away from the group and others' bits of the old one, always readable by its owner.
mode_t privateMode(const QString &path);

} // namespace SafeFile
