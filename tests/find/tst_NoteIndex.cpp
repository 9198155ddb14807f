#include "find/FoldedText.h"
#include "find/NoteIndex.h"

#include <QtTest>

class tst_NoteIndex : public QObject
{
    Q_OBJECT

private slots:
    void matching_data();
    void matching();
    void foldedRangesNameWholeCharacters_data();
    void foldedRangesNameWholeCharacters();
    void firstLine_data();
    void firstLine();
    void snippetMarksTheWords_data();
    void snippetMarksTheWords();
    void refreshedAndRemoved();
};

void tst_NoteIndex::matching_data()
{
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("search");
    QTest::addColumn<bool>("matches");
    QTest::newRow("case") << "Buy MILK today"
                          << "milk" << true;
    QTest::newRow("accent in the note") << "Crème brûlée"
                                        << "creme brulee" << true;
    QTest::newRow("accent in the search") << "creme"
                                          << "CRÈME" << true;
    QTest::newRow("decomposed accent") << "Cafe\u0301"
                                       << "café" << true;
    QTest::newRow("sharp s") << "Straße"
                             << "STRASSE" << true;
    QTest::newRow("ligature") << "the \uFB01le"
                              << "file" << true;
    QTest::newRow("words in any order") << "milk, eggs and bread"
                                        << "bread milk" << true;
    QTest::newRow("one word missing") << "milk, eggs"
                                      << "milk bread" << false;
    QTest::newRow("words across lines") << "milk\r\neggs"
                                        << "eggs milk" << true;
    QTest::newRow("regex characters are literal") << "a+b (c)"
                                                  << "a+b (c)" << true;
    QTest::newRow("regex does not match") << "aab"
                                          << "a.b" << false;
    QTest::newRow("right to left") << "שלום עולם"
                                   << "עולם" << true;
    QTest::newRow("arabic with marks") << "مَرْحَبًا"
                                       << "مرحبا" << true;
    QTest::newRow("blank search matches all") << "anything"
                                              << "   " << true;
    QTest::newRow("search of ten thousand characters")
        << "short note" << QString(10000, QLatin1Char('x')) << false;
}

void tst_NoteIndex::matching()
{
    QFETCH(QString, note);
    QFETCH(QString, search);
    QFETCH(bool, matches);
    NoteIndex index;
    index.setText(QStringLiteral("n1"), note);
    QCOMPARE(index.find(search), matches ? QStringList{QStringLiteral("n1")} : QStringList());
}

void tst_NoteIndex::foldedRangesNameWholeCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("phrase");
    QTest::addColumn<QString>("original");
    QTest::newRow("plain") << "say Hello there"
                           << "hello"
                           << "Hello";
    QTest::newRow("combining mark kept with its letter") << "cafe\u0301 noir"
                                                         << "cafe"
                                                         << "cafe\u0301";
    QTest::newRow("half of a sharp s takes it whole") << "Straße"
                                                      << "stras"
                                                      << "Straß";
    QTest::newRow("after an expansion") << "ßx mílk"
                                        << "milk"
                                        << "mílk";
    QTest::newRow("surrogate pair") << "\U0001D400 x"
                                    << "\U0001D400"
                                    << "\U0001D400";
}

void tst_NoteIndex::foldedRangesNameWholeCharacters()
{
    QFETCH(QString, text);
    QFETCH(QString, phrase);
    QFETCH(QString, original);
    const FoldedText folded(text);
    const QString needle = FoldedText::fold(phrase);
    const int at = int(folded.text().indexOf(needle));
    QVERIFY(at >= 0);
    const int start = folded.sourceStart(at);
    QCOMPARE(text.mid(start, folded.sourceEnd(at + int(needle.size())) - start), original);
}

void tst_NoteIndex::firstLine_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("first");
    QTest::newRow("blank lines skipped") << "\r\n  \r\n  Shopping  list \r\nmilk"
                                         << "Shopping list";
    QTest::newRow("paragraph separators") << "\u2029Title\u2029body"
                                          << "Title";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("long line cut") << QString(500, QLatin1Char('a')) << QString(120, 'a');
}

void tst_NoteIndex::firstLine()
{
    QFETCH(QString, plain);
    QFETCH(QString, first);
    QCOMPARE(NoteIndex::FirstLine(plain), first);
}

void tst_NoteIndex::snippetMarksTheWords_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("marked");
    QTest::newRow("the line with the match") << "Title\r\nfirst\r\nbuy Milk and MILK"
                                             << "milk"
                                             << "buy Milk and MILK" << QStringList{"Milk", "MILK"};
    QTest::newRow("second line without a search") << "Title\r\n\r\nnext line"
                                                  << ""
                                                  << "next line" << QStringList();
    QTest::newRow("match only in the title") << "milk run\r\nsecond"
                                             << "milk"
                                             << "second" << QStringList();
    QTest::newRow("accented match") << "T\r\nla crème"
                                    << "creme"
                                    << "la crème" << QStringList{"crème"};
    QTest::newRow("two words") << "T\r\neggs then milk"
                               << "milk eggs"
                               << "eggs then milk" << QStringList{"eggs", "milk"};
}

void tst_NoteIndex::snippetMarksTheWords()
{
    QFETCH(QString, plain);
    QFETCH(QString, search);
    QFETCH(QString, text);
    QFETCH(QStringList, marked);
    NoteIndex index;
    index.setText(QStringLiteral("n"), plain);
    const NoteIndex::Snippet snippet = index.snippet(QStringLiteral("n"), NoteIndex::Terms(search));
    QCOMPARE(snippet.text, text);
    QStringList found;
    for (const auto &[start, length] : snippet.highlights)
        found << snippet.text.mid(start, length);
    QCOMPARE(found, marked);
}

void tst_NoteIndex::refreshedAndRemoved()
{
    NoteIndex index;
    for (const char *id : {"a", "b", "c"})
        index.setText(QString::fromLatin1(id), QStringLiteral("old text"));
    index.setText(QStringLiteral("b"), QStringLiteral("new milk"));
    index.remove(QStringLiteral("a"));
    QCOMPARE(index.find(QStringLiteral("old")), QStringList{QStringLiteral("c")});
    QCOMPARE(index.find(QStringLiteral("milk")), QStringList{QStringLiteral("b")});
    QCOMPARE(index.firstLine(QStringLiteral("b")), QStringLiteral("new milk"));
    QCOMPARE(index.size(), 2);
}

QTEST_GUILESS_MAIN(tst_NoteIndex)
#include "tst_NoteIndex.moc"
