#include "platform/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

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
            handedOver =
                second.acquire() == SingleInstance::Result::Running && second.handOff(arguments);
        });
        later->start();
        QTRY_VERIFY(later->isFinished());
        delete later;
        QVERIFY(handedOver);
        QCOMPARE(received.size(), 1);
        QCOMPARE(received.at(0).at(0).toStringList(), arguments);
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
