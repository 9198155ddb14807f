#include "platform/SingleInstance.h"

#include "platform/Folders.h"
#include "platform/FrameReader.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QStandardPaths>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <memory>
#include <unistd.h>

namespace {

// The folder for the lock and the socket: the runtime folder when it is the
// user's own and usable, else the data folder, which is the user's too; never
// a folder shared with other users.
QString instanceFolder(QString runtimeDir, const QString &dataDir)
{
    if (runtimeDir.isEmpty())
        runtimeDir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    const QFileInfo runtime(runtimeDir);
    if (!runtimeDir.isEmpty() && runtime.isDir() && runtime.isWritable() &&
        runtime.ownerId() == ::getuid())
        return runtime.absoluteFilePath();
    return dataDir;
}

// The same name for the same data folder, however it was written.
QString folderKey(const QString &dataDir)
{
    QFileInfo info(dataDir);
    const QString canonical = info.canonicalFilePath();
    const QByteArray path = (canonical.isEmpty() ? info.absoluteFilePath() : canonical).toUtf8();
    return QString::fromLatin1(
        QCryptographicHash::hash(path, QCryptographicHash::Sha1).toHex().left(12));
}

template <typename... Values> QByteArray framed(const Values &...values)
{
    QByteArray body;
    QDataStream bodyOut(&body, QIODevice::WriteOnly);
    (bodyOut << ... << values);
    QByteArray frame;
    QDataStream frameOut(&frame, QIODevice::WriteOnly);
    frameOut << body;
    return frame;
}

} // namespace

SingleInstance::SingleInstance(const QString &dataDir, const QString &runtimeDir, QObject *parent)
    : QObject(parent)
{
    Folders::makePrivateFolder(dataDir);
    const QString folder = instanceFolder(runtimeDir, dataDir);
    const QString base = folder + QStringLiteral("/pennyquill-") + folderKey(dataDir);
    m_lockPath = base + QStringLiteral(".lock");
    m_serverPath = base + QStringLiteral(".socket");
    m_lock = std::make_unique<QLockFile>(m_lockPath);
    // No age limit: a running holder keeps the lock for as long as it runs.
    // A lock left by a crashed run is still taken over (its process is gone).
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Result SingleInstance::acquire()
{
    if (!m_lock->tryLock(0)) {
        if (m_lock->error() == QLockFile::LockFailedError)
            return Result::Running;
        m_error = tr("The lock file \"%1\" cannot be made (%2).")
                      .arg(m_lockPath, m_lock->error() == QLockFile::PermissionError
                                           ? tr("no permission to write its folder")
                                           : tr("its folder is missing or unusable"));
        return Result::Failed;
    }
    QFile::setPermissions(m_lockPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left by a crashed run is ours to replace: we hold the lock.
    QLocalServer::removeServer(m_serverPath);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::takeConnection);
    if (!m_server->listen(m_serverPath)) {
        m_error = tr("Later starts cannot reach this one (%1).").arg(m_server->errorString());
        qWarning("%s", qPrintable(m_error));
    }
    return Result::First;
}

void SingleInstance::takeConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto reader = std::make_shared<FrameReader>();
        connect(socket, &QLocalSocket::readyRead, socket, [this, socket, reader] {
            QList<QByteArray> frames;
            const bool withinLimit = reader->read(*socket, frames);
            for (const QByteArray &body : frames) {
                QStringList arguments;
                QDataStream bodyIn(body);
                bodyIn >> arguments;
                if (bodyIn.status() != QDataStream::Ok) {
                    socket->abort();
                    return;
                }
                emit argumentsReceived(arguments);
                // The socket may be gone by the time a late answer comes.
                const QPointer<QLocalSocket> to(socket);
                const Responder respond = [to](const Reply &reply) {
                    if (!to)
                        return;
                    to->write(framed(qint32(reply.status), reply.output));
                    to->flush();
                };
                if (m_handler)
                    m_handler(arguments, respond);
                else
                    respond(Reply());
            }
            // A sender past the limit is no later start of this program.
            if (!withinLimit)
                socket->abort();
        });
    }
}

bool SingleInstance::holderAlive() const
{
    qint64 pid = 0;
    QString host;
    QString application;
    if (!m_lock->getLockInfo(&pid, &host, &application)) {
        // A lock file just made and not yet written; anything else there is no holder.
        const QFileInfo info(m_lockPath);
        return info.isFile() && info.lastModified().secsTo(QDateTime::currentDateTime()) < 5;
    }
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

std::optional<SingleInstance::Reply> SingleInstance::handOff(const QStringList &arguments,
                                                             int timeoutMs)
{
    // The running copy takes its lock a moment before it listens: a start at the same instant
    // finds no socket yet and waits for it, as long as the lock's holder lives.
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(m_serverPath);
        if (socket.waitForConnected(static_cast<int>(deadline.remainingTime())))
            break;
        const bool notYetListening = socket.error() == QLocalSocket::ServerNotFoundError ||
                                     socket.error() == QLocalSocket::ConnectionRefusedError;
        if (!notYetListening || deadline.hasExpired() || !holderAlive()) {
            m_error = tr("Pennyquill is already running but cannot be reached (%1).")
                          .arg(socket.errorString());
            return std::nullopt;
        }
        QThread::msleep(20);
    }
    socket.write(framed(arguments));
    const QDeadlineTimer answerDeadline(timeoutMs);
    if (socket.waitForBytesWritten(timeoutMs)) {
        FrameReader reader;
        QList<QByteArray> frames;
        while (reader.read(socket, frames) && frames.isEmpty()) {
            if (!socket.waitForReadyRead(int(answerDeadline.remainingTime())) &&
                socket.bytesAvailable() == 0)
                break;
        }
        if (!frames.isEmpty()) {
            QDataStream bodyIn(frames.first());
            qint32 status = 0;
            Reply reply;
            bodyIn >> status >> reply.output;
            reply.status = status;
            return reply;
        }
    }
    m_error = tr("Pennyquill is already running but does not answer.");
    return std::nullopt;
}
