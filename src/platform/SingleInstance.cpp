#include "platform/SingleInstance.h"

#include "platform/Folders.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QStandardPaths>

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
        m_error = QStringLiteral("The lock file \"%1\" cannot be made (%2).")
                      .arg(m_lockPath, m_lock->error() == QLockFile::PermissionError
                                           ? QStringLiteral("no permission to write its folder")
                                           : QStringLiteral("its folder is missing or unusable"));
        return Result::Failed;
    }
    QFile::setPermissions(m_lockPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left by a crashed run is ours to replace: we hold the lock.
    QLocalServer::removeServer(m_serverPath);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::takeConnection);
    if (!m_server->listen(m_serverPath)) {
        m_error =
            QStringLiteral("Later starts cannot reach this one (%1).").arg(m_server->errorString());
        qWarning("%s", qPrintable(m_error));
    }
    return Result::First;
}

void SingleInstance::takeConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
            QDataStream in(socket);
            in.startTransaction();
            QByteArray body;
            in >> body;
            if (!in.commitTransaction())
                return; // more to come
            QStringList arguments;
            QDataStream bodyIn(body);
            bodyIn >> arguments;
            emit argumentsReceived(arguments);
            // The socket may be gone by the time a late answer comes.
            const QPointer<QLocalSocket> to(socket);
            const Responder respond = [to](const Reply &reply) {
                if (!to)
                    return;
                to->write(framed(qint32(reply.status), reply.output));
                to->flush();
                to->waitForBytesWritten(1000);
            };
            if (m_handler)
                m_handler(arguments, respond);
            else
                respond(Reply());
        });
    }
}

std::optional<SingleInstance::Reply> SingleInstance::handOff(const QStringList &arguments,
                                                             int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(m_serverPath);
    if (!socket.waitForConnected(timeoutMs)) {
        m_error = QStringLiteral("Pennyquill is already running but cannot be reached (%1).")
                      .arg(socket.errorString());
        return std::nullopt;
    }
    socket.write(framed(arguments));
    QDeadlineTimer deadline(timeoutMs);
    if (socket.waitForBytesWritten(timeoutMs)) {
        QDataStream in(&socket);
        while (socket.waitForReadyRead(int(deadline.remainingTime())) ||
               socket.bytesAvailable() > 0) {
            in.startTransaction();
            QByteArray body;
            in >> body;
            if (in.commitTransaction()) {
                QDataStream bodyIn(body);
                qint32 status = 0;
                Reply reply;
                bodyIn >> status >> reply.output;
                reply.status = status;
                return reply;
            }
            if (deadline.hasExpired())
                break;
        }
    }
    m_error = QStringLiteral("Pennyquill is already running but does not answer.");
    return std::nullopt;
}
