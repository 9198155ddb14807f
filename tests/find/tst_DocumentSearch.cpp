#include "NoteFixtures.h"
#include "find/DocumentSearch.h"

#include <QtTest>

using NoteFixtures::selectRange;

// Replacing in a note that holds an alarm mark. The note is "milk[1milk] milk milk": the
// marked word is the second "milk" (the mark also protects the space after it).
class tst_DocumentSearch : public QObject
{
    Q_OBJECT

private slots:
    void replaceAllAroundMarks_data();
    void replaceAllAroundMarks();
    void replaceOneRefusesMarks();
    void replaceAllIsOneUndoStep();
    void nextWrapsRound_data();
    void nextWrapsRound();
};

void tst_DocumentSearch::replaceAllAroundMarks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("markStart");
    QTest::addColumn<int>("markLength");
    QTest::addColumn<QString>("phrase");
    QTest::addColumn<QString>("with");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("replaced");
    QTest::addColumn<int>("leftAlone");
    QTest::newRow("marked word left alone") << "milk milk milk" << 5 << 4 << "milk"
                                            << "tea"
                                            << "tea [1milk] tea" << 2 << 1;
    QTest::newRow("match reaching into the mark") << "ab cd ef" << 3 << 2 << "ab [1"
                                                  << "X"
                                                  << "ab [1cd] ef" << 0 << 1;
    QTest::newRow("the mark's index digits") << "a1 b" << 3 << 1 << "1"
                                             << "2"
                                             << "a2 [1b]" << 1 << 1;
    QTest::newRow("right after the mark's protected space") << "x milk!" << 0 << 1 << "milk"
                                                            << "tea"
                                                            << "[1x] tea!" << 1 << 0;
    QTest::newRow("no mark") << "Milk MILK" << -1 << 0 << "milk"
                             << "tea"
                             << "tea tea" << 2 << 0;
}

void tst_DocumentSearch::replaceAllAroundMarks()
{
    QFETCH(QString, text);
    QFETCH(int, markStart);
    QFETCH(int, markLength);
    QFETCH(QString, phrase);
    QFETCH(QString, with);
    TestApp app;
    frmNote *note = NoteFixtures::loadedNote(app, text);
    if (markStart >= 0)
        NoteFixtures::addAlarm(note, markStart, markLength, 1);
    const QString rtfBefore = note->rtxtMain->TextRTF();
    DocumentSearch search(*note->rtxtMain->document());
    const DocumentSearch::Outcome outcome = search.replaceAll(phrase, with);
    QTEST(note->rtxtMain->Text(), "result");
    QTEST(outcome.replaced, "replaced");
    QTEST(outcome.leftAlone, "leftAlone");
    // The mark keeps its protection: its text still cannot be typed over.
    if (markStart >= 0) {
        const int bracket = AlarmMarks::findMark(*note->rtxtMain, 1);
        QVERIFY(bracket >= 0);
        selectRange(*note->rtxtMain, bracket, 1);
        QCOMPARE(note->rtxtMain->SelProtected(), std::optional<bool>(true));
    }
    QVERIFY(outcome.replaced == 0 || note->rtxtMain->TextRTF() != rtfBefore);
}

void tst_DocumentSearch::replaceOneRefusesMarks()
{
    TestApp app;
    frmNote *note = NoteFixtures::loadedNote(app, QStringLiteral("milk milk"));
    NoteFixtures::addAlarm(note, 0, 4, 1);
    DocumentSearch search(*note->rtxtMain->document());
    const QList<DocumentSearch::Range> found = search.matches(QStringLiteral("MILK"));
    QCOMPARE(found.size(), 2);
    QCOMPARE(search.replace(found.first(), QStringLiteral("tea")), -1);
    QCOMPARE(search.replace(found.last(), QStringLiteral("tea")), found.last().from + 3);
    QCOMPARE(note->rtxtMain->Text(), QStringLiteral("[1milk] tea"));
}

void tst_DocumentSearch::replaceAllIsOneUndoStep()
{
    TestApp app;
    frmNote *note = NoteFixtures::loadedNote(app, QStringLiteral("a milk\r\nb milk\r\nc milk"));
    QTextDocument &document = *note->rtxtMain->document();
    document.clearUndoRedoStacks();
    int changes = 0;
    connect(note->rtxtMain, &RichTextBox::Change, this, [&changes] { ++changes; });
    const DocumentSearch::Outcome outcome =
        DocumentSearch(document).replaceAll(QStringLiteral("milk"), QStringLiteral("tea"));
    QCOMPARE(outcome.replaced, 3);
    QCOMPARE(changes, 1);
    document.undo();
    QCOMPARE(note->rtxtMain->Text(), QStringLiteral("a milk\r\nb milk\r\nc milk"));
    QVERIFY(!document.isUndoAvailable());
}

void tst_DocumentSearch::nextWrapsRound_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<bool>("backward");
    QTest::addColumn<int>("found");
    // "ab ab ab": matches at 0, 3 and 6.
    QTest::newRow("forward from the start") << 0 << false << 0;
    QTest::newRow("forward past one") << 1 << false << 3;
    QTest::newRow("forward wraps to the first") << 7 << false << 0;
    QTest::newRow("backward") << 5 << true << 3;
    QTest::newRow("backward wraps to the last") << 1 << true << 6;
}

void tst_DocumentSearch::nextWrapsRound()
{
    QFETCH(int, from);
    QFETCH(bool, backward);
    QTextDocument document(QStringLiteral("ab ab ab"));
    const auto range = DocumentSearch(document).next(QStringLiteral("AB"), from, backward);
    QVERIFY(range);
    QTEST(range->from, "found");
    QCOMPARE(range->to - range->from, 2);
}

QTEST_MAIN(tst_DocumentSearch)
#include "tst_DocumentSearch.moc"
