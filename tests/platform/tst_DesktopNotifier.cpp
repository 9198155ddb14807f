#include "platform/DesktopNotifier.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QTest>
#include <QVariantMap>

// Stands in for the desktop's notification service on the session bus.
class NotificationService : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList received; // "summary|body"
    QVariantMap hints;

public slots:
    uint Notify(const QString &, uint, const QString &, const QString &summary, const QString &body,
                const QStringList &, const QVariantMap &hintMap, int)
    {
        received.append(summary + QLatin1Char('|') + body);
        hints = hintMap;
        return 1;
    }
};

class tst_DesktopNotifier : public QObject
{
    Q_OBJECT
private slots:
    void withoutServiceSaysSo()
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (bus.isConnected() &&
            bus.interface()->isServiceRegistered(QStringLiteral("org.freedesktop.Notifications")))
            QSKIP("a notification service runs here");
        QVERIFY(!DesktopNotifier().notify(QStringLiteral("Pennyquill alarm"), QStringLiteral("x")));
    }

    void notifiesSilently()
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected())
            QSKIP("no session bus here (run under dbus-run-session)");
        NotificationService service;
        QVERIFY(bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &service,
                                   QDBusConnection::ExportAllSlots));
        if (!bus.registerService(QStringLiteral("org.freedesktop.Notifications")))
            QSKIP("another notification service owns the name");
        QVERIFY(DesktopNotifier().notify(QStringLiteral("Pennyquill alarm"),
                                         QStringLiteral("Call <Ann> & Bo")));
        QTRY_COMPARE(service.received,
                     QStringList{QStringLiteral("Pennyquill alarm|Call &lt;Ann&gt; &amp; Bo")});
        QCOMPARE(service.hints.value(QStringLiteral("suppress-sound")).toBool(), true);
        QCOMPARE(service.hints.value(QStringLiteral("urgency")).toInt(), 2);
        bus.unregisterService(QStringLiteral("org.freedesktop.Notifications"));
    }
};

QTEST_MAIN(tst_DesktopNotifier)
#include "tst_DesktopNotifier.moc"
