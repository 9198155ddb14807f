#include "platform/Folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <sys/stat.h>

Folders::Folders(const QString &profileDir, const QString &dataDir)
    : m_profileDir(QDir::cleanPath(profileDir)), m_dataDir(QDir::cleanPath(dataDir))
{
}

Folders Folders::fromEnvironment()
{
    const QString home = qEnvironmentVariable("PENNYQUILL_HOME");
    if (!home.isEmpty())
        return Folders(home, home);
    // The generic locations honour XDG_CONFIG_HOME and XDG_DATA_HOME.
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return Folders(config + QStringLiteral("/pennyquill"), data + QStringLiteral("/pennyquill"));
}

QString Folders::skinsDir() const
{
    return m_dataDir + QStringLiteral("/skins");
}

QString Folders::sharedDataDir()
{
    const QString beside =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/pennyquill");
    if (QDir(beside).exists())
        return QDir::cleanPath(beside);
    return QStringLiteral(PQ_INSTALL_DATADIR);
}

QString Folders::tempPath()
{
    QString dir = QDir::tempPath();
    // Qt on Unix gives an empty path when TMPDIR names a missing folder;
    // appending the separator would then make it the root folder.
    if (dir.isEmpty())
        dir = QStringLiteral("/tmp");
    return dir + QLatin1Char('/');
}

QString Folders::profileFile(const QString &name) const
{
    return m_profileDir + QLatin1Char('/') + name;
}

QString Folders::dataFile(const QString &name) const
{
    return m_dataDir + QLatin1Char('/') + name;
}

bool Folders::makePrivateFolder(const QString &path)
{
    // Only the folders made here are narrowed; one the user made keeps its mode.
    QStringList missing;
    for (QString dir = QDir::cleanPath(path); !dir.isEmpty() && !QFileInfo::exists(dir);) {
        missing.prepend(dir);
        const QString parent = QFileInfo(dir).path();
        if (parent == dir)
            break;
        dir = parent;
    }
    for (const QString &dir : std::as_const(missing)) {
        if (::mkdir(QFile::encodeName(dir).constData(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    return QFileInfo(path).isDir();
}

bool Folders::ensureExist() const
{
    return makePrivateFolder(m_profileDir) && makePrivateFolder(m_dataDir) &&
           makePrivateFolder(skinsDir());
}
