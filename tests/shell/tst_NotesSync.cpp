#include "FileBytes.h"
#include "SessionRun.h"
#include "alarms/frmAlert.h"
#include "notes/richtext/RichTextBox.h"
#include "shell/NotesSync.h"
#include "sync/SessionMerge.h"

#include <QTemporaryDir>
#include <QtTest>

using Note = SessionFile::Note;

namespace {

Note stored(const QString &id, const QString &text, int left)
{
    Note note;
    note.Id = id;
    note.Left = left;
    note.Top = 600;
    note.Skin = "<<Base Skin>>";
    note.TextRTF = "{\\rtf1\\ansi " + text + "}";
    note.Revision = id + "1";
    return note;
}

// A change made on the other machine: a new revision made from the last one.
Note changed(Note note, const QString &text)
{
    note.History.prepend(note.Revision);
    note.Revision += "x";
    note.TextRTF = "{\\rtf1\\ansi " + text + "}";
    return note;
}

const QList<Note> Start{stored("a", "Shopping list", 600), stored("b", "Phone numbers", 3000)};

// The program, started on notes "a" and "b", and the other machine that writes the same folder.
struct TwoMachines
{
    QTemporaryDir otherDir;
    SessionFile other{Folders(otherDir.path(), otherDir.path())};
    std::unique_ptr<SessionRun> run;

    explicit TwoMachines(const QList<Note> &start = Start)
    {
        other.save(start, QDate(2026, 12, 8));
        run = std::make_unique<SessionRun>(FileBytes::read(other.sessionPath()),
                                           FileBytes::read(other.textPath()));
        run->splash()->sync().arrivalWait.limitMs = 0;
        // What the start said (no tray here) is not what this test looks at.
        run->app.prompter.shown.clear();
    }
    // The other machine saves; the engine delivers the text file first.
    void deliver(const QList<Note> &notes, const QList<SessionFile::Deleted> &deleted = {})
    {
        QVERIFY(other.save(notes, QDate(2026, 12, 8), nullptr, deleted));
        FileBytes::write(run->notesPath(), FileBytes::read(other.textPath()));
        FileBytes::write(run->sessionPath(), FileBytes::read(other.sessionPath()));
        // Engines write with modes of their own.
        for (const QString &path : {run->notesPath(), run->sessionPath()})
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                            QFile::WriteGroup | QFile::ReadOther);
    }
    QString windowText(const QString &id) const
    {
        for (Form *form : run->app.forms.formsNamed("frmNote"))
            if (auto *note = qobject_cast<frmNote *>(form); note && note->NoteId == id)
                return note->rtxtMain->Text().trimmed();
        return {};
    }
    QStringList texts() const
    {
        QStringList all;
        for (const Note &note : frmSplash::LiveNotes(run->app.ctx))
            all << windowText(note.Id);
        all.sort();
        return all;
    }
};

} // namespace

class tst_NotesSync : public QObject
{
    Q_OBJECT

private slots:
    void windowsFollowTheOtherMachine_data()
    {
        QTest::addColumn<QList<Note>>("there");
        QTest::addColumn<QStringList>("deletedThere");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("text changed")
            << QList<Note>{changed(Start[0], "Shopping list, eggs"), Start[1]} << QStringList()
            << QStringList{"Phone numbers", "Shopping list, eggs"};
        QTest::newRow("note added")
            << (Start + QList<Note>{stored("c", "Added there", 5000)}) << QStringList()
            << QStringList{"Added there", "Phone numbers", "Shopping list"};
        QTest::newRow("note deleted")
            << QList<Note>{Start[0]} << QStringList{"b"} << QStringList{"Shopping list"};
        QTest::newRow("gone without a record: kept (never seen there)")
            << QList<Note>{Start[0]} << QStringList()
            << QStringList{"Phone numbers", "Shopping list"};
    }

    void windowsFollowTheOtherMachine()
    {
        QFETCH(QList<Note>, there);
        QFETCH(QStringList, deletedThere);
        TwoMachines machines;
        frmNote *first = machines.run->notes().first();
        first->rtxtMain->setSelStart(4);
        QList<SessionFile::Deleted> deleted;
        for (const QString &id : deletedThere)
            deleted << SessionFile::Deleted{id, {id + "1"}, QDateTime::currentDateTimeUtc()};
        machines.deliver(there, deleted);
        machines.run->splash()->sync().checkDisk();
        QTEST(machines.texts(), "texts");
        QVERIFY(machines.run->app.prompter.shown.isEmpty());
        // The caret stays where it was in a note whose text changed.
        QCOMPARE(first->rtxtMain->SelStart(), 4);
    }

