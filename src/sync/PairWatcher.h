#pragma once

#include <QElapsedTimer>
#include <QFileSystemWatcher>
#include <QObject>
#include <QStringList>
#include <QTimer>

// Watches files and the folders they live in (sync engines replace a file by renaming a new
// one onto it, which ends a watch on the file itself) and says so, a little after the first
// change and at most once per interval however many changes come: a folder changing a
// thousand times a second costs one look per second.
class PairWatcher : public QObject
{
    Q_OBJECT
public:
    static constexpr int IntervalMs = 1000;
    static constexpr int SettleMs = 200;

    PairWatcher(const QStringList &files, const QStringList &folders, QObject *parent = nullptr);

    void setTiming(int intervalMs, int settleMs);
    // A change was seen: changed() follows, within the limits above.
    void poke();

signals:
    void changed();

private:
    void rewatch();
    void fire();

    QStringList m_files;
    QStringList m_folders;
    QFileSystemWatcher m_watcher;
    QTimer m_timer;
    QElapsedTimer m_sinceLast;
    int m_intervalMs = IntervalMs;
    int m_settleMs = SettleMs;
};
