#include "platform/FileSystem.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FileSystem &FileSystem::real()
{
    static FileSystem system;
    return system;
}

int FileSystem::create(const QString &path, mode_t mode)
{
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    // The umask could only have taken bits away; set exactly what was asked.
    if (fd >= 0 && ::fchmod(fd, mode) != 0) {
        const int error = errno;
        ::close(fd);
        ::unlink(QFile::encodeName(path).constData());
        errno = error;
        return -1;
    }
    return fd;
}

bool FileSystem::write(int fd, const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(size));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (written == 0) {
            errno = ENOSPC;
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

bool FileSystem::sync(int fd)
{
    return ::fsync(fd) == 0;
}

bool FileSystem::close(int fd)
{
    // Some file systems report a failed write only here.
    return ::close(fd) == 0;
}

bool FileSystem::rename(const QString &from, const QString &to)
{
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

bool FileSystem::remove(const QString &path)
{
    return ::unlink(QFile::encodeName(path).constData()) == 0 || errno == ENOENT;
}

bool FileSystem::syncFolder(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    // Some file systems cannot sync a folder at all; that is no failure of ours.
    const bool ok = ::fsync(fd) == 0 || errno == EINVAL || errno == EROFS;
    const int error = errno;
    ::close(fd);
    errno = error;
    return ok;
}

QString FileSystem::lastError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}