    void changedOnBothKeepsBoth()
    {
        TwoMachines machines;
        frmNote *ours = machines.run->notes().first();
        ours->rtxtMain->setText("Shopping list, milk");
        // Saved here; the engine keeps that file as a conflict copy, merged after the pair
        // from there, whose version is above ours: ours becomes the copy.
        QVERIFY(machines.run->splash()->SaveSession());
        const QString copy = machines.run->sessionPath().chopped(11) + "%1.sync-conflict-1-A.%2";
        FileBytes::write(copy.arg("filecon", "pqn"), FileBytes::read(machines.run->notesPath()));
        FileBytes::write(copy.arg("session", "ini"), FileBytes::read(machines.run->sessionPath()));
        Note theirs = changed(Start[0], "Shopping list, eggs");
        theirs.Revision = "z";
        machines.deliver({theirs, Start[1]});
        machines.run->splash()->sync().checkDisk();
        QCOMPARE(machines.texts(),
                 (QStringList{"Phone numbers", "Shopping list, eggs", "Shopping list, milk"}));
        // Ours stays in its window; the user is told once, by first lines.
        QCOMPARE(ours->rtxtMain->Text().trimmed(), QString("Shopping list, milk"));
        QTRY_COMPARE(machines.run->app.prompter.shown.size(), 1);
        QVERIFY(machines.run->app.prompter.shown.first().notice);
        const QString told = machines.run->app.prompter.shown.first().text;
        QVERIFY(told.contains("\"Shopping list, milk\" (this computer)"));
        QVERIFY(told.contains("\"Shopping list, eggs\" (the other computer)"));
        // The files get both, and looking again changes nothing and says nothing more.
        QVERIFY(machines.run->splash()->SaveSession());
        machines.run->splash()->sync().checkDisk();
        QCOMPARE(SessionFile(machines.run->app.ctx.folders).load().notes.size(), 3);
        QTest::qWait(10);
        QCOMPARE(machines.run->app.prompter.shown.size(), 1);
    }

