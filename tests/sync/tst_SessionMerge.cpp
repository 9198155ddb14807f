#include "sync/RevisionBook.h"
#include "sync/SessionMerge.h"

#include <QtTest>

using Note = SessionFile::Note;
using Deleted = SessionFile::Deleted;

namespace {

const QDateTime Now(QDate(2026, 12, 8), QTime(12, 0), Qt::UTC);

// "id@revision<ancestor<ancestor:text|alarm|alarm", notes apart by ';'.
QList<Note> notes(const QString &rows)
{
    QList<Note> list;
    for (const QString &row : rows.split(';', Qt::SkipEmptyParts)) {
        Note note;
        const QString head = row.section(':', 0, 0);
        const QStringList body = row.section(':', 1).split('|');
        note.Id = head.section('@', 0, 0);
        const QStringList revisions = head.section('@', 1).split('<');
        note.Revision = revisions.first();
        note.History = revisions.mid(1);
        note.TextRTF = body.first();
        note.Alerts = body.mid(1);
        list << note;
    }
    return list;
}

// "id@revision<ancestor", deleted an hour ago.
QList<Deleted> deleted(const QString &rows)
{
    QList<Deleted> list;
    for (const QString &row : rows.split(';', Qt::SkipEmptyParts))
        list << Deleted{row.section('@', 0, 0), row.section('@', 1).split('<'), Now.addSecs(-3600)};
    return list;
}

// What the result shows: each note's text and alarms.
QStringList shown(const QList<Note> &list)
{
    QStringList texts;
    for (const Note &note : list)
        texts << (QStringList(note.TextRTF) + note.Alerts).join('|');
    return texts;
}

QStringList versions(const QList<Note> &list)
{
    QStringList all;
    for (const Note &note : list)
        all << note.Id + '@' + note.Revision + ':' + note.TextRTF + QString::number(note.Left);
    all.sort();
    return all;
}

} // namespace

class tst_SessionMerge : public QObject
{
    Q_OBJECT

private slots:
    // Each row: "disk / deleted there / memory / deleted here" -> the texts shown.
    void noteByNote_data()
    {
        QTest::addColumn<QString>("sides");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("conflicts");
        QTest::addColumn<int>("taken");
        const auto row = [](const char *name, const char *sides, const char *result, int conflicts,
                            int taken) {
            QTest::newRow(name) << QString(sides) << QString(result) << conflicts << taken;
        };
        row("same revision", "a@1:x / / a@1:x /", "x", 0, 0);
        row("changed only there", "a@2<1:there / / a@1:old /", "there", 0, 1);
        row("changed only here", "a@1:old / / a@2<1:here /", "here", 0, 0);
        row("changed on both, theirs higher", "a@9<1:there / / a@5<1:here /", "there,here", 1, 2);
        row("changed on both, ours higher", "a@5<1:there / / a@9<1:here /", "here,there", 1, 1);
        row("changed on both since they agreed", "a@7<4<1:B / / a@6<3<1:A /", "B,A", 1, 2);
        row("the same change on both", "a@7<1:same / / a@6<1:same /", "same", 0, 0);
        row("an alarm rang here only: no change",
            "a@5:x|1<splitter>9<splitter>m<splitter>s<splitter>in que / / "
            "a@6:x|1<splitter>9<splitter>m<splitter>s<splitter>played /",
            "x|1<splitter>9<splitter>m<splitter>s<splitter>played", 0, 0);
        row("older file without revisions, same look", "a@:x / / a@5:x /", "x", 0, 0);
        row("added there", "a@1:x;b@1:new / / a@1:x /", "x,new", 0, 1);
        row("added here (never seen there)", "a@1:x / / a@1:x;b@1:new /", "x,new", 0, 0);
        row("deleted there, unchanged here", "a@1:x / b@1 / a@1:x;b@1:y /", "x", 0, 0);
        row("deleted there after a change we had", "a@1:x / b@2<1 / a@1:x;b@1:y /", "x", 0, 0);
        row("deleted there, changed here", "a@1:x / b@1 / a@1:x;b@2<1:y2 /", "x,y2", 0, 0);
        row("deleted here, unchanged there", "a@1:x;b@1:y / / a@1:x / b@1", "x", 0, 0);
        row("deleted here, changed there", "a@1:x;b@2<1:y2 / / a@1:x / b@1", "x,y2", 0, 1);
        row("alarms travel with their note", "a@2<1:x|9:30 go / / a@1:x /", "x|9:30 go", 0, 1);
        row("an alarm dismissed there is gone here", "a@2<1:x / / a@1:x|9:30 go /", "x", 0, 1);
    }

    void noteByNote()
    {
        QFETCH(QString, sides);
        const QStringList side = sides.split(" /");
        const SessionMerge::Result merged =
            SessionMerge::merge({notes(side[0]), deleted(side[1].trimmed())},
                                {notes(side[2].trimmed()), deleted(side[3].trimmed())}, Now);
        QTEST(shown(merged.notes).join(','), "result");
        QTEST(int(merged.conflicts.size()), "conflicts");
        QTEST(int(merged.taken.size()), "taken");
        // Every note keeps an id of its own; a deleted note leaves a record only while gone.
        QSet<QString> ids;
        for (const Note &note : merged.notes)
            ids.insert(note.Id);
        QCOMPARE(ids.size(), merged.notes.size());
        for (const Deleted &gone : merged.deleted)
            QVERIFY(!ids.contains(gone.Id));
    }

