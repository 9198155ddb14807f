#include "DiskFull.h"
#include "FailingFileSystem.h"
#include "FileBytes.h"
#include "platform/IniFile.h"
#include "shell/SessionFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

QList<SessionFile::Note> notes(const QString &word, int count)
{
    QList<SessionFile::Note> list(count);
    for (int i = 0; i < count; ++i)
        list[i].TextRTF = QStringLiteral("{\\rtf1 %1 %2}").arg(word).arg(i);
    return list;
}

QStringList texts(const QList<SessionFile::Note> &list)
{
    QStringList result;
    for (const auto &note : list)
        result << note.TextRTF.trimmed();
    return result;
}

int mode(const QString &path)
{
    struct stat info = {};
    lstat(QFile::encodeName(path).constData(), &info);
    return int(info.st_mode & 07777);
}

const QDate Day1(2026, 3, 1);
const QDate Day2(2026, 3, 2);
const QDateTime Noon2(Day2, QTime(12, 0));

} // namespace

class tst_SessionSafety : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString home() const { return m_dir.path() + "/home"; }
    Folders folders() const { return Folders(home(), home()); }
    QString at(const QString &name) const { return home() + "/" + name; }

    // Every file below the home folder and its bytes (a link as its target).
    QMap<QString, QByteArray> snapshot() const
    {
        QMap<QString, QByteArray> files;
        QDirIterator it(
            home(), QDir::Files | QDir::Dirs | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
            QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo info(it.next());
            files.insert(info.filePath().mid(home().size()),
                         info.isSymLink() ? "-> " + info.symLinkTarget().toUtf8()
                         : info.isDir()   ? QByteArray("folder")
                                          : FileBytes::read(info.filePath()));
        }
        return files;
    }

    // Two saves: "old" is now the .bak pair and "new" the main pair.
    void savedTwice()
    {
        SessionFile session(folders());
        QVERIFY(session.save(notes("old", 3), Day1));
        QVERIFY(session.save(notes("new", 4), Day1));
    }

    // Damages a file of the pair savedTwice() wrote ("new" in the main pair,
    // "old" in ".bak" and the backup of Day1).
    void damage(const QString &name, const QString &how)
    {
        QByteArray bytes = FileBytes::read(at(name));
        if (how.startsWith("cut"))
            bytes.chop(how == "cut 30" ? 30 : bytes.size() - bytes.lastIndexOf("[ID: "));
        FileBytes::write(at(name), how == "emptied"    ? QByteArray()
                                   : how == "Total=-3" ? bytes.replace("Total=4", "Total=-3")
                                   : how == "CR only"  ? bytes.replace("\r\n", "\r")
                                   : how == "mixed"    ? bytes.replace("new 2", "new 9")
                                                       : bytes);
    }

    void plant(const QString &name, const QDateTime &time)
    {
        FileBytes::write(at(name), "{\\rtf1 SECRET}");
        QFile file(at(name));
        QVERIFY(file.open(QIODevice::ReadWrite) &&
                file.setFileTime(time, QFileDevice::FileModificationTime));
    }

    bool writeIni(FileSystem &fs)
    {
        IniFile ini(at("PQOptions.ini"), fs);
        ini.setValue("Options", "TipDelay", "9");
        return ini.save();
    }