    // A save never replaces what the other machine wrote meanwhile.
    void saveMergesFirst()
    {
        TwoMachines machines;
        machines.run->notes().at(1)->rtxtMain->setText("Phone numbers: Ann");
        machines.deliver(Start + QList<Note>{stored("c", "Added there", 5000)});
        QVERIFY(machines.run->splash()->SaveSession());
        QStringList saved;
        for (const Note &note : SessionFile(machines.run->app.ctx.folders).load().notes)
            saved << note.Id;
        QCOMPARE(saved, (QStringList{"a", "b", "c"}));
        QCOMPARE(machines.windowText("c"), QString("Added there"));
        QCOMPARE(machines.run->splash()->sync().mergeCount(), 1);
        // The program's own files stay private.
        QCOMPARE(QFile::permissions(machines.run->sessionPath()),
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
        // Nothing new since: nothing is written.
        const QByteArray written = FileBytes::read(machines.run->sessionPath());
        FileBytes::write(machines.run->sessionPath() + ".bak", "marker");
        QVERIFY(machines.run->splash()->SaveSession());
        QCOMPARE(FileBytes::read(machines.run->sessionPath() + ".bak"), QByteArray("marker"));
        QCOMPARE(FileBytes::read(machines.run->sessionPath()), written);
    }

    void engineConflictCopiesAreMergedAndKept_data()
    {
        QTest::addColumn<QString>("sessionCopy");
        QTest::addColumn<QString>("textCopy");
        QTest::newRow("syncthing") << "session.sync-conflict-20261208-101010-ABCDEF7.ini"
                                   << "filecon.sync-conflict-20261208-101010-ABCDEF7.pqn";
        QTest::newRow("nextcloud") << "session (conflicted copy 2026-12-08 101010).ini"
                                   << "filecon (conflicted copy 2026-12-08 101010).pqn";
    }

    void engineConflictCopiesAreMergedAndKept()
    {
        QFETCH(QString, sessionCopy);
        QFETCH(QString, textCopy);
        TwoMachines machines;
        const QString home = machines.run->app.ctx.folders.profileDir() + '/';
        QVERIFY(machines.other.save(Start + QList<Note>{stored("c", "Only in the copy", 5000)},
                                    QDate(2026, 12, 8)));
        FileBytes::write(home + textCopy, FileBytes::read(machines.other.textPath()));
        FileBytes::write(home + sessionCopy, FileBytes::read(machines.other.sessionPath()));
        const QStringList baks{"filecon.pqn.sync-conflict-1-A.bak",
                               "session (conflicted copy 1).ini.bak"};
        for (const QString &bak : baks)
            FileBytes::write(home + bak, "old");
        machines.run->splash()->sync().checkDisk();
        for (const QString &bak : baks)
            QVERIFY(QFile::exists(home + "backups/" + bak) && !QFile::exists(home + bak));
        QCOMPARE(machines.windowText("c"), QString("Only in the copy"));
        QVERIFY(!QFile::exists(home + sessionCopy) && !QFile::exists(home + textCopy));
        QVERIFY(QFile::exists(home + "backups/" + sessionCopy));
        QVERIFY(QFile::exists(home + "backups/" + textCopy));
    }

    void damagedConflictCopyIsKeptNotMerged()
    {
        TwoMachines machines;
        const QString home = machines.run->app.ctx.folders.profileDir() + '/';
        const QString copy = "session (Ann's conflicted copy 2026-12-08).ini";
        FileBytes::write(home + copy, "[Note1]\r\nTextID=1\r\nNoteID=z\r\n");
        machines.run->splash()->sync().checkDisk();
        QCOMPARE(machines.texts(), (QStringList{"Phone numbers", "Shopping list"}));
        QCOMPARE(FileBytes::read(home + "backups/" + copy),
                 QByteArray("[Note1]\r\nTextID=1\r\nNoteID=z\r\n"));
        QCOMPARE(machines.run->app.prompter.shown.size(), 1);
        QVERIFY(machines.run->app.prompter.shown.first().text.contains("backups/" + copy));
    }

    // The other machine has not rung the alarm yet; here its alert is open: not opened twice.
    void anOpenAlertIsNotOpenedAgain()
    {
        Note withAlarm = Start[0];
        withAlarm.Alerts = {"1<splitter>9:00 AM<splitter>Call Ann<splitter>system beep<splitter>"
                            "in que<splitter>{\\rtf1 x}"};
        TwoMachines machines({withAlarm});
        frmNote *note = machines.run->notes().first();
        const auto alerts = [&] { return machines.run->app.forms.formsNamed("frmAlert").size(); };
        note->tmrAlarms_Timer();
        QCOMPARE(alerts(), 1);
        machines.deliver({changed(withAlarm, "Shopping list, eggs")});
        machines.run->splash()->sync().checkDisk();
        QCOMPARE(note->rtxtMain->Text().trimmed(), QString("Shopping list, eggs"));
        note->tmrAlarms_Timer();
        QCOMPARE(alerts(), 1);
        QCOMPARE(note->lstAlarms->count(), 1);
    }

    // While the second file is on its way nothing is touched; once it came, it is read.
    void halfDeliveredPairWhileRunning()
    {
        TwoMachines machines;
        machines.run->splash()->sync().arrivalWait.limitMs = 60000;
        QVERIFY(machines.other.save({changed(Start[0], "Shopping list, eggs"), Start[1]},
                                    QDate(2026, 12, 8)));
        FileBytes::write(machines.run->sessionPath(),
                         FileBytes::read(machines.other.sessionPath()));
        const QByteArray half = FileBytes::read(machines.run->sessionPath());
        machines.run->splash()->sync().checkDisk();
        QCOMPARE(machines.windowText("a"), QString("Shopping list"));
        QCOMPARE(FileBytes::read(machines.run->sessionPath()), half);
        QVERIFY(QDir(machines.run->app.ctx.folders.profileDir())
                    .entryList({"*.damaged*"}, QDir::Files)
                    .isEmpty());
        FileBytes::write(machines.run->notesPath(), FileBytes::read(machines.other.textPath()));
        machines.run->splash()->sync().checkDisk();
        QCOMPARE(machines.windowText("a"), QString("Shopping list, eggs"));
    }
};

QTEST_MAIN(tst_NotesSync)
#include "tst_NotesSync.moc"
