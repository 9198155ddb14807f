#include "NoteFixtures.h"
#include "find/FindBar.h"

#include <QLabel>
#include <QLineEdit>
#include <QtTest>

namespace {

constexpr int F = 'F', H = 'H', F3 = 114;
constexpr int Ctrl = 2, Shift = 1;

// Presses a key in the note's text box as its KeyDown sees it; true when it was swallowed.
bool press(frmNote *note, int code, int shift)
{
    int key = code;
    note->rtxtMain_KeyDown(key, shift);
    return key == 0;
}

} // namespace

class tst_FindBar : public QObject
{
    Q_OBJECT

private slots:
    void findsNextAndPrevious_data();
    void findsNextAndPrevious();
    void escapeGivesTheTextItsRoomBack();
    void replaceSkipsTheMarkAndSaysSo();
    void ctrlShiftFOpensTheNotesList();
};

void tst_FindBar::findsNextAndPrevious_data()
{
    QTest::addColumn<QList<int>>("shifts");
    QTest::addColumn<QList<int>>("starts");
    // "one Two one two": matches of "two" at 4 and 12.
    QTest::newRow("next, next wraps") << QList<int>{0, 0, 0} << QList<int>{4, 12, 4};
    QTest::newRow("previous wraps to the last") << QList<int>{1, 1} << QList<int>{12, 4};
}

void tst_FindBar::findsNextAndPrevious()
{
    QFETCH(QList<int>, shifts);
    QFETCH(QList<int>, starts);
    TestApp app;
    frmNote *note = NoteFixtures::loadedNote(app, "one Two one two");
    QVERIFY(press(note, F, Ctrl));
    note->findBar().txtFind->setText("TWO");
    note->rtxtMain->setSelStart(0);
    QList<int> found;
    for (int shift : shifts) {
        QVERIFY(press(note, F3, shift));
        found << note->rtxtMain->SelStart();
        QCOMPARE(note->rtxtMain->SelLength(), 3);
    }
    QCOMPARE(found, starts);
}

void tst_FindBar::escapeGivesTheTextItsRoomBack()
{
    TestApp app;
    frmNote *note = NoteFixtures::loadedNote(app, "text");
    note->show();
    const QRect before = note->rtxtMain->geometry();
    press(note, H, Ctrl);
    FindBar &bar = note->findBar();
    QVERIFY(bar.isVisible() && bar.txtReplace->isVisible());
    QVERIFY(note->rtxtMain->geometry().bottom() < bar.y());
    QTest::keyClick(bar.txtFind, Qt::Key_Escape);
    QVERIFY(!bar.isVisible());
    QCOMPARE(note->rtxtMain->geometry(), before);
}

void tst_FindBar::replaceSkipsTheMarkAndSaysSo()
{
    TestApp app;
    frmNote *note = NoteFixtures::loadedNote(app, "milk milk milk");
    NoteFixtures::addAlarm(note, 5, 4, 1);
    note->rtxtMain->setSelStart(0);
    press(note, H, Ctrl);
    FindBar &bar = note->findBar();
    bar.txtFind->setText("milk");
    bar.txtReplace->setText("tea");
    // First Replace only selects; the next replaces and goes on to the marked one.
    bar.ReplaceOne();
    bar.ReplaceOne();
    QCOMPARE(note->rtxtMain->Text(), QStringLiteral("tea [1milk] milk"));
    bar.ReplaceOne();
    QCOMPARE(bar.lblStatus->text(), QStringLiteral("0 replaced, 1 in an alarm mark left alone"));
    QCOMPARE(note->rtxtMain->Text(), QStringLiteral("tea [1milk] milk"));
    bar.ReplaceAll();
    QCOMPARE(note->rtxtMain->Text(), QStringLiteral("tea [1milk] tea"));
    QCOMPARE(bar.lblStatus->text(), QStringLiteral("1 replaced, 1 in an alarm mark left alone"));
}

void tst_FindBar::ctrlShiftFOpensTheNotesList()
{
    TestApp app;
    auto *list = new Form(app.ctx, "frmNotesList");
    app.forms.setFactory("frmNotesList", [list] { return list; });
    frmNote *note = NoteFixtures::loadedNote(app, "x");
    QVERIFY(press(note, F, Ctrl | Shift));
    QVERIFY(list->isVisible());
}

QTEST_MAIN(tst_FindBar)
#include "tst_FindBar.moc"
