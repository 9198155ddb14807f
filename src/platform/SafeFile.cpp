#include "platform/SafeFile.h"

#include "platform/FileSystem.h"

#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <sys/stat.h>

namespace SafeFile {

namespace {

QString failure(const QString &path, const QString &why)
{
    return QFileInfo(path).fileName() + QStringLiteral(": ") + why;
}

} // namespace

QString realTarget(const QString &path)
{
    QString target = path;
    // A bounded walk: a loop of links ends as a plain name that cannot be written.
    for (int hops = 0; hops < 16; ++hops) {
        const QFileInfo info(target);
        if (!info.isSymLink())
            return target;
        target = info.symLinkTarget();
    }
    return target;
}

mode_t privateMode(const QString &path)
{
    struct stat old = {};
    if (::stat(QFile::encodeName(path).constData(), &old) != 0)
        return 0600;
    return (old.st_mode & 0600) | 0400;
}

bool writeNew(FileSystem &fs, const QString &path, const QByteArray &bytes, mode_t mode,
              QString *error)
{
    auto fail = [&](const QString &name) {
        if (error)
            *error = failure(name, FileSystem::lastError());
        return false;
    };
    if (!fs.remove(path))
        return fail(path);
    const int fd = fs.create(path, mode);
    if (fd < 0)
        return fail(path);
    const bool written = fs.write(fd, bytes.constData(), bytes.size()) && fs.sync(fd);
    const int writeError = errno;
    const bool closed = fs.close(fd);
    if (written && closed)
        return true;
    if (!written)
        errno = writeError;
    fail(path);
    fs.remove(path);
    return false;
}

bool write(FileSystem &fs, const QString &path, const QByteArray &bytes, QString *error)
{
    const QString target = realTarget(path);
    const QFileInfo info(target);
    if (info.isDir()) {
        if (error)
            *error = failure(target, QStringLiteral("a folder stands there"));
        return false;
    }
    // A name of our own beside the target, so that no file of the user's is touched.
    QString temp;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = target + QStringLiteral(".%1.tmp").arg(QRandomGenerator::global()->generate(), 8, 16,
                                                      QLatin1Char('0'));
        if (!QFileInfo::exists(temp) && !QFileInfo(temp).isSymLink())
            break;
    }
    if (!writeNew(fs, temp, bytes, privateMode(target), error))
        return false;
    if (!fs.rename(temp, target)) {
        if (error)
            *error = failure(target, FileSystem::lastError());
        fs.remove(temp);
        return false;
    }
    if (!fs.syncFolder(info.absolutePath())) {
        if (error)
            *error = failure(info.absolutePath(), FileSystem::lastError());
        return false;
    }
    return true;
}

bool write(const QString &path, const QByteArray &bytes, QString *error)
{
    return write(FileSystem::real(), path, bytes, error);
}

} // namespace SafeFile
