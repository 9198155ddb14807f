#pragma once

#include <QString>

#include <sys/types.h>

// The few file operations a safe save is made of. Every call reports failure
// (errno tells why), so no step can fail unnoticed; tests put a double in its
// place that fails the n-th step, as a full disk or a bad folder would.
class FileSystem
{
public:
    enum class Step { Create, Write, Sync, Close, Rename, Remove, SyncFolder };

    virtual ~FileSystem() = default;

    // The operating system itself.
    static FileSystem &real();

    // A new file that must not exist yet, never made through a link at that
    // name, with exactly the given permissions. -1 on failure.
    virtual int create(const QString &path, mode_t mode);
    virtual bool write(int fd, const char *data, qint64 size);
    // Waits until the file's data is on the disk.
    virtual bool sync(int fd);
    virtual bool close(int fd);
    // Replaces `to` (a link there is replaced, not followed) in one step.
    virtual bool rename(const QString &from, const QString &to);
    // Removes a file or link; a missing one counts as removed.
    virtual bool remove(const QString &path);
    // Makes the renames inside a folder last across a power cut.
    virtual bool syncFolder(const QString &path);

    // The text of errno, for messages.
    static QString lastError();
};
