#include "notes/richtext/RichTextModel.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QtTest>

namespace {

// "ab", "cd", "" and "ef": classic text "ab\r\ncd\r\n\r\nef".
void fourParagraphs(QTextDocument &document)
{
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("ab\ncd\n\nef"));
}

// "abPQcd" with P and Q protected.
void protectedMiddle(QTextDocument &document)
{
    QTextCursor cursor(&document);
    QTextCharFormat locked;
    locked.setProperty(RichTextModel::ProtectedProperty, true);
    cursor.insertText(QStringLiteral("ab"), QTextCharFormat());
    cursor.insertText(QStringLiteral("PQ"), locked);
    cursor.insertText(QStringLiteral("cd"), QTextCharFormat());
}

} // namespace

class tst_RichTextModel : public QObject
{
    Q_OBJECT

private slots:
    void text();
    void toDocument_data();
    void toDocument();
    void toClassic_data();
    void toClassic();
    void insertionAllowed_data();
    void insertionAllowed();
    void protectedParagraphBreak();
    void uniformCountsParagraphBreaks();
    void bulletRange_data();
    void bulletRange();
    void bulletsJoinTheListBefore();
    void bulletOffLeavesNoIndent();
    void longBulletRun();
    void insertPlainText_data();
    void insertPlainText();
    void colorOf();
};

void tst_RichTextModel::text()
{
    QTextDocument document;
    fourParagraphs(document);
    const RichTextModel model(document);
    QCOMPARE(model.text(), QStringLiteral("ab\r\ncd\r\n\r\nef"));
    QCOMPARE(model.length(), 12);
    QTextCursor(&document).insertText(QString(QChar(QChar::LineSeparator)));
    QCOMPARE(model.text(), QStringLiteral("\vab\r\ncd\r\n\r\nef"));
}

void tst_RichTextModel::toDocument_data()
{
    QTest::addColumn<int>("classic");
    QTest::addColumn<int>("document");
    // Inside a "\r\n" a position belongs to the start of the next paragraph.
    const int rows[][2] = {{0, 0}, {2, 2}, {3, 3},  {4, 3},  {6, 5},  {7, 6},
                           {8, 6}, {9, 7}, {10, 7}, {12, 9}, {99, 9}, {-5, 0}};
    for (const auto &row : rows)
        QTest::addRow("%d", row[0]) << row[0] << row[1];
}

void tst_RichTextModel::toDocument()
{
    QFETCH(int, classic);
    QFETCH(int, document);
    QTextDocument text;
    fourParagraphs(text);
    QCOMPARE(RichTextModel(text).toDocument(classic), document);
}

void tst_RichTextModel::toClassic_data()
{
    QTest::addColumn<int>("document");
    QTest::addColumn<int>("classic");
    const int rows[][2] = {{0, 0}, {2, 2}, {3, 4}, {5, 6}, {6, 8}, {7, 10}, {9, 12}};
    for (const auto &row : rows)
        QTest::addRow("%d", row[0]) << row[0] << row[1];
}

void tst_RichTextModel::toClassic()
{
    QFETCH(int, document);
    QFETCH(int, classic);
    QTextDocument text;
    fourParagraphs(text);
    const RichTextModel model(text);
    QCOMPARE(model.toClassic(document), classic);
    QCOMPARE(model.toDocument(classic), document);
}

void tst_RichTextModel::insertionAllowed_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("start") << 0 << 0 << true;
    QTest::newRow("before protected") << 2 << 2 << true;
    QTest::newRow("between protected") << 3 << 3 << false;
    QTest::newRow("after protected") << 4 << 4 << true;
    QTest::newRow("end") << 6 << 6 << true;
    QTest::newRow("replacing protected") << 1 << 3 << false;
    QTest::newRow("replacing plain") << 4 << 6 << true;
    QTest::newRow("replacing all") << 0 << 6 << false;
}

void tst_RichTextModel::insertionAllowed()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(bool, allowed);
    QTextDocument document;
    protectedMiddle(document);
    QCOMPARE(RichTextModel(document).insertionAllowed(from, to), allowed);
}

void tst_RichTextModel::protectedParagraphBreak()
{
    QTextDocument document;
    QTextCursor cursor(&document);
    QTextCharFormat locked;
    locked.setProperty(RichTextModel::ProtectedProperty, true);
    cursor.insertText(QStringLiteral("a]"), QTextCharFormat());
    cursor.insertBlock(QTextBlockFormat(), locked);
    cursor.insertText(QStringLiteral("b"), QTextCharFormat());
    cursor.setPosition(1);
    cursor.setPosition(2, QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(locked);
    const RichTextModel model(document);
    QVERIFY(model.isProtected(2)); // the break after "]"
    QVERIFY(!model.isProtected(3));
    QVERIFY(!model.insertionAllowed(2, 2));
    QVERIFY(model.insertionAllowed(3, 3));
    QVERIFY(model.hasProtected(2, 3));
    QVERIFY(!model.hasProtected(3, 4));
}

void tst_RichTextModel::uniformCountsParagraphBreaks()
{
    QTextDocument document;
    QTextCursor cursor(&document);
    QTextCharFormat boldFormat;
    boldFormat.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("a"), boldFormat);
    cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    cursor.insertText(QStringLiteral("b"), boldFormat);
    const RichTextModel model(document);
    const auto bold = [](const QTextCharFormat &f) { return f.fontWeight() >= QFont::Bold; };
    QCOMPARE(model.uniform<bool>(0, 1, bold), std::optional<bool>(true));
    QCOMPARE(model.uniform<bool>(0, 3, bold), std::optional<bool>());
    QCOMPARE(model.uniform<bool>(1, 2, bold), std::optional<bool>(false));
}

