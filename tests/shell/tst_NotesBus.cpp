#include "TestApp.h"
#include "alarms/AlarmEntry.h"
#include "notes/frmNote.h"
#include "shell/AppInfo.h"
#include "shell/NotesBus.h"
#include "shell/Startup.h"
#include "shell/frmSplash.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace {

// A program started with no session: one live note, shown.
struct Run
{
    TestApp app;
    Startup startup{app.ctx};
    NotesBus bus{app.ctx};

    Run()
    {
        app.vars.RegSetString(mdlVariables::HKEY_CURRENT_USER, AppInfo::RegistryKey,
                              "ShowWhenStart", "yes");
        startup.run();
        startup.splash()->tmrLoad_Timer();
    }
    int liveNotes(bool visibleOnly) const
    {
        int count = 0;
        for (Form *form : app.forms.all())
            if (auto *note = qobject_cast<frmNote *>(form))
                count += note->bolShown && (!visibleOnly || note->isVisible());
        return count;
    }
};

// A bus of the test's own, so that nothing depends on the desktop's.
class PrivateBus
{
public:
    PrivateBus()
    {
        const QString daemon = QStandardPaths::findExecutable("dbus-daemon");
        if (daemon.isEmpty())
            return;
        m_daemon.start(daemon, {"--session", "--nofork", "--print-address=1"});
        if (!m_daemon.waitForReadyRead(10000))
            return;
        address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    }
    ~PrivateBus()
    {
        m_daemon.kill();
        m_daemon.waitForFinished();
    }
    QString address;

private:
    QProcess m_daemon;
};

// Receives the program's signal over the bus.
class AlarmListener : public QObject
{
    Q_OBJECT
public:
    QStringList heard;
public slots:
    void onAlarmDue(const QString &message, const QString &time) { heard << message + "@" + time; }
};

// Sends a call over the bus and waits for its answer while this thread's
// events (where the program's side answers) go on.
QDBusMessage callAndWait(QDBusConnection &bus, const QString &interface, const QString &method)
{
    const QDBusMessage call = QDBusMessage::createMethodCall(
        NotesBus::ServiceName, NotesBus::ObjectPath, interface, method);
    QDBusPendingCallWatcher watcher(bus.asyncCall(call));
    if (!QTest::qWaitFor([&watcher] { return watcher.isFinished(); }, 10000))
        qWarning("no answer to %s", qPrintable(method));
    return watcher.reply();
}

} // namespace

class tst_NotesBus : public QObject
{
    Q_OBJECT

private slots:
    void withoutBusTheProgramRunsOn()
    {
        Run run;
        QVERIFY(!run.bus.registerOn(
            QDBusConnection::connectToBus("unix:path=/nonexistent/bus", "missing")));
        QDBusConnection::disconnectFromBus("missing");
    }

    void overARealBus()
    {
        PrivateBus daemon;
        if (daemon.address.isEmpty())
            QSKIP("dbus-daemon is not installed (scripts/install-deps.sh)");
        Run run;
        QDBusConnection program = QDBusConnection::connectToBus(daemon.address, "program");
        QDBusConnection script = QDBusConnection::connectToBus(daemon.address, "script");
        QVERIFY(run.bus.registerOn(program));
        // A second copy cannot take the name the first one holds.
        NotesBus second(run.app.ctx);
        QVERIFY(!second.registerOn(script));

        const QDBusMessage xml =
            callAndWait(script, "org.freedesktop.DBus.Introspectable", "Introspect");
        const QString text = xml.arguments().value(0).toString();
        for (const char *member : {"<interface name=\"example.corvane.Pennyquill\">",
                                   "<method name=\"NewNote\"", "<method name=\"ShowAllNotes\"",
                                   "<method name=\"HideAllNotes\"", "<signal name=\"AlarmDue\""})
            QVERIFY2(text.contains(member), member);
        QVERIFY(!text.contains("announceAlarm"));

        callAndWait(script, NotesBus::ServiceName, "HideAllNotes");
        QCOMPARE(run.liveNotes(true), 0);
        const QDBusMessage shown = callAndWait(script, NotesBus::ServiceName, "ShowAllNotes");
        QCOMPARE(shown.type(), QDBusMessage::ReplyMessage);
        QCOMPARE(run.liveNotes(true), 1);
        callAndWait(script, NotesBus::ServiceName, "NewNote");
        QCOMPARE(run.liveNotes(false), 2);
        QCOMPARE(run.liveNotes(true), 2);
        QVERIFY(!run.startup.menuNote()->isVisible());

        AlarmListener listener;
        QVERIFY(script.connect(NotesBus::ServiceName, NotesBus::ObjectPath, NotesBus::ServiceName,
                               "AlarmDue", &listener, SLOT(onAlarmDue(QString, QString))));
        AlarmEntry entry;
        entry.Message = "Call Bo";
        entry.TimeText = "10:30 PM";
        QTest::qWait(100); // the match rule reaches the bus first
        run.bus.announceAlarm(entry);
        QVERIFY(QTest::qWaitFor([&listener] { return !listener.heard.isEmpty(); }, 10000));
        QCOMPARE(listener.heard, QStringList{"Call Bo@10:30 PM"});

        QDBusConnection::disconnectFromBus("program");
        QDBusConnection::disconnectFromBus("script");
    }
};

QTEST_MAIN(tst_NotesBus)
#include "tst_NotesBus.moc"
