#include "platform/FrameReader.h"
#include "platform/SingleInstance.h"

#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QtEndian>

namespace {

QByteArray frame(const QByteArray &body)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << body;
    return bytes;
}

// The running copy's answer: a status and a line to print, here status 0 and no line.
QByteArray ok()
{
    QByteArray body;
    QDataStream out(&body, QIODevice::WriteOnly);
    out << qint32(0) << QString();
    return frame(body);
}

QByteArray commandLine(const QStringList &arguments)
{
    QByteArray body;
    QDataStream out(&body, QIODevice::WriteOnly);
    out << arguments;
    return frame(body);
}

} // namespace

class tst_SingleInstance : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.path() + "/" + name; }

private slots:
    void oneCopyPerDataFolder_data()
    {
        QTest::addColumn<QString>("firstFolder");
        QTest::addColumn<QString>("secondFolder");
        QTest::addColumn<bool>("sideBySide");
        QTest::newRow("same folder") << "a"
                                     << "a" << false;
        QTest::newRow("same folder, other spelling") << "b"
                                                     << "b/../b/" << false;
        QTest::newRow("other folder") << "c"
                                      << "d" << true;
    }
    void oneCopyPerDataFolder()
    {
        QFETCH(QString, firstFolder);
        QFETCH(QString, secondFolder);
        QFETCH(bool, sideBySide);
        QVERIFY(QDir().mkpath(path("run")));
        SingleInstance first(path(firstFolder), path("run"));
        SingleInstance second(path(secondFolder), path("run"));
        QCOMPARE(first.acquire(), SingleInstance::Result::First);
        QCOMPARE(QFileInfo(first.lockPath()).permissions().toInt() & 0x77, 0); // no group, others
        QCOMPARE(second.acquire(),
                 sideBySide ? SingleInstance::Result::First : SingleInstance::Result::Running);
    }

    // Two computers on one synced folder: each lock lives in its own runtime folder, never in
    // the shared one, so both run.
    void twoComputersOnOneSyncedFolder()
    {
        QVERIFY(QDir().mkpath(path("synced")) && QDir().mkpath(path("runA")) &&
                QDir().mkpath(path("runB")));
        SingleInstance onA(path("synced"), path("runA"));
        SingleInstance onB(path("synced"), path("runB"));
        QCOMPARE(onA.acquire(), SingleInstance::Result::First);
        QCOMPARE(onB.acquire(), SingleInstance::Result::First);
        QVERIFY(QDir(path("synced")).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }

    // Without a usable runtime folder the lock stays the user's own: it goes
    // into the data folder, never into a folder shared by every user.
    void unusableRuntimeFolderFallsBackToTheDataFolder_data()
    {
        QTest::addColumn<QString>("runtime");
        QTest::newRow("missing") << "no/such/folder";
        QTest::newRow("a file") << "plain-file";
    }
    void unusableRuntimeFolderFallsBackToTheDataFolder()
    {
        QFETCH(QString, runtime);
        QFile file(path("plain-file"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        SingleInstance instance(path("data"), path(runtime));
        QCOMPARE(instance.acquire(), SingleInstance::Result::First);
        QVERIFY(instance.lockPath().startsWith(path("data") + "/"));
        QVERIFY(QFile::exists(instance.lockPath()));
    }

    void aLockThatCannotBeMadeSaysWhy()
    {
        QFile file(path("blocker"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        SingleInstance instance(path("blocker/data"), path("blocker/run"));
        QCOMPARE(instance.acquire(), SingleInstance::Result::Failed);
        QVERIFY(instance.errorText().contains(instance.lockPath()));
    }

    void aLaterStartHandsItsCommandLineOver_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("empty") << QStringList();
        QTest::newRow("a skin file") << QStringList{"/home/u/My Skin.pqs"};
        QTest::newRow("odd text") << QStringList{"%1", "\"", "caf\u00e9\nline"};
    }
    void aLaterStartHandsItsCommandLineOver()
    {
        QFETCH(QStringList, arguments);
        QVERIFY(QDir().mkpath(path("run2")));
        SingleInstance running(path("e"), path("run2"));
        QCOMPARE(running.acquire(), SingleInstance::Result::First);
        QSignalSpy received(&running, &SingleInstance::argumentsReceived);
        bool handedOver = false;
        // The later start blocks while it waits; the running copy answers
        // from its event loop, as in two processes.
        QThread *later = QThread::create([&] {
            SingleInstance second(path("e"), path("run2"));
            handedOver = second.acquire() == SingleInstance::Result::Running &&
                         second.handOff(arguments).has_value();
        });
        later->start();
        QTRY_VERIFY(later->isFinished());
        delete later;
        QVERIFY(handedOver);
        QCOMPARE(received.size(), 1);
        QCOMPARE(received.at(0).at(0).toStringList(), arguments);
    }

    // Two starts at the same instant: the second finds the lock before the first listens.
    void aStartAtTheSameInstantWaitsForTheSocket_data()
    {
        QTest::addColumn<bool>("holderListens");
        QTest::newRow("the holder listens a moment later") << true;
        QTest::newRow("the holder ends without listening") << false;
    }
    void aStartAtTheSameInstantWaitsForTheSocket()
    {
        QFETCH(bool, holderListens);
        const QString folder = path(holderListens ? "late" : "gone");
        QVERIFY(QDir().mkpath(path("run5")));
        const SingleInstance names(folder, path("run5"));
        // The first start as it is between taking its lock and listening.
        auto holding = std::make_unique<QLockFile>(names.lockPath());
        QVERIFY(holding->tryLock(0));
        bool handedOver = false;
        qint64 waited = 0;
        SingleInstance::Result then = SingleInstance::Result::Failed;
        QThread *later = QThread::create([&] {
            SingleInstance second(folder, path("run5"));
            QElapsedTimer clock;
            clock.start();
            handedOver = second.acquire() == SingleInstance::Result::Running &&
                         second.handOff({"x"}, 5000).has_value();
            waited = clock.elapsed();
            if (!handedOver)
                then = second.acquire();
        });
        later->start();
        QTest::qWait(300);
        QLocalServer listening;
        if (holderListens) {
            QVERIFY(listening.listen(names.serverPath()));
            connect(&listening, &QLocalServer::newConnection, this, [&listening] {
                QLocalSocket *socket = listening.nextPendingConnection();
                connect(socket, &QLocalSocket::readyRead, socket,
                        [socket] { socket->write(ok()); });
            });
        } else {
            holding.reset(); // it ended
        }
        QTRY_VERIFY(later->isFinished());
        delete later;
        QCOMPARE(handedOver, holderListens);
        if (!holderListens) {
            QVERIFY(waited < 2000); // not the whole time: the holder is known gone
            QCOMPARE(then, SingleInstance::Result::First);
        }
    }

    // What a client sends is read once, each command line answered; a client that sends
    // more than a command line's worth is dropped at once, however much more it sends.
    void aClientIsAnsweredOrDropped_data()
    {
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("handedOver");
        QTest::addColumn<bool>("dropped");
        QByteArray huge(4, '\0');
        qToBigEndian<quint32>(400u * 1024 * 1024, huge.data());
        huge += QByteArray(8 * 1024 * 1024, 'x');
        QTest::newRow("two command lines at once")
            << commandLine({"a"}) + commandLine({"b", "c"}) << ok() + ok() << 2 << false;
        QTest::newRow("400 MB announced") << huge << QByteArray() << 0 << true;
        QTest::newRow("a command line, then 400 MB") << commandLine({}) + huge << ok() << 1 << true;
        QTest::newRow("just over the limit")
            << frame(QByteArray(FrameReader::DefaultLimit + 1, 'y')) << QByteArray() << 0 << true;
        QTest::newRow("not a command line") << frame("\xff\xff") << QByteArray() << 0 << true;
    }
    void aClientIsAnsweredOrDropped()
    {
        QFETCH(QByteArray, sent);
        QFETCH(QByteArray, answer);
        QFETCH(int, handedOver);
        QFETCH(bool, dropped);
        QVERIFY(QDir().mkpath(path("run6")));
        SingleInstance running(path("g"), path("run6"));
        QCOMPARE(running.acquire(), SingleInstance::Result::First);
        QSignalSpy received(&running, &SingleInstance::argumentsReceived);
        QByteArray heard;
        bool disconnected = false;
        QThread *client = QThread::create([&] {
            QLocalSocket socket;
            socket.connectToServer(running.serverPath());
            if (!socket.waitForConnected(2000))
                return;
            socket.write(sent);
            QElapsedTimer clock;
            clock.start();
            while (clock.elapsed() < 3000 && socket.state() == QLocalSocket::ConnectedState)
                heard += socket.waitForReadyRead(100) ? socket.readAll() : QByteArray();
            heard += socket.readAll();
            disconnected = socket.state() != QLocalSocket::ConnectedState;
        });
        client->start();
        QTRY_VERIFY_WITH_TIMEOUT(client->isFinished(), 10000);
        delete client;
        // A dropped client may lose the answers still on their way (its connection is reset).
        QCOMPARE(heard, dropped ? answer.left(heard.size()) : answer);
        QCOMPARE(received.size(), handedOver);
        QCOMPARE(disconnected, dropped);
    }

    void noAnswerIsAFailedHandOff()
    {
        SingleInstance lonely(path("f"), path("run3"));
        QVERIFY(!lonely.handOff({}, 200));
        QVERIFY(!lonely.errorText().isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_SingleInstance)
#include "tst_SingleInstance.moc"