void tst_RichTextModel::bulletRange_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("reading");
    // Paragraph "ab" has a bullet, "cd" has none.
    QTest::newRow("caret in bullet") << 1 << 1 << QStringLiteral("true");
    QTest::newRow("caret in plain") << 4 << 4 << QStringLiteral("false");
    QTest::newRow("up to the break") << 0 << 3 << QStringLiteral("true");
    QTest::newRow("into next paragraph") << 0 << 4 << QStringLiteral("mixed");
}

void tst_RichTextModel::bulletRange()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, reading);
    QTextDocument document;
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("ab\ncd"));
    cursor.setPosition(0);
    RichTextModel::setBullet(cursor, true);
    const std::optional<bool> value = RichTextModel(document).bullet(from, to);
    QCOMPARE(value ? QString::fromLatin1(*value ? "true" : "false") : QStringLiteral("mixed"),
             reading);
}

void tst_RichTextModel::bulletsJoinTheListBefore()
{
    QTextDocument document;
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("a\nb\nc"));
    cursor.setPosition(0);
    RichTextModel::setBullet(cursor, true);
    cursor.setPosition(2);
    cursor.setPosition(5, QTextCursor::KeepAnchor);
    RichTextModel::setBullet(cursor, true);
    QTextList *list = document.firstBlock().textList();
    QVERIFY(list);
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->format().style(), QTextListFormat::ListDisc);
}

void tst_RichTextModel::bulletOffLeavesNoIndent()
{
    QTextDocument document;
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("a"));
    RichTextModel::setBullet(cursor, true);
    RichTextModel::setBullet(cursor, false);
    QVERIFY(!document.firstBlock().textList());
    QCOMPARE(document.firstBlock().blockFormat().indent(), 0);
}

void tst_RichTextModel::longBulletRun()
{
    QTextDocument document;
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("x\n").repeated(199) + QStringLiteral("x"));
    cursor.select(QTextCursor::Document);
    RichTextModel::setBullet(cursor, true);
    const RichTextModel model(document);
    QCOMPARE(model.bullet(0, document.characterCount() - 1), std::optional<bool>(true));
    // Every paragraph is in a list, and the lists stay short enough to join cheaply.
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        QVERIFY(block.textList() && block.textList()->count() <= 64);
}

void tst_RichTextModel::insertPlainText_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("text");
    QTest::newRow("crlf") << QStringLiteral("a\r\nb") << QStringLiteral("a\r\nb");
    QTest::newRow("cr") << QStringLiteral("a\rb") << QStringLiteral("a\r\nb");
    QTest::newRow("lf") << QStringLiteral("a\nb") << QStringLiteral("a\r\nb");
    QTest::newRow("vertical tab") << QStringLiteral("a\vb") << QStringLiteral("a\vb");
    QTest::newRow("reserved characters")
        << QStringLiteral("a") + QChar(0) + QChar(0xFDD0) + QChar(0xFDD1) + QStringLiteral("b")
        << QStringLiteral("ab");
    QTest::newRow("break at the end") << QStringLiteral("a\r\n") << QStringLiteral("a\r\n");
    QTest::newRow("control characters")
        << QStringLiteral("a\x07\x17\x1b\tb\x0c") << QStringLiteral("a\tb");
}

void tst_RichTextModel::insertPlainText()
{
    QFETCH(QString, input);
    QFETCH(QString, text);
    QTextDocument document;
    QTextCursor cursor(&document);
    QTextCharFormat italic;
    italic.setFontItalic(true);
    RichTextModel::insertPlainText(cursor, input, italic);
    const RichTextModel model(document);
    QCOMPARE(model.text(), text);
    QCOMPARE(model.uniform<bool>(0, document.characterCount() - 1,
                                 [](const QTextCharFormat &f) { return f.fontItalic(); }),
             std::optional<bool>(true));
}

void tst_RichTextModel::colorOf()
{
    QTextCharFormat format;
    QCOMPARE(RichTextModel::colorOf(format), 0);
    format.setForeground(QColor(255, 128, 0));
    QCOMPARE(RichTextModel::colorOf(format), 33023);
}

QTEST_MAIN(tst_RichTextModel)
#include "tst_RichTextModel.moc"
