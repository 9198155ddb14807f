#include "FileBytes.h"
#include "platform/IniFile.h"
#include "shell/SessionFile.h"
#include "shell/cFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QByteArray WindowsSession =
    "[Note1]\r\nLeft=1500\r\nTop=975\r\nMinimized=False\r\nSkin=<<Base Skin>>\r\nVisible=True\r\n"
    "OnTop=True\r\nAlerts=<alertsplitter>1<splitter>10:30 PM<splitter>Call Bo<splitter>system beep"
    "<splitter>in que<splitter>{\\rtf1\\ansi two words}[CRLF]\r\nTextID=1\r\n"
    "[Note2]\r\nLeft=4500\r\nTop=3015\r\nMinimized=True\r\nSkin=Ocean\r\nVisible=True\r\n"
    "OnTop=False\r\nAlerts=\r\nTextID=2\r\n"
    "[Note3]\r\nLeft=7005\r\nTop=45\r\nMinimized=false\r\nSkin=\r\nVisible=FALSE\r\nOnTop=0\r\n"
    "Alerts=<alertsplitter>2<splitter>2:5 AM<splitter>a<splitter>C:\\ring.wav<splitter>played"
    "<splitter>{\\rtf1 x}<alertsplitter>3<splitter>9:00 AM<splitter>b<splitter>system beep"
    "<splitter>in que<splitter>{\\rtf1 y}\r\nTextID=3\r\n"
    "[Number of notes]\r\nTotal=3\r\n";

const QByteArray WindowsText = "[ID: 1]\r\n{\\rtf1\\ansi\\deff0 first\\par\r\n}\r\n"
                               "[ID: 2]\r\n{\\rtf1\\ansi second}\r\n"
                               "[ID: 3]\r\n{\\rtf1\\ansi third}\r\n";

} // namespace

class tst_SessionFile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    Folders folders() const { return Folders(m_dir.path() + "/profile", m_dir.path() + "/data"); }