private slots:
    void init()
    {
        QDir(home()).removeRecursively();
        QVERIFY(QDir().mkpath(home()));
    }

    void everyStepOfASaveCanFail_data()
    {
        init();
        savedTwice();
        FailingFileSystem counter;
        QVERIFY(SessionFile(folders(), counter).save(notes("next", 5), Day2));
        const int commit = int(counter.log.indexOf("Rename session.saving")) + 1;
        QVERIFY(commit > 0);
        QTest::addColumn<int>("failAt");
        QTest::addColumn<bool>("afterCommit");
        for (int n = 1; n <= counter.steps(); ++n)
            QTest::addRow("%d %s", n, qPrintable(counter.log.at(n - 1))) << n << (n > commit);
        QCOMPARE(counter.orderFaults(), QStringList());
    }
    // A full disk or a failed rename at any step: before the new set is
    // complete every file stays byte for byte; after it, the set is finished
    // at the next start. Either way the next save works.
    void everyStepOfASaveCanFail()
    {
        QFETCH(int, failAt);
        QFETCH(bool, afterCommit);
        savedTwice();
        const auto before = snapshot();
        FailingFileSystem failing(failAt);
        QString error;
        QVERIFY(!SessionFile(folders(), failing).save(notes("next", 5), Day2, &error));
        QVERIFY(error.contains("No space left"));
        if (!afterCommit)
            QCOMPARE(snapshot(), before);
        const auto loaded = SessionFile(folders()).load();
        QVERIFY(loaded.message().isEmpty());
        QCOMPARE(texts(loaded.notes), texts(afterCommit ? notes("next", 5) : notes("new", 4)));
        QVERIFY(SessionFile(folders()).save(notes("later", 2), Day2));
        QCOMPARE(texts(SessionFile(folders()).load().notes), texts(notes("later", 2)));
    }

    void fullDiskKeepsEveryFile()
    {
        savedTwice();
        const auto before = snapshot();
        bool saved = true;
        {
            const DiskFull full(600);
            saved = SessionFile(folders()).save(notes(QString(500, 'x'), 40), Day2);
        }
        QVERIFY(!saved);
        QCOMPARE(snapshot(), before);
    }

    void folderInTheWay_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name :
             {"session.ini", "filecon.pqn", "session.ini.bak", "filecon.pqn.bak", "session.saving",
              "filecon.pqn.new", "session.saving.new", "backups/filecon-2026-03-02.pqn"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    // A folder where a file must go fails the save; nothing else changes.
    void folderInTheWay()
    {
        QFETCH(QString, name);
        savedTwice();
        if (QFileInfo(at(name)).isFile())
            QFile::remove(at(name));
        QVERIFY(QDir().mkpath(at(name) + "/inside"));
        const auto before = snapshot();
        QString error;
        QVERIFY(!SessionFile(folders()).save(notes("next", 1), Day2, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(snapshot(), before);
    }

    void damagedOrMissingFilesComeBackFromTheBackup_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QStringList>("kept");
        const QStringList both{"session.ini.damaged", "filecon.pqn.damaged"};
        QTest::newRow("text cut inside the last block") << "cut" << both;
        QTest::newRow("one bad byte closes no group") << "byte" << both;
        QTest::newRow("count is no number") << "count" << both;
        QTest::newRow("session unreadable") << "folder" << both;
        QTest::newRow("main pair missing") << "missing" << QStringList();
        QTest::newRow("only the text file missing")
            << "notext" << QStringList{"session.ini.damaged"};
    }
    void damagedOrMissingFilesComeBackFromTheBackup()
    {
        QFETCH(QString, damage);
        QFETCH(QStringList, kept);
        savedTwice();
        const QByteArray text = FileBytes::read(at("filecon.pqn"));
        if (damage == "cut")
            FileBytes::write(at("filecon.pqn"), text.left(text.size() - 6));
        else if (damage == "byte")
            FileBytes::write(at("filecon.pqn"),
                             QByteArray(text).replace(text.lastIndexOf('}'), 1, "x"));
        else if (damage == "count")
            FileBytes::write(at("session.ini"), "[Number of notes]\r\nTotal=4?\r\n");
        else if (damage == "folder")
            QVERIFY(QFile::remove(at("session.ini")) && QDir().mkdir(at("session.ini")));
        if (damage == "missing" || damage == "notext")
            QVERIFY(QFile::remove(at("filecon.pqn")));
        if (damage == "missing")
            QVERIFY(QFile::remove(at("session.ini")));
        const auto before = snapshot();

        const auto loaded = SessionFile(folders()).load();
        QCOMPARE(texts(loaded.notes), texts(notes("old", 3)));
        QVERIFY(loaded.message().contains("last good copy"));
        QCOMPARE(loaded.keptAside, kept);
        // What stood there is kept byte for byte, and the message names it.
        for (const QString &name : kept) {
            QCOMPARE(snapshot().value("/" + name), before.value("/" + name.chopped(8)));
            QVERIFY(loaded.message().contains(name));
        }
        // The next save keeps the good copy as .bak, never the damaged one.
        QVERIFY(SessionFile(folders()).save(loaded.notes, Day2));
        QCOMPARE(FileBytes::read(at("filecon.pqn.bak")), before.value("/filecon.pqn.bak"));
    }

    void incompleteFilesAreNoDamage_data()
    {
        QTest::addColumn<QByteArray>("session");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("only the text file")
            << QByteArray() << QByteArray("[ID: 1]\r\n{\\rtf1 a}\r\n") << QStringList{""};
        QTest::newRow("only the session file")
            << QByteArray("[Note1]\r\nLeft=9\r\n[Number of notes]\r\nTotal=1\r\n") << QByteArray()
            << QStringList{""};
    }
    void incompleteFilesAreNoDamage()
    {
        QFETCH(QByteArray, session);
        QFETCH(QByteArray, text);
        QFETCH(QStringList, expected);
        if (!session.isEmpty())
            FileBytes::write(at("session.ini"), session);
        if (!text.isEmpty())
            FileBytes::write(at("filecon.pqn"), text);
        const auto before = snapshot();
        const auto loaded = SessionFile(folders()).load();
        QCOMPARE(loaded.message(), QString());
        QCOMPARE(texts(loaded.notes), expected);
        QCOMPARE(snapshot(), before);
        if (session.isEmpty())
            QCOMPARE(loaded.notes.value(0).Left, 50.0);
    }

    void filesArePrivate_data()
    {
        QTest::addColumn<int>("oldMode");
        QTest::addColumn<int>("newMode");
        QTest::newRow("new") << 0 << 0600;
        QTest::newRow("readable by all") << 0644 << 0600;
        QTest::newRow("user's own 0600") << 0600 << 0600;
        QTest::newRow("user's read-only") << 0400 << 0400;
        QTest::newRow("unreadable") << 0200 << 0600;
    }
    void filesArePrivate()
    {
        QFETCH(int, oldMode);
        QFETCH(int, newMode);
        const Folders fresh(home() + "/a/profile", home() + "/a/data");
        if (oldMode) {
            QVERIFY(SessionFile(fresh).save(notes("x", 1), Day1));
            QVERIFY(chmod(QFile::encodeName(fresh.profileFile("session.ini")), mode_t(oldMode)) ==
                    0);
        }
        QVERIFY(SessionFile(fresh).save(notes("y", 1), Day1));
        QCOMPARE(mode(fresh.profileFile("session.ini")), newMode);
        QCOMPARE(mode(fresh.dataFile("filecon.pqn")), 0600);
        for (const QString &folder :
             {home() + "/a", fresh.profileDir(), fresh.dataDir(), fresh.profileFile("backups")})
            QCOMPARE(mode(folder), 0700);
    }

    void linksAtOtherNamesAreNotFollowed_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name :
             {"session.ini.bak", "filecon.pqn.bak", "session.ini.new", "filecon.pqn.new",
              "session.ini.bak.new", "session.saving", "session.saving.new",
              "backups/session-2026-03-02.ini", "backups/filecon-2026-03-02.pqn.new"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void linksAtOtherNamesAreNotFollowed()
    {
        QFETCH(QString, name);
        savedTwice();
        const QString victim = m_dir.path() + "/victim";
        FileBytes::write(victim, "precious");
        QFile::remove(at(name));
        QVERIFY(QFile::link(victim, at(name)));
        SessionFile(folders()).load();
        QVERIFY(SessionFile(folders()).save(notes("next", 2), Day2));
        QCOMPARE(FileBytes::read(victim), QByteArray("precious"));
        QCOMPARE(texts(SessionFile(folders()).load().notes), texts(notes("next", 2)));
    }

    // A user's own link at the main names is kept and written through.
    void linksAtTheMainNamesAreWrittenThrough()
    {
        savedTwice();
        const QString elsewhere = m_dir.path() + "/synced";
        QVERIFY(QDir().mkpath(elsewhere));
        for (const char *name : {"session.ini", "filecon.pqn"}) {
            QVERIFY(QFile::rename(at(name), elsewhere + "/" + name));
            QVERIFY(QFile::link(elsewhere + "/" + name, at(name)));
        }
        QVERIFY(SessionFile(folders()).save(notes("next", 2), Day2));
        QVERIFY(QFileInfo(at("session.ini")).isSymLink());
        QVERIFY(QFileInfo(at("filecon.pqn")).isSymLink());
        QVERIFY(FileBytes::read(elsewhere + "/filecon.pqn").contains("next 1"));
        QVERIFY(FileBytes::read(at("filecon.pqn.bak")).contains("new 3"));
        QCOMPARE(QDir(elsewhere).entryList(QDir::Files).size(), 2);
    }

    void damagedFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QStringList>("alsoCut");
        QTest::addColumn<QString>("from"); // the copy read, else the backup named
        const QString daily = "backups/session-2026-03-01.ini";
        const QString bak = "session.ini.bak";
        QTest::newRow("session cut") << "session.ini"
                                     << "cut 30" << QStringList() << bak;
        QTest::newRow("session emptied") << "session.ini"
                                         << "emptied" << QStringList() << bak;
        QTest::newRow("negative Total") << "session.ini"
                                        << "Total=-3" << QStringList() << bak;
        QTest::newRow("session CR only") << "session.ini"
                                         << "CR only" << QStringList() << bak;
        QTest::newRow("text cut") << "filecon.pqn"
                                  << "cut 30" << QStringList() << bak;
        QTest::newRow("text cut at a block") << "filecon.pqn"
                                             << "cut block" << QStringList() << bak;
        QTest::newRow("text emptied") << "filecon.pqn"
                                      << "emptied" << QStringList() << bak;
        QTest::newRow("text of another save") << "filecon.pqn"
                                              << "mixed" << QStringList() << bak;
        QTest::newRow(".bak cut too") << "session.ini"
                                      << "cut 30" << QStringList{bak} << daily;
        QTest::newRow("all cut") << "filecon.pqn"
                                 << "cut 30" << QStringList{"filecon.pqn.bak", daily} << daily;
    }
    // A cut, emptied or mismatched file is damage: the last good copy is read
    // (the user told which) and the next save keeps it as ".bak". When none
    // is good, the message names the newest backup.
    void damagedFiles()
    {
        QFETCH(QString, file);
        QFETCH(QString, how);
        QFETCH(QStringList, alsoCut);
        QFETCH(QString, from);
        savedTwice();
        damage(file, how);
        for (const QString &other : alsoCut)
            damage(other, "cut 30");
        FailingFileSystem restoring;
        const auto loaded = SessionFile(folders(), restoring).load();
        QCOMPARE(restoring.orderFaults(), QStringList());
        QVERIFY2(loaded.message().contains(from), qPrintable(loaded.message()));
        const bool restored = !alsoCut.contains(from);
        QCOMPARE(loaded.restoredFrom, restored ? at(from) : QString());
        if (restored)
            QCOMPARE(texts(loaded.notes), texts(notes("old", 3)));
        const QByteArray kept = FileBytes::read(at(restored ? from : "session.ini.bak"));
        QVERIFY(SessionFile(folders()).save(loaded.notes, Day2));
        QCOMPARE(FileBytes::read(at("session.ini.bak")), kept);
        // What was read and saved (a cut block mended) reads back whole.
        QCOMPARE(SessionFile(folders()).load().message(), QString());
    }

    void saveOverDamagedFiles_data() { damagedFiles_data(); }
    // A save with no load before it (which moves damage aside) keeps ".bak".
    void saveOverDamagedFiles()
    {
        QFETCH(QString, file);
        QFETCH(QString, how);
        savedTwice();
        damage(file, how);
        const QByteArray bak = FileBytes::read(at("filecon.pqn.bak"));
        QVERIFY(SessionFile(folders()).save(notes("next", 2), Day2));
        QCOMPARE(FileBytes::read(at("filecon.pqn.bak")), bak);
    }

    void oldCopiesAreRemovedByAge_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("ageDays");
        QTest::addColumn<bool>("removed");
        QTest::newRow("copy of a killed write") << "filecon.pqn.0badf00d.tmp" << 8 << true;
        QTest::newRow("recent copy") << "session.ini.0badf00d.tmp" << 6 << false;
        QTest::newRow("damaged file") << "session.ini.damaged2" << 8 << true;
        QTest::newRow("backup a week old") << "backups/session-2026-02-23.ini" << 7 << true;
        QTest::newRow("backup named ahead") << "backups/session-2027-01-07.ini" << 1 << false;
        QTest::newRow("today's, however old") << "backups/session-2026-03-02.ini" << 40 << false;
    }
    // Copies of notes go after a week by their age (at start, and backups at a
    // save), whatever their names say; today's backup stays.
    void oldCopiesAreRemovedByAge()
    {
        QFETCH(QString, name);
        QFETCH(int, ageDays);
        QFETCH(bool, removed);
        SessionFile(folders()).save(notes("x", 1), Day1);
        QVERIFY(QDir(home()).mkpath("backups"));
        // Seven backups named by a clock that was once ahead.
        for (int day = 1; day <= 7; ++day)
            plant(QString("backups/session-2027-02-0%1.ini").arg(day), Noon2.addDays(-20));
        plant(name, Noon2.addDays(-ageDays));
        SessionFile(folders()).load(Noon2);
        QVERIFY(SessionFile(folders()).save(notes("y", 1), Day2));
        QCOMPARE(!QFileInfo::exists(at(name)), removed);
        QVERIFY(QFileInfo::exists(at("backups/session-2026-03-02.ini")));
        QCOMPARE(QDir(at("backups")).entryList({"*-2027-02-*"}, QDir::Files), QStringList());
    }

    // Options and settings files (IniFile) fail at any step as a save does:
    // reported, nothing left behind.
    void iniWritesCanFailAtEveryStep_data()
    {
        QTest::addColumn<int>("failAt");
        FailingFileSystem counter;
        QVERIFY(writeIni(counter));
        QCOMPARE(counter.orderFaults(), QStringList());
        for (int n = 1; n <= counter.steps(); ++n)
            QTest::addRow("%d %s", n, qPrintable(counter.log.at(n - 1))) << n;
    }
    void iniWritesCanFailAtEveryStep()
    {
        QFETCH(int, failAt);
        FailingFileSystem failing(failAt);
        QVERIFY(!writeIni(failing));
        QVERIFY(QDir(home()).entryList({"*.tmp"}, QDir::Files).isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_SessionSafety)
#include "tst_SessionSafety.moc"
