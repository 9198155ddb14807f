#include "platform/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

namespace {

QString lockFileIn(QString dir)
{
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    QDir().mkpath(dir);
    return dir + QStringLiteral("/pennyquill.lock");
}

} // namespace

SingleInstance::SingleInstance(const QString &lockDir) : m_path(lockFileIn(lockDir)), m_lock(m_path)
{
    // No age limit: a running holder keeps the lock for as long as it runs.
    // A lock left by a crashed run is still taken over (its process is gone).
    m_lock.setStaleLockTime(0);
}

bool SingleInstance::acquire()
{
    return m_lock.tryLock(0);
}
