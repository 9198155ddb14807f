#include "sync/PairWatcher.h"

#include <QFileInfo>
#include <algorithm>

PairWatcher::PairWatcher(const QStringList &files, const QStringList &folders, QObject *parent)
    : QObject(parent), m_files(files), m_folders(folders)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &PairWatcher::fire);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &PairWatcher::poke);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &PairWatcher::poke);
    rewatch();
}

void PairWatcher::setTiming(int intervalMs, int settleMs)
{
    m_intervalMs = intervalMs;
    m_settleMs = settleMs;
}

void PairWatcher::poke()
{
    if (m_timer.isActive())
        return;
    const qint64 sinceLast = m_sinceLast.isValid() ? m_sinceLast.elapsed() : m_intervalMs;
    m_timer.start(int(std::max<qint64>(m_settleMs, m_intervalMs - sinceLast)));
}

void PairWatcher::fire()
{
    m_sinceLast.start();
    rewatch();
    emit changed();
}

void PairWatcher::rewatch()
{
    // A file replaced by another drops out of the watch; what is not there yet is
    // seen through its folder.
    const QStringList watched = m_watcher.files() + m_watcher.directories();
    QStringList wanted;
    for (const QString &path : m_files + m_folders)
        if (!watched.contains(path) && QFileInfo::exists(path))
            wanted << path;
    if (!wanted.isEmpty())
        m_watcher.addPaths(wanted);
}