private slots:
    void init()
    {
        QDir(m_dir.path()).removeRecursively();
        QVERIFY(folders().ensureExist());
    }

    void readsWhatTheWindowsProgramWrote()
    {
        SessionFile session(folders());
        FileBytes::write(session.sessionPath(), WindowsSession);
        FileBytes::write(session.textPath(), WindowsText);
        const auto result = session.load();
        QVERIFY(result.restoredFrom.isEmpty());
        QVERIFY(!result.damaged);
        QCOMPARE(result.notes.size(), 3);
        const auto &a = result.notes[0];
        QCOMPARE(a.Left, 1500.0);
        QCOMPARE(a.Top, 975.0);
        QVERIFY(a.OnTop && a.Visible && !a.Minimized);
        QCOMPARE(a.Skin, QStringLiteral("<<Base Skin>>"));
        QCOMPARE(a.Alerts, QStringList()
                               << "1<splitter>10:30 PM<splitter>Call Bo<splitter>system beep"
                                  "<splitter>in que<splitter>{\\rtf1\\ansi two words}\r\n");
        QCOMPARE(a.TextRTF, QStringLiteral("{\\rtf1\\ansi\\deff0 first\\par\r\n}\r\n"));
        QVERIFY(result.notes[1].Minimized);
        QCOMPARE(result.notes[1].Skin, QStringLiteral("Ocean"));
        const auto &c = result.notes[2];
        QVERIFY(!c.Visible && !c.OnTop && !c.Minimized);
        QCOMPARE(c.Skin, QString());
        QCOMPARE(c.Alerts.size(), 2);
        QVERIFY(c.Alerts[0].endsWith("<splitter>played<splitter>{\\rtf1 x}"));
    }

    void writesItBackWithTheSameKeysAndValues()
    {
        SessionFile session(folders());
        FileBytes::write(session.sessionPath(), WindowsSession);
        FileBytes::write(session.textPath(), WindowsText);
        auto notes = session.load().notes;
        // What a note gives back is its text without the block's last line end.
        for (auto &note : notes)
            note.TextRTF.chop(2);
        QVERIFY(session.save(notes, QDate(2026, 3, 1)));
        const IniFile before(m_dir.path() + "/before.ini");
        FileBytes::write(m_dir.path() + "/before.ini", WindowsSession);
        const IniFile original(m_dir.path() + "/before.ini");
        const IniFile saved(session.sessionPath());
        const QStringList keys = {"Left",    "Top",   "Minimized", "Skin",
                                  "Visible", "OnTop", "Alerts",    "TextID"};
        for (int i = 1; i <= 3; ++i)
            for (const QString &key : keys) {
                const QString section = "Note" + QString::number(i);
                QString expected = original.value(section, key);
                if (key == "Minimized" || key == "Visible" || key == "OnTop")
                    expected = SessionFile::ParseTruth(expected).value() ? "True" : "False";
                QCOMPARE(saved.value(section, key), expected);
            }
        QCOMPARE(saved.value("Number of notes", "Total"), QStringLiteral("3"));
        QCOMPARE(FileBytes::read(session.textPath()), WindowsText);
    }

    void layoutIsByteExact()
    {
        SessionFile session(folders());
        SessionFile::Note note;
        note.Left = 50;
        note.Top = 50;
        note.Skin = "<<Base Skin>>";
        note.Alerts = QStringList() << "1<splitter>x\r\ny";
        note.TextRTF = "{\\rtf1 a\r\n}";
        QVERIFY(session.save({note}));
        QCOMPARE(FileBytes::read(session.sessionPath()),
                 QByteArray(
                     "[Note1]\r\nLeft=50\r\nTop=50\r\nMinimized=False\r\nSkin=<<Base Skin>>\r\n"
                     "Visible=True\r\nOnTop=False\r\nAlerts=<alertsplitter>1<splitter>x[CRLF]y\r\n"
                     "TextID=1\r\n[Number of notes]\r\nTextHash=" +
                     QCryptographicHash::hash(FileBytes::read(session.textPath()),
                                              QCryptographicHash::Sha256)
                         .toHex() +
                     "\r\nTotal=1\r\n"));
        QCOMPARE(FileBytes::read(session.textPath()), QByteArray("[ID: 1]\r\n{\\rtf1 a\r\n}\r\n"));
    }

    void idsStayAcrossSavesAndAreUnique_data()
    {
        QTest::addColumn<QByteArray>("session");
        QTest::addColumn<QStringList>("keptIds");
        QTest::newRow("classic file: new ids") << WindowsSession << QStringList{"", "", ""};
        QByteArray copied = WindowsSession;
        copied.replace("TextID=1\r\n",
                       "TextID=1\r\nNoteID=same\r\nChanged=2026-03-01T10:00:00Z\r\n");
        copied.replace("TextID=2\r\n", "TextID=2\r\nNoteID=same\r\nChanged=nonsense\r\n");
        copied.replace("TextID=3\r\n", "TextID=3\r\nNoteID= other \r\n");
        QTest::newRow("a copied id is renewed") << copied << QStringList{"same", "", "other"};
    }

    void idsStayAcrossSavesAndAreUnique()
    {
        QFETCH(QByteArray, session);
        QFETCH(QStringList, keptIds);
        SessionFile file(folders());
        FileBytes::write(file.sessionPath(), session);
        FileBytes::write(file.textPath(), WindowsText);
        const auto notes = file.load().notes;
        QStringList ids;
        for (int i = 0; i < notes.size(); ++i) {
            QVERIFY(!notes[i].Id.isEmpty());
            if (!keptIds[i].isEmpty())
                QCOMPARE(notes[i].Id, keptIds[i]);
            ids << notes[i].Id;
        }
        QCOMPARE(QSet<QString>(ids.cbegin(), ids.cend()).size(), ids.size());
        QVERIFY(file.save(notes, QDate(2026, 3, 1)));
        const auto again = file.load().notes;
        for (int i = 0; i < notes.size(); ++i) {
            QCOMPARE(again[i].Id, ids[i]);
            QCOMPARE(again[i].Changed, notes[i].Changed);
        }
    }

    // Two machines reading one file of an earlier version take its notes for the same notes.
    void idsOfAnOlderFileAreTheSameOnEveryMachine()
    {
        FileBytes::write(SessionFile(folders()).sessionPath(), WindowsSession);
        FileBytes::write(SessionFile(folders()).textPath(), WindowsText);
        const auto onA = SessionFile(folders()).load().notes;
        const auto onB = SessionFile(folders()).load().notes;
        QCOMPARE(onB.size(), 3);
        for (int i = 0; i < onB.size(); ++i)
            QCOMPARE(onA[i].Id, onB[i].Id);
    }

    void changedTimeIsNotPassedOn()
    {
        SessionFile file(folders());
        QList<SessionFile::Note> two(2);
        two[0].Changed = QDateTime(QDate(2026, 5, 1), QTime(9, 30), Qt::UTC);
        two[1].Id = "second";
        QVERIFY(file.save(two));
        QCOMPARE(file.load().notes[0].Changed, two[0].Changed);
        // The second note moves up into the first section, which held a time.
        QVERIFY(file.save(two.mid(1)));
        const auto notes = file.load().notes;
        QCOMPARE(notes.size(), 1);
        QCOMPARE(notes[0].Id, QStringLiteral("second"));
        QVERIFY(!notes[0].Changed.isValid());
    }

    void noSessionFileGivesOneNoteAt50()
    {
        const auto notes = SessionFile(folders()).load().notes;
        QCOMPARE(notes.size(), 1);
        QCOMPARE(notes[0].Left, 50.0);
        QCOMPARE(notes[0].Top, 50.0);
        QCOMPARE(notes[0].Skin, QStringLiteral("<<Base Skin>>"));
        QVERIFY(notes[0].Visible && !notes[0].Minimized && !notes[0].OnTop);
        QVERIFY(notes[0].TextRTF.isEmpty());
    }

    void noNotesSavedGivesNoNotes()
    {
        SessionFile session(folders());
        SessionFile::Note note;
        note.TextRTF = "{\\rtf1 keep}";
        QVERIFY(session.save({note}));
        QVERIFY(session.save({}));
        QCOMPARE(IniFile(session.sessionPath()).value("Number of notes", "Total"),
                 QStringLiteral("0"));
        QCOMPARE(FileBytes::read(session.textPath()), QByteArray("[ID: 1]\r\n{\\rtf1 keep}\r\n"));
        QCOMPARE(session.load().notes.size(), 0);
    }

    void fewerNotesIgnoreOldSections()
    {
        SessionFile session(folders());
        QList<SessionFile::Note> five(5);
        for (int i = 0; i < 5; ++i)
            five[i].TextRTF = "{\\rtf1 n" + QString::number(i) + "}";
        five[1].Alerts = QStringList{"1<splitter>SECRET-ALARM-TEXT"};
        QVERIFY(session.save(five));
        QVERIFY(session.save(five.mid(3)));
        QVERIFY(session.save(five.mid(3)));
        for (const QString &file : {session.sessionPath(), session.sessionPath() + ".bak"})
            QVERIFY(!FileBytes::read(file).contains("SECRET"));
        QCOMPARE(IniFile(session.sessionPath()).value("Number of notes", "Total"),
                 QStringLiteral("2"));
        const auto notes = session.load().notes;
        QCOMPARE(notes.size(), 2);
        QCOMPARE(notes[0].TextRTF, QStringLiteral("{\\rtf1 n3}\r\n"));
        QCOMPARE(notes[1].TextRTF, QStringLiteral("{\\rtf1 n4}\r\n"));
    }

    void alertsRoundTrip_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("none") << QStringList();
        QTest::newRow("three") << QStringList{"1<splitter>a", "2<splitter>b", "3<splitter>c"};
        QTest::newRow("line breaks") << QStringList{"1<splitter>{\\rtf1\r\nx\r\n}"};
        QTest::newRow("literal markers")
            << QStringList{"a [CRLF] b", "c <alertsplitter> d\r\n[CRLF]"};
        QTest::newRow("escape char")
            << QStringList{QString("x") + QChar(1) + "[CRLF]" + QChar(1) + QChar(1)};
        QTest::newRow("empty entry") << QStringList{"", "x"};
    }
    void alertsRoundTrip()
    {
        QFETCH(QStringList, entries);
        const QString value = SessionFile::EncodeAlerts(entries);
        QVERIFY(!value.contains('\r') && !value.contains('\n'));
        QCOMPARE(SessionFile::DecodeAlerts(value), entries);
    }

    void threeEntriesEncodeAsLaidOut()
    {
        QCOMPARE(SessionFile::EncodeAlerts({"e1", "e2", "e3"}),
                 QStringLiteral("<alertsplitter>e1<alertsplitter>e2<alertsplitter>e3"));
    }

    void truthValues_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected"); // -1: not a truth value
        QTest::newRow("True") << "True" << 1;
        QTest::newRow("TRUE") << "TRUE" << 1;
        QTest::newRow("false") << "false" << 0;
        QTest::newRow("-1") << "-1" << 1;
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("2.5") << "2.5" << 1;
        QTest::newRow("yes") << "yes" << -1;
        QTest::newRow("empty") << "" << -1;
    }
    void truthValues()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        const auto value = SessionFile::ParseTruth(text);
        QCOMPARE(value.has_value() ? int(*value) : -1, expected);
    }

    void textBlocksCannotBeMistakenForHeaders()
    {
        SessionFile session(folders());
        QList<SessionFile::Note> notes(2);
        notes[0].TextRTF = "{\\rtf1\r\n[ID: 2]\r\n}";
        notes[1].TextRTF = "{\\rtf1 second}";
        QVERIFY(session.save(notes));
        const auto back = session.load().notes;
        QCOMPARE(back.size(), 2);
        QCOMPARE(back[0].TextRTF, QStringLiteral("{\\rtf1\r\n\\'5bID: 2]\r\n}\r\n"));
        QCOMPARE(back[1].TextRTF, QStringLiteral("{\\rtf1 second}\r\n"));
    }

    void readItTakesTheFirstBlock()
    {
        FileBytes::write(m_dir.filePath("f.pqn"),
                         "[ID: 1]\r\na\r\n[ID: 01]\r\nz\r\n[ID: 2]\r\nb\r\nc\r\n[ID: 1]\r\nx\r\n");
        cFile file(m_dir.filePath("f.pqn"));
        QCOMPARE(file.ReadIt(1), QStringLiteral("a\r\n"));
        QCOMPARE(file.ReadIt(2), QStringLiteral("b\r\nc\r\n"));
        QCOMPARE(file.ReadIt(3), QString());
    }

    void interruptedSaveIsFinishedAtStart()
    {
        SessionFile session(folders());
        SessionFile::Note note;
        note.TextRTF = "{\\rtf1 old}";
        QVERIFY(session.save({note}));
        // A save that stopped after its new pair and marker were written.
        FileBytes::write(session.textPath() + ".new", "[ID: 1]\r\n{\\rtf1 new}\r\n");
        FileBytes::write(session.sessionPath() + ".new",
                         "[Note1]\r\nTextID=1\r\n[Number of notes]\r\nTotal=1\r\n");
        FileBytes::write(m_dir.path() + "/profile/session.saving", "saving\n");
        QCOMPARE(session.load().notes.value(0).TextRTF, QStringLiteral("{\\rtf1 new}\r\n"));
        QVERIFY(!QFile::exists(session.textPath() + ".new"));
        // Without the marker a half-written new pair is thrown away.
        FileBytes::write(session.textPath() + ".new", "[ID: 1]\r\n{\\rtf1 half");
        QCOMPARE(session.load().notes.value(0).TextRTF, QStringLiteral("{\\rtf1 new}\r\n"));
    }

    void damagedFilesComeBackFromTheBackup()
    {
        SessionFile session(folders());
        SessionFile::Note note;
        note.TextRTF = "{\\rtf1 good}";
        QVERIFY(session.save({note}));
        QVERIFY(session.save({note, note}));
        FileBytes::write(session.sessionPath(), "[Number of notes]\r\nTotal=zz\r\n");
        const auto result = session.load();
        QVERIFY(!result.restoredFrom.isEmpty());
        QCOMPARE(result.notes.size(), 1);
        QCOMPARE(result.notes[0].TextRTF, QStringLiteral("{\\rtf1 good}\r\n"));
        QCOMPARE(SessionFile(folders()).load().restoredFrom, QString());
    }

    void damagedWithoutBackupIsKeptAside()
    {
        SessionFile session(folders());
        FileBytes::write(session.sessionPath(), "[Number of notes]\r\nTotal=2x\r\n");
        const auto result = session.load();
        QVERIFY(result.damaged);
        QCOMPARE(FileBytes::read(session.sessionPath() + ".damaged"),
                 QByteArray("[Number of notes]\r\nTotal=2x\r\n"));
    }

    void hugeTotalsAreBounded_data()
    {
        QTest::addColumn<QByteArray>("total");
        QTest::addColumn<int>("notes");
        QTest::newRow("absurd, damaged") << QByteArray("2000000000") << 1;
        QTest::newRow("above the limit") << QByteArray("99999") << 1;
        QTest::newRow("negative, damaged") << QByteArray("-5") << 1;
    }
    void hugeTotalsAreBounded()
    {
        QFETCH(QByteArray, total);
        QFETCH(int, notes);
        SessionFile session(folders());
        FileBytes::write(session.sessionPath(),
                         "[Note1]\r\nLeft=1\r\nTextID=1\r\n[Number of notes]\r\nTotal=" + total +
                             "\r\n");
        FileBytes::write(session.textPath(), "[ID: 1]\r\n{\\rtf1 a}\r\n");
        QCOMPARE(int(session.load().notes.size()), notes);
    }

    // A child process saves in a loop and is killed at random moments; every
    // session found afterwards must load whole and be one the child saved.
    void killedWhileSavingNeverLosesASession()
    {
        SessionFile session(folders());
        QList<SessionFile::Note> small(2), large(40);
        for (int i = 0; i < small.size(); ++i)
            small[i].TextRTF = "{\\rtf1 small " + QString::number(i) + "}";
        for (int i = 0; i < large.size(); ++i)
            large[i].TextRTF = "{\\rtf1 large " + QString(2000, 'x') + QString::number(i) + "}";
        QVERIFY(session.save(small));
        auto *random = QRandomGenerator::global();
        for (int round = 0; round < 25; ++round) {
            const pid_t child = fork();
            QVERIFY(child >= 0);
            if (child == 0) {
                SessionFile writer(folders());
                for (int i = 0;; ++i)
                    writer.save(i % 2 ? small : large);
            }
            usleep(1000 + random->bounded(20000));
            kill(child, SIGKILL);
            int status = 0;
            waitpid(child, &status, 0);
            const auto result = SessionFile(folders()).load();
            QVERIFY2(!result.damaged && result.restoredFrom.isEmpty(),
                     qPrintable(QString::number(round)));
            const int n = int(result.notes.size());
            QVERIFY(n == small.size() || n == large.size());
            const auto &expected = n == small.size() ? small : large;
            for (int i = 0; i < n; ++i)
                QCOMPARE(result.notes[i].TextRTF, expected[i].TextRTF + "\r\n");
        }
    }
};

QTEST_GUILESS_MAIN(tst_SessionFile)
#include "tst_SessionFile.moc"