    // Each machine merges the other's files into its own notes: both come to the same notes,
    // so their next saves agree instead of making copies of copies.
    void bothMachinesAgree_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::newRow("conflict") << QString("a@5<1:one;b@1:y") << QString("a@9<1:two;b@1:y");
        QTest::newRow("and additions") << QString("a@5<1:one;c@1:z") << QString("a@9<1:two;d@3:w");
        QTest::newRow("the same change") << QString("a@5<1:same") << QString("a@9<1:same");
        QTest::newRow("two conflicts")
            << QString("a@5<1:one;b@8<2:p") << QString("a@9<1:two;b@3<2:q");
    }

    void bothMachinesAgree()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        const SessionMerge::Result onA = SessionMerge::merge({notes(b), {}}, {notes(a), {}}, Now);
        const SessionMerge::Result onB = SessionMerge::merge({notes(a), {}}, {notes(b), {}}, Now);
        QCOMPARE(versions(onA.notes), versions(onB.notes));
        // And the result merged again with either side's own result changes nothing.
        const SessionMerge::Result again =
            SessionMerge::merge({onB.notes, onB.deleted}, {onA.notes, onA.deleted}, Now);
        QVERIFY(again.conflicts.isEmpty());
        QVERIFY(again.sameAsDisk);
        // B, still unaware, reading A's result takes A's copy of its own version.
        const SessionMerge::Result late = SessionMerge::merge({onA.notes, {}}, {notes(b), {}}, Now);
        QCOMPARE(versions(late.notes), versions(onA.notes));
        // A version of the conflict coming back (an engine's copy of a file the merge
        // replaced) is not told again, nor are the copies brought back once deleted here.
        for (const QString &own : {a, b}) {
            const auto back = SessionMerge::merge({notes(own), {}}, {onA.notes, onA.deleted}, Now);
            QVERIFY(back.conflicts.isEmpty());
            QCOMPARE(versions(back.notes), versions(onA.notes));
        }
        const QList<Note> kept = onA.notes.mid(0, onA.notes.size() - onA.conflicts.size());
        QList<Deleted> gone;
        for (const Note &copy : onA.notes.mid(kept.size()))
            gone << Deleted{copy.Id, {copy.Revision}, Now};
        QCOMPARE(versions(SessionMerge::merge({notes(a), {}}, {kept, gone}, Now).notes),
                 versions(kept));
    }

    void deletionsAreKeptABoundedWhile()
    {
        QList<Deleted> many;
        for (int i = 0; i < SessionMerge::MaxDeleted + 10; ++i)
            many << Deleted{QString::number(i), {"r"}, Now.addSecs(-i)};
        many << Deleted{"old", {"r"}, Now.addDays(-SessionMerge::KeptDeletedDays - 1)};
        const QList<Deleted> kept = SessionMerge::joinDeleted(many, deleted("5@r"), {"7"}, Now);
        QCOMPARE(kept.size(), SessionMerge::MaxDeleted);
        // Newest first; the note that came back and the too old one are gone.
        QCOMPARE(kept.first().Id, QString("0"));
        for (const Deleted &gone : kept)
            QVERIFY(gone.Id != "7" && gone.Id != "old");
    }

    void revisionsFollowChanges()
    {
        RevisionBook book;
        QList<Note> live = notes("a@:x;b@:y");
        book.remember(notes("a@1:x;b@:y"), live);
        book.stamp(live, Now);
        // Unchanged keeps its revision; a note of an older file gets its first.
        QCOMPARE(live.at(0).Revision, QString("1"));
        QVERIFY(!live.at(1).Revision.isEmpty());
        // Another machine that read the same file gives it the same, and its change descends.
        RevisionBook other;
        QList<Note> there = notes("a@:x;b@:y");
        other.remember(notes("a@1:x;b@:y"), there);
        there[1].TextRTF = "y2";
        other.stamp(there, Now);
        QCOMPARE(there.at(1).History, QStringList{live.at(1).Revision});
        live[0].TextRTF = "x2";
        for (int i = 0; i < RevisionBook::HistoryLength + 5; ++i) {
            live[0].Left = i;
            book.stamp(live, Now);
        }
        QCOMPARE(live.at(0).History.size(), RevisionBook::HistoryLength);
        QVERIFY(!live.at(0).History.contains(live.at(0).Revision));
        const QString last = live.at(1).Revision;
        live.removeLast();
        book.stamp(live, Now);
        QCOMPARE(book.deleted().size(), 1);
        QCOMPARE(book.deleted().first().Id, QString("b"));
        QCOMPARE(book.deleted().first().Revisions.first(), last);
    }
};

QTEST_GUILESS_MAIN(tst_SessionMerge)
#include "tst_SessionMerge.moc"
