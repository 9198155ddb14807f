#include "NoteFixtures.h"
#include "find/NotesCatalog.h"
#include "find/NotesListModel.h"
#include "find/frmNotesList.h"
#include "shell/AppInfo.h"
#include "shell/NotesBus.h"
#include "shell/SessionFile.h"
#include "shell/Startup.h"

#include <QLineEdit>
#include <QListView>
#include <QtTest>

Q_DECLARE_METATYPE(Prompter::Answer)

namespace {

// Four live notes changed an hour apart (the last one newest), and the list over them.
struct Notes
{
    TestApp app;
    NotesCatalog catalog{app.ctx};
    QList<frmNote *> notes;
    frmNotesList *list = nullptr;

    Notes()
    {
        const QStringList texts = {"Shopping\r\nbuy milk and eggs", "Crème brûlée\r\nfor Sunday",
                                   "Phone numbers\r\nDentist", "Café\r\nMILK and coffee"};
        for (const QString &text : texts) {
            app.clock.time = app.clock.time.addSecs(3600);
            frmNote *note = NoteFixtures::loadedNote(app);
            note->bolShown = true;
            note->rtxtMain->setText(text);
            notes << note;
        }
        list = new frmNotesList(app.ctx, catalog);
        list->Load();
    }
    QStringList shown()
    {
        QStringList firstLines;
        for (int row = 0; row < list->model().rowCount(); ++row)
            firstLines << list->model().row(row).firstLine;
        return firstLines;
    }
};

} // namespace

class tst_frmNotesList : public QObject
{
    Q_OBJECT

private slots:
    void filtersAsTheUserTypes_data();
    void filtersAsTheUserTypes();
    void followsTheNotes();
    void enterBringsTheNoteUp_data();
    void enterBringsTheNoteUp();
    void deleteAsksFirst_data();
    void deleteAsksFirst();
    void busFindsAndShowsNotes();
    void restoredNotesKeepTheirIdAndTime();
    void keepsItsPlace_data();
    void keepsItsPlace();
};

void tst_frmNotesList::filtersAsTheUserTypes_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("nothing: all, newest first")
        << "" << QStringList{"Café", "Phone numbers", "Crème brûlée", "Shopping"};
    QTest::newRow("case folded") << "milk" << QStringList{"Café", "Shopping"};
    QTest::newRow("accents folded") << "creme BRULEE" << QStringList{"Crème brûlée"};
    QTest::newRow("every word must match") << "milk eggs" << QStringList{"Shopping"};
    QTest::newRow("regex characters literal") << ".*" << QStringList();
}

void tst_frmNotesList::filtersAsTheUserTypes()
{
    QFETCH(QString, typed);
    Notes run;
    QTest::keyClicks(run.list->txtSearch, typed);
    QTEST(run.shown(), "listed");
    // The first row is selected, ready for Enter.
    QCOMPARE(run.list->lstNotes->currentIndex().row(), run.shown().isEmpty() ? -1 : 0);
}

void tst_frmNotesList::followsTheNotes()
{
    Notes run;
    QTest::keyClicks(run.list->txtSearch, "sunday");
    QCOMPARE(run.shown(), QStringList{"Crème brûlée"});
    // Typing in a note stamps it and the list takes it in at its next refresh.
    run.app.clock.time = run.app.clock.time.addDays(1);
    run.notes[2]->rtxtMain->setSelStart(run.notes[2]->rtxtMain->Text().size());
    QTest::keyClicks(run.notes[2]->rtxtMain, " on Sunday");
    QCOMPARE(run.notes[2]->LastChanged, run.app.clock.time);
    run.list->show();
    QVERIFY(QTest::qWaitFor([&run] { return run.shown().size() == 2; }));
    QCOMPARE(run.shown(), (QStringList{"Phone numbers", "Crème brûlée"}));
    // A note that goes leaves the list.
    run.notes[1]->Unload();
    QVERIFY(QTest::qWaitFor([&run] { return run.shown().size() == 1; }));
}

void tst_frmNotesList::enterBringsTheNoteUp_data()
{
    QTest::addColumn<bool>("hidden");
    QTest::addColumn<bool>("bullet");
    QTest::newRow("hidden") << true << false;
    QTest::newRow("bullet") << false << true;
    QTest::newRow("hidden bullet") << true << true;
}

