#include "platform/Folders.h"
#include "platform/QtSound.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <QTest>

class tst_QtSound : public QObject
{
    Q_OBJECT
private:
    QString m_chime;
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        m_chime = Folders::sharedDataDir() + QStringLiteral("/sounds/chime.wav");
        QVERIFY2(QFile::exists(m_chime), qPrintable(m_chime));
        QFile text(m_dir.filePath(QStringLiteral("notes.wav")));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("these are notes, not a wave file");
    }

    void source_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected"); // "chime", "beep" or "" (silent)
        QTest::newRow("our chime") << QStringLiteral("chime") << QStringLiteral("chime");
        QTest::newRow("missing file")
            << QStringLiteral("/nowhere/ring.wav") << QStringLiteral("beep");
        QTest::newRow("a folder") << QStringLiteral("dir") << QStringLiteral("beep");
        QTest::newRow("not a wave file") << QStringLiteral("notes.wav") << QStringLiteral("beep");
        QTest::newRow("empty path stops") << QString() << QString();
    }

    void source()
    {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        const QHash<QString, QString> places = {
            {"chime", m_chime}, {"dir", m_dir.path()}, {"notes.wav", m_dir.filePath("notes.wav")}};
        path = places.value(path, path);
        QtSound sound;
        sound.beep(); // something playing before
        sound.play(path);
        const QUrl want = expected == QLatin1String("chime")  ? QUrl::fromLocalFile(m_chime)
                          : expected == QLatin1String("beep") ? QUrl(QtSound::BeepSource)
                                                              : QUrl();
        // An undecodable file is found out while loading, a moment later.
        QTRY_COMPARE(sound.source(), want);
    }

    void waveFilePlaysAndStops()
    {
        if (QMediaDevices::audioOutputs().isEmpty())
            QSKIP("no audio output here (run under a sound server, a null sink will do)");
        QtSound sound;
        sound.play(m_chime);
        QTRY_VERIFY_WITH_TIMEOUT(sound.isPlaying(), 5000);
        sound.stop();
        QVERIFY(!sound.isPlaying());
        QCOMPARE(sound.source(), QUrl());
    }
};

QTEST_MAIN(tst_QtSound)
#include "tst_QtSound.moc"
