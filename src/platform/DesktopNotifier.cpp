#include "platform/DesktopNotifier.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

namespace {

const QString Service = QStringLiteral("org.freedesktop.Notifications");

} // namespace

bool DesktopNotifier::notify(const QString &summary, const QString &body)
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
    return bus.send(call);
}
