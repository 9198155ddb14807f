#include "platform/DesktopNotifier.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

namespace {

const QString Service = QStringLiteral("org.freedesktop.Notifications");

void closeNotification(uint id)
{
    QDBusConnection::sessionBus().send(
        QDBusMessage::createMethodCall(Service, QStringLiteral("/org/freedesktop/Notifications"),
                                       Service, QStringLiteral("CloseNotification"))
        << id);
}

} // namespace

bool DesktopNotifier::notify(const QString &summary, const QString &body)
{
    return notifyKeyed(QString(), summary, body);
}

bool DesktopNotifier::notifyKeyed(const QString &key, const QString &summary, const QString &body)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface() || !bus.interface()->isServiceRegistered(Service))
        return false;
    QDBusMessage call =
        QDBusMessage::createMethodCall(Service, QStringLiteral("/org/freedesktop/Notifications"),
                                       Service, QStringLiteral("Notify"));
    QVariantMap hints;
    // An alarm stays until the user sees it, and the alert window has its own sound.
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(uchar(2)));
    hints.insert(QStringLiteral("suppress-sound"), true);
    hints.insert(QStringLiteral("category"), QStringLiteral("x-pennyquill.alarm"));
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("pennyquill"));
    call << QStringLiteral("Pennyquill") << 0u << QStringLiteral("pennyquill") << summary
         << body.toHtmlEscaped() << QStringList() << hints << -1;
    // Not waited for: a slow notification service must not hold up the alarm.
    if (key.isEmpty())
        return bus.send(call);
    const QDBusPendingCall pending = bus.asyncCall(call);
    m_ids.insert(key, 0);
    auto *watcher = new QDBusPendingCallWatcher(pending, &m_replies);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, &m_replies,
                     [this, key](QDBusPendingCallWatcher *done) {
                         done->deleteLater();
                         const QDBusPendingReply<uint> reply = *done;
                         if (m_withdrawn.remove(key)) {
                             // Withdrawn before the service answered: closed now.
                             if (reply.isValid())
                                 closeNotification(reply.value());
                             return;
                         }
                         const auto known = m_ids.find(key);
                         if (known == m_ids.end())
                             return;
                         if (reply.isValid())
                             *known = reply.value();
                         else
                             m_ids.erase(known);
                     });
    return true;
}

void DesktopNotifier::withdraw(const QString &key)
{
    const auto known = m_ids.find(key);
    if (known == m_ids.end())
        return;
    const uint id = *known;
    m_ids.erase(known);
    if (id != 0)
        closeNotification(id);
    else
        m_withdrawn.insert(key); // closed when the service's answer comes
}
