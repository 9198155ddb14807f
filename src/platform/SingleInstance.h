#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

class QLocalServer;

// One running notes program per user and data folder: the first start holds
// a lock file and listens in the user's runtime folder (in the data folder
// when there is no usable runtime folder). A later start on the same folder
// hands its command line to the running copy and ends; copies on different
// folders run side by side.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    enum class Result { First, Running, Failed };

    // runtimeDir defaults to the user's runtime folder.
    explicit SingleInstance(const QString &dataDir, const QString &runtimeDir = QString(),
                            QObject *parent = nullptr);
    ~SingleInstance() override;

    // First: this process now holds the lock and listens for later starts.
    // Running: another copy holds it. Failed: no lock could be made
    // (errorText() says why).
    Result acquire();
    // A later start: gives the arguments to the running copy; false when it
    // does not take them within the time, or at once when the lock's holder
    // ended without listening (acquire() may then take its place).
    bool handOff(const QStringList &arguments, int timeoutMs = 5000);

    QString lockPath() const { return m_lockPath; }
    QString serverPath() const { return m_serverPath; }
    QString errorText() const { return m_error; }

signals:
    // A later start's command line, without the program's name.
    void argumentsReceived(const QStringList &arguments);

private:
    void takeConnection();
    // Whether the process holding the lock still runs.
    bool holderAlive() const;

    QString m_lockPath;
    QString m_serverPath;
    QString m_error;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
};
