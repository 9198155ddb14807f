#include "FileBytes.h"
#include "shell/SessionFile.h"
#include "sync/ConflictCopies.h"
#include "sync/PairWatcher.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using Note = SessionFile::Note;

namespace {

Note note(const QString &id, const QString &text)
{
    Note made;
    made.Id = id;
    made.TextRTF = "{\\rtf1 " + text + "}";
    made.Revision = "r-" + text;
    made.History = {"h1", "h2"};
    return made;
}

QStringList ids(const QList<Note> &notes)
{
    QStringList all;
    for (const Note &one : notes)
        all << one.Id + '@' + one.Revision;
    return all;
}

QStringList names(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

class tst_SyncFiles : public QObject
{
    Q_OBJECT

private slots:
    void revisionsAndDeletionsAreKept()
    {
        QTemporaryDir dir;
        SessionFile file(Folders(dir.path(), dir.path()));
        const QDateTime when(QDate(2026, 12, 1), QTime(9, 0), Qt::UTC);
        QVERIFY(file.save({note("a", "one"), note("b", "two")}, QDate(2026, 12, 8), nullptr,
                          {{"gone", {"r3", "r2"}, when}}));
        const SessionFile::LoadResult loaded = file.load();
        QCOMPARE(ids(loaded.notes), (QStringList{"a@r-one", "b@r-two"}));
        QCOMPARE(loaded.notes.at(1).History, (QStringList{"h1", "h2"}));
        QCOMPARE(loaded.deleted.size(), 1);
        QCOMPARE(loaded.deleted.first().Revisions, (QStringList{"r3", "r2"}));
        QCOMPARE(loaded.deleted.first().When, when);
        // The next save without them leaves no record behind.
        QVERIFY(file.save({note("a", "one")}, QDate(2026, 12, 8)));
        QVERIFY(!FileBytes::read(file.sessionPath()).contains("Deleted notes"));
    }

    // A sync engine delivers the two files one after the other: a start in between waits
    // for the second instead of taking the pair for damaged.
    void halfDeliveredPairIsWaitedFor_data()
    {
        QTest::addColumn<bool>("secondArrives");
        QTest::newRow("second half arrives") << true;
        QTest::newRow("it never does") << false;
    }

    void halfDeliveredPairIsWaitedFor()
    {
        QFETCH(bool, secondArrives);
        QTemporaryDir here, there;
        SessionFile mine(Folders(here.path(), here.path()));
        SessionFile theirs(Folders(there.path(), there.path()));
        QVERIFY(mine.save({note("a", "older")}, QDate(2026, 12, 8)));
        QVERIFY(mine.save({note("a", "old")}, QDate(2026, 12, 8)));
        QVERIFY(theirs.save({note("a", "new"), note("b", "added")}, QDate(2026, 12, 8)));
        // The session file came, the text file not yet.
        FileBytes::write(mine.sessionPath(), FileBytes::read(theirs.sessionPath()));
        int pauses = 0;
        mine.setArrivalWait({1000, 250, [&](int) {
                                 if (++pauses == 2 && secondArrives)
                                     FileBytes::write(mine.textPath(),
                                                      FileBytes::read(theirs.textPath()));
                                 return true;
                             }});
        const SessionFile::LoadResult loaded = mine.load();
        if (secondArrives) {
            QCOMPARE(pauses, 2);
            QCOMPARE(ids(loaded.notes), (QStringList{"a@r-new", "b@r-added"}));
            QVERIFY(loaded.keptAside.isEmpty());
            QVERIFY(loaded.message().isEmpty());
        } else {
            // Still not whole after the wait: the damaged-file way, from the last good copy.
            QCOMPARE(pauses, 4);
            QVERIFY(!loaded.keptAside.isEmpty());
            QVERIFY(!loaded.restoredFrom.isEmpty());
        }
        QCOMPARE(names(here.path()).filter(".damaged").isEmpty(), secondArrives);
    }

    void conflictCopyNames_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("marker");
        QTest::newRow("syncthing") << "session.sync-conflict-20261208-101010-ABCDEF7.ini"
                                   << "20261208-101010-ABCDEF7";
        QTest::newRow("nextcloud") << "session (conflicted copy 2026-12-08 101010).ini"
                                   << "conflicted copy 2026-12-08 101010";
        QTest::newRow("dropbox") << "session (Ann's conflicted copy 2026-12-08).ini"
                                 << "Ann's conflicted copy 2026-12-08";
        QTest::newRow("dropbox, numbered") << "session (Ann's conflicted copy 2026-12-08 (1)).ini"
                                           << "Ann's conflicted copy 2026-12-08 (1)";
        QTest::newRow("the file itself") << "session.ini"
                                         << "";
        QTest::newRow("its backup") << "session.ini.bak"
                                    << "";
        QTest::newRow("a daily backup") << "session-2026-12-08.ini"
                                        << "";
        QTest::newRow("a copy of something else") << "other.sync-conflict-1-2-3.ini"
                                                  << "";
        QTest::newRow("another extension") << "session.sync-conflict-1-2-3.pqn"
                                           << "";
    }

    void conflictCopyNames()
    {
        QFETCH(QString, file);
        QTEST(ConflictCopies::markerOf(file, "session.ini"), "marker");
    }

    // A folder that changes a thousand times a second is looked at once a second.
    void aStormCostsOneLookPerInterval()
    {
        QTemporaryDir dir;
        PairWatcher watcher({dir.filePath("session.ini")}, {dir.path()});
        watcher.setTiming(500, 20);
        QSignalSpy looks(&watcher, &PairWatcher::changed);
        QElapsedTimer storm;
        storm.start();
        for (int i = 0; storm.elapsed() < 1400; ++i) {
            FileBytes::write(dir.filePath("session.ini"), QByteArray::number(i));
            QCoreApplication::processEvents();
        }
        QVERIFY(looks.size() >= 1);
        QVERIFY2(looks.size() <= 4, qPrintable(QString::number(looks.size())));
        // A change after the storm is seen too.
        QTest::qWait(600);
        const qsizetype before = looks.size();
        FileBytes::write(dir.filePath("session.ini"), "after");
        QVERIFY(QTest::qWaitFor([&] { return looks.size() > before; }, 2000));
    }
};

QTEST_GUILESS_MAIN(tst_SyncFiles)
#include "tst_SyncFiles.moc"
