#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

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
    // The running copy's answer to a later start: the exit status the later
    // start ends with and what it prints (on the error stream unless 0).
    struct Reply
    {
        int status = 0;
        QString output;
    };
    using Responder = std::function<void(const Reply &)>;
    // Takes a later start's message; answers through the responder, at once
    // or later (the later start waits for it).
    using Handler = std::function<void(const QStringList &message, const Responder &respond)>;

    // runtimeDir defaults to the user's runtime folder.
    explicit SingleInstance(const QString &dataDir, const QString &runtimeDir = QString(),
                            QObject *parent = nullptr);
    ~SingleInstance() override;

    // First: this process now holds the lock and listens for later starts.
    // Running: another copy holds it. Failed: no lock could be made
    // (errorText() says why).
    Result acquire();
    // A later start: gives the arguments to the running copy and waits for
    // its answer; empty when there is none within the time, or at once when the
    // lock's holder ended without listening (acquire() may then take its place).
    std::optional<Reply> handOff(const QStringList &arguments, int timeoutMs = 5000);
    // Who answers later starts; without one they are answered at once with
    // status 0 (argumentsReceived tells of them either way).
    void setHandler(Handler handler) { m_handler = std::move(handler); }

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
    Handler m_handler;
};