void tst_frmNotesList::enterBringsTheNoteUp()
{
    QFETCH(bool, hidden);
    QFETCH(bool, bullet);
    Notes run;
    frmNote *note = run.notes[3];
    note->show();
    if (bullet)
        note->ShowBullet();
    note->setVisible(!hidden);
    QTest::keyClicks(run.list->txtSearch, "coffee");
    QTest::keyClick(run.list->txtSearch, Qt::Key_Return);
    QVERIFY(note->isVisible());
    QVERIFY(QTest::qWaitFor([note] { return !note->isBullet(); }));
    QCOMPARE(note->rtxtMain->SelText(), QStringLiteral("coffee"));
}

void tst_frmNotesList::deleteAsksFirst_data()
{
    QTest::addColumn<Prompter::Answer>("answer");
    QTest::addColumn<int>("left");
    QTest::newRow("yes") << Prompter::Answer::Yes << 3;
    QTest::newRow("no") << Prompter::Answer::No << 4;
}

void tst_frmNotesList::deleteAsksFirst()
{
    QFETCH(Prompter::Answer, answer);
    Notes run;
    run.app.prompter.answers.enqueue(answer);
    QTest::keyClicks(run.list->txtSearch, "dentist");
    QTest::keyClick(run.list->lstNotes, Qt::Key_Delete);
    QCOMPARE(run.app.prompter.shown.size(), 1);
    QCOMPARE(run.app.prompter.shown.first().text, QStringLiteral("Delete current note?"));
    QTEST(int(run.catalog.notes().size()), "left");
}

void tst_frmNotesList::busFindsAndShowsNotes()
{
    Notes run;
    NotesBus bus(run.app.ctx);
    bus.setCatalog(&run.catalog);
    const QList<NoteHit> hits = bus.FindNotes("MILK");
    QCOMPARE(hits.size(), 2);
    QCOMPARE(hits[0].firstLine, QStringLiteral("Café"));
    QCOMPARE(hits[0].id, run.notes[3]->NoteId);
    QCOMPARE(hits[1].firstLine, QStringLiteral("Shopping"));
    run.notes[0]->hide();
    QVERIFY(bus.ShowNote(hits[1].id));
    QVERIFY(run.notes[0]->isVisible());
    QVERIFY(!bus.ShowNote("no such note"));
}

void tst_frmNotesList::restoredNotesKeepTheirIdAndTime()
{
    TestApp app;
    NotesCatalog catalog(app.ctx);
    SessionFile::Note stored;
    stored.Id = "kept-id";
    stored.Changed = QDateTime(QDate(2025, 7, 1), QTime(8, 0), Qt::UTC);
    stored.TextRTF = "{\\rtf1\\ansi Old note}";
    stored.Alerts << NoteFixtures::alarmLine(1, "10:30 PM");
    QVERIFY(SessionFile(app.ctx.folders).save({stored}));
    Startup startup(app.ctx);
    startup.run();
    QVERIFY(TestApp::loadSession(startup.splash()));
    frmNote *note = catalog.note("kept-id");
    QVERIFY(note);
    // Coming back is no change of the user's.
    QCOMPARE(note->LastChanged, stored.Changed);
    QCOMPARE(catalog.find("OLD").size(), 1);
    QVERIFY(startup.splash()->SaveSession());
    const SessionFile::Note saved = SessionFile(app.ctx.folders).load().notes.value(0);
    QCOMPARE(saved.Id, stored.Id);
    QCOMPARE(saved.Changed, stored.Changed);
}

void tst_frmNotesList::keepsItsPlace_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QRect>("opens");
    QTest::newRow("kept") << "" << QRect(40, 30, 300, 250);
    QTest::newRow("off every screen") << "-9000,-9000,300,250" << QRect();
    QTest::newRow("too small") << "40,30,20,10" << QRect();
    QTest::newRow("not numbers") << "a,b,c,d" << QRect();
}

void tst_frmNotesList::keepsItsPlace()
{
    QFETCH(QString, stored);
    QFETCH(QRect, opens);
    Notes run;
    run.list->show();
    run.list->move(40, 30);
    run.list->resize(300, 250);
    run.list->hide();
    if (!stored.isEmpty())
        run.app.vars.RegSetString(mdlVariables::HKEY_CURRENT_USER, AppInfo::RegistryKey,
                                  "NotesListPlace", stored);
    auto *again = new frmNotesList(run.app.ctx, run.catalog);
    const QSize unplaced = again->size();
    again->Load();
    if (opens.isNull())
        QCOMPARE(again->size(), unplaced);
    else
        QCOMPARE(QRect(again->pos(), again->size()), opens);
}

QTEST_MAIN(tst_frmNotesList)
#include "tst_frmNotesList.moc"
