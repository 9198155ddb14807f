#pragma once

#include "platform/FileSystem.h"

#include <QStringList>

#include <cerrno>

// The real file system, except that the n-th step (counted from 1, every
// kind of step together) fails as on a full disk. With failAt 0 nothing
// fails, and steps() tells how many a run took.
class FailingFileSystem : public FileSystem
{
public:
    explicit FailingFileSystem(int failAt = 0) : m_failAt(failAt) {}

    int steps() const { return m_steps; }
    Step failedStep() const { return m_failed; }

    // Each step as "Rename name", in order.
    QStringList log;

    int create(const QString &path, mode_t mode) override
    {
        return fails(Step::Create, path) ? -1 : FileSystem::create(path, mode);
    }
    bool write(int fd, const char *data, qint64 size) override
    {
        return !fails(Step::Write, QString()) && FileSystem::write(fd, data, size);
    }
    bool sync(int fd) override { return !fails(Step::Sync, QString()) && FileSystem::sync(fd); }
    bool close(int fd) override
    {
        // The file is closed all the same, as the system does.
        const bool failed = fails(Step::Close, QString());
        return FileSystem::close(fd) && !failed;
    }
    bool rename(const QString &from, const QString &to) override
    {
        return !fails(Step::Rename, to) && FileSystem::rename(from, to);
    }
    bool remove(const QString &path) override
    {
        return !fails(Step::Remove, path) && FileSystem::remove(path);
    }
    bool syncFolder(const QString &path) override
    {
        return !fails(Step::SyncFolder, path) && FileSystem::syncFolder(path);
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

    int m_failAt;
    int m_steps = 0;
    Step m_failed = Step::Create;
};
