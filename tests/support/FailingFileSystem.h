#pragma once

#include "platform/FileSystem.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QStringList>

#include <cerrno>

// The real file system, except that the n-th step (counted from 1, every
// kind of step together) fails as on a full disk. With failAt 0 nothing
// fails, and steps() tells how many a run took.
//
// orderFaults() lists breaches of the order that makes a write last: a new
// file's data synced before it is closed (and renamed), its folder after.
class FailingFileSystem : public FileSystem
{
public:
    explicit FailingFileSystem(int failAt = 0) : m_failAt(failAt) {}

    int steps() const { return m_steps; }
    Step failedStep() const { return m_failed; }

    // Each step as "Rename name", in order.
    QStringList log;

    QStringList orderFaults() const { return m_faults + m_unsyncedFolders.values(); }

    int create(const QString &path, mode_t mode) override
    {
        const int fd = fails(Step::Create, path) ? -1 : FileSystem::create(path, mode);
        if (fd >= 0)
            m_open.insert(fd, path);
        return fd;
    }
    bool write(int fd, const char *data, qint64 size) override
    {
        m_unsynced.insert(m_open.value(fd));
        return !fails(Step::Write, QString()) && FileSystem::write(fd, data, size);
    }
    bool sync(int fd) override
    {
        const bool ok = !fails(Step::Sync, QString()) && FileSystem::sync(fd);
        if (ok)
            m_unsynced.remove(m_open.value(fd));
        return ok;
    }
    bool close(int fd) override
    {
        const QString path = m_open.take(fd);
        if (m_unsynced.contains(path))
            m_faults << "closed unsynced: " + path;
        else
            m_created << path;
        // The file is closed all the same, as the system does.
        const bool failed = fails(Step::Close, QString());
        return FileSystem::close(fd) && !failed;
    }
    bool rename(const QString &from, const QString &to) override
    {
        const bool ok = !fails(Step::Rename, to) && FileSystem::rename(from, to);
        if (ok && m_created.remove(from))
            m_unsyncedFolders.insert(QFileInfo(to).absolutePath());
        return ok;
    }
    bool remove(const QString &path) override
    {
        return !fails(Step::Remove, path) && FileSystem::remove(path);
    }
    bool syncFolder(const QString &path) override
    {
        const bool ok = !fails(Step::SyncFolder, path) && FileSystem::syncFolder(path);
        if (ok)
            m_unsyncedFolders.remove(QFileInfo(path).absoluteFilePath());
        return ok;
    }

private:
    bool fails(Step step, const QString &path)
    {
        static const char *const names[] = {"Create", "Write",  "Sync",      "Close",
                                            "Rename", "Remove", "SyncFolder"};
        log << QString::fromLatin1(names[int(step)]) + QLatin1Char(' ') +
                   path.section(QLatin1Char('/'), -1);
        if (++m_steps != m_failAt)
            return false;
        m_failed = step;
        errno = ENOSPC;
        return true;
    }

    QHash<int, QString> m_open;
    QSet<QString> m_unsynced, m_created, m_unsyncedFolders;
    QStringList m_faults;
    int m_failAt;
    int m_steps = 0;
    Step m_failed = Step::Create;
};
