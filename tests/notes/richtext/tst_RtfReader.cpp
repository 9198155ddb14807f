#include "notes/richtext/RichTextModel.h"
#include "notes/richtext/RtfReader.h"

#include <QFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QtTest>

#include <memory>

namespace {

std::unique_ptr<QTextDocument> readDocument(const QByteArray &rtf)
{
    auto document = std::make_unique<QTextDocument>();
    QTextCursor cursor(document.get());
    RtfReader(RtfReader::Target::Document).read(rtf, cursor);
    return document;
}

QByteArray corpus(const char *name)
{
    QFile file(QFINDTESTDATA(QStringLiteral("corpus/") + QLatin1String(name)));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing corpus file %s", name);
    return file.readAll();
}

QString textOf(const QTextDocument &document)
{
    return RichTextModel(document).text();
}

// The format of the character at a position of the classic text.
QTextCharFormat formatAt(const QTextDocument &document, int classicPosition)
{
    const RichTextModel model(document);
    return model.charFormatAt(model.toDocument(classicPosition));
}

int at(const QTextDocument &document, const QString &needle)
{
    const int position = static_cast<int>(textOf(document).indexOf(needle));
    if (position < 0)
        qFatal("text not found");
    return position;
}

bool bold(const QTextDocument &document, const QString &needle)
{
    return formatAt(document, at(document, needle)).fontWeight() >= QFont::Bold;
}

int color(const QTextDocument &document, const QString &needle)
{
    return RichTextModel::colorOf(formatAt(document, at(document, needle)));
}

bool bullet(const QTextDocument &document, int paragraph)
{
    return document.findBlockByNumber(paragraph).textList() != nullptr;
}

} // namespace

class tst_RtfReader : public QObject
{
    Q_OBJECT

private slots:
    void corpusText_data();
    void corpusText();
    void richEditFormats();
    void wordPadBulletsAndCodePages();
    void libreOfficeLists();
    void wordDocument();
    void codePages_data();
    void codePages();
    void fontCharsetWinsOverDocumentCodePage();
    void doubleByteCodePage();
    void unicode_data();
    void unicode();
    void symbols_data();
    void symbols();
    void damaged_data();
    void damaged();
    void tablesAfterText_data();
    void tablesAfterText();
    void deepNesting();
    void notRtfIsPlainText_data();
    void notRtfIsPlainText();
    void finalParagraphMark_data();
    void finalParagraphMark();
    void selectionKeepsSurroundingParagraph();
    void selectionFragmentWithoutBreakTakesDestinationBullet();
    void selectionPlainTextTakesInsertionFormat();
    void protectionDroppedWhenAsked();
    void literalEightBitText();
    void plainResetsCharacterFormat();
};

void tst_RtfReader::corpusText_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("text");
    QTest::newRow("richedit") << QByteArray("richedit.rtf")
                              << QString::fromUtf8("Buy milk and eggs\r\nunderlined struck\r\n"
                                                   "[1call Sam] later\r\nfirst point\r\n"
                                                   "second point\r\ncafé “quoted”");
    QTest::newRow("wordpad") << QByteArray("wordpad.rtf")
                             << QString::fromUtf8(
                                    "Shopping list\r\napples\r\npears\r\nПривет and €5");
    QTest::newRow("libreoffice") << QByteArray("libreoffice.rtf")
                                 << QString::fromUtf8("Meeting at noon — bring slides\r\nagenda\r\n"
                                                      "budget\r\n1.\tfirst step");
    QTest::newRow("word") << QByteArray("word.rtf")
                          << QString::fromUtf8(
                                 "Report for March\r\nSales up\r\nexample site and a picture end");
    QTest::newRow("codepages") << QByteArray("codepages.rtf")
                               << QString::fromUtf8("Łódź\r\nΓεια\r\nŁó\r\nПривет");
}

void tst_RtfReader::corpusText()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, text);
    const auto document = readDocument(corpus(file.constData()));
    QCOMPARE(textOf(*document), text);
}

void tst_RtfReader::richEditFormats()
{
    const auto document = readDocument(corpus("richedit.rtf"));
    const QTextDocument &d = *document;
    QVERIFY(bold(d, QStringLiteral("and")));
    QVERIFY(!bold(d, QStringLiteral("milk")));
    QVERIFY(formatAt(d, at(d, QStringLiteral("eggs"))).fontItalic());
    QVERIFY(formatAt(d, at(d, QStringLiteral("underlined"))).fontUnderline());
    QVERIFY(!formatAt(d, at(d, QStringLiteral(" struck"))).fontUnderline());
    QVERIFY(formatAt(d, at(d, QStringLiteral("struck"))).fontStrikeOut());
    const QTextCharFormat plain = formatAt(d, 0);
    QCOMPARE(plain.fontFamilies().toStringList(), QStringList{QStringLiteral("Arial")});
    QCOMPARE(plain.fontPointSize(), 8.5);

    // The alarm mark: grey bracket and index, orange marked text, all protected with the
    // character after "]".
    const int mark = at(d, QStringLiteral("[1"));
    QCOMPARE(color(d, QStringLiteral("[1")), 0xC0C0C0);
    QCOMPARE(color(d, QStringLiteral("call")), 0x0080FF);
    QVERIFY(formatAt(d, at(d, QStringLiteral("call"))).fontUnderline());
    QCOMPARE(color(d, QStringLiteral("]")), 0xC0C0C0);
    const RichTextModel model(d);
    for (int i = mark; i <= at(d, QStringLiteral("] ")) + 1; ++i)
        QVERIFY2(RichTextModel::isProtected(formatAt(d, i)), qPrintable(QString::number(i)));
    QVERIFY(!RichTextModel::isProtected(formatAt(d, at(d, QStringLiteral("later")))));
    QVERIFY(!RichTextModel::isProtected(formatAt(d, mark - 2))); // the paragraph break

    QVERIFY(!bullet(d, 2));
    QVERIFY(bullet(d, 3));
    QVERIFY(bullet(d, 4));
    QVERIFY(!bullet(d, 5));
}

void tst_RtfReader::wordPadBulletsAndCodePages()
{
    const auto document = readDocument(corpus("wordpad.rtf"));
    const QTextDocument &d = *document;
    QVERIFY(bold(d, QStringLiteral("list")));
    QCOMPARE(color(d, QStringLiteral("list")), 0xFF0000); // blue as 0x00BBGGRR
    QCOMPARE(color(d, QStringLiteral("Shopping")), 0);
    QCOMPARE(formatAt(d, 0).foreground().style(), Qt::NoBrush); // automatic stays automatic
    QVERIFY(!bullet(d, 0));
    QVERIFY(bullet(d, 1));
    QVERIFY(bullet(d, 2));
    QVERIFY(!bullet(d, 3));
    // Both bullet paragraphs are one list.
    QCOMPARE(d.findBlockByNumber(1).textList(), d.findBlockByNumber(2).textList());
    QCOMPARE(formatAt(d, at(d, QString::fromUtf8("Привет"))).fontFamilies().toStringList(),
             QStringList{QStringLiteral("Times New Roman")});
}

void tst_RtfReader::libreOfficeLists()
{
    const auto document = readDocument(corpus("libreoffice.rtf"));
    const QTextDocument &d = *document;
    QVERIFY(bold(d, QStringLiteral("noon")));
    QVERIFY(!bold(d, QString::fromUtf8(" — bring")));
    QVERIFY(formatAt(d, at(d, QStringLiteral("slides"))).fontItalic());
    QCOMPARE(formatAt(d, 0).fontFamilies().toStringList(),
             QStringList{QStringLiteral("Liberation Serif")});
    QVERIFY(!bullet(d, 0));
    QVERIFY(bullet(d, 1));
    QVERIFY(bullet(d, 2));
    QVERIFY(!bullet(d, 3)); // numbered: its number stays as text
    QCOMPARE(color(d, QStringLiteral("budget")), 0x1E21C9);
}

void tst_RtfReader::wordDocument()
{
    const auto document = readDocument(corpus("word.rtf"));
    const QTextDocument &d = *document;
    QVERIFY(bold(d, QStringLiteral("Report")));
    QVERIFY(!bold(d, QStringLiteral(" for")));
    QCOMPARE(color(d, QStringLiteral("March")), 0x0000FF);
    QVERIFY(bullet(d, 1));
    QVERIFY(!bullet(d, 2));
    QCOMPARE(color(d, QStringLiteral("example")), 0xFF0000);
    QVERIFY(formatAt(d, at(d, QStringLiteral("example"))).fontUnderline());
    QCOMPARE(formatAt(d, at(d, QStringLiteral("Sales"))).fontFamilies().toStringList(),
             QStringList{QStringLiteral("Calibri")});
    QCOMPARE(formatAt(d, at(d, QStringLiteral("Sales"))).fontPointSize(), 11.0);
}

void tst_RtfReader::codePages_data()
{
    QTest::addColumn<int>("codePage");
    QTest::addColumn<QByteArray>("escape");
    QTest::addColumn<QString>("expected");
    const struct
    {
        int codePage;
        const char *escape;
        char16_t expected;
    } rows[] = {
        {1250, "\\'a3", 0x0141}, {1251, "\\'cf", 0x041F}, {1252, "\\'80", 0x20AC},
        {1253, "\\'c3", 0x0393}, {1254, "\\'d0", 0x011E}, {1255, "\\'e0", 0x05D0},
        {1256, "\\'c7", 0x0627}, {1257, "\\'e8", 0x010D}, {1258, "\\'c3", 0x0102},
        {437, "\\'b0", 0x2591},  {850, "\\'9b", 0x00F8},  {874, "\\'a1", 0x0E01},
        {1252, "\\'81", 0xFFFD}, // undefined in 1252
    };
    for (const auto &row : rows) {
        QTest::addRow("%d %s", row.codePage, row.escape)
            << row.codePage << QByteArray(row.escape) << QString(QChar(row.expected));
    }
}

void tst_RtfReader::codePages()
{
    QFETCH(int, codePage);
    QFETCH(QByteArray, escape);
    QFETCH(QString, expected);
    const QByteArray rtf =
        "{\\rtf1\\ansi\\ansicpg" + QByteArray::number(codePage) + " a" + escape + "b}";
    QCOMPARE(textOf(*readDocument(rtf)), QStringLiteral("a") + expected + QStringLiteral("b"));
}

void tst_RtfReader::fontCharsetWinsOverDocumentCodePage()
{
    const auto document = readDocument(
        "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset204 Arial Cyr;}}"
        "\\f0\\'e9{\\f1\\'e9}\\'e9}");
    QCOMPARE(textOf(*document), QString::fromUtf8("éйé"));
}

void tst_RtfReader::doubleByteCodePage()
{
    // Without a table for 936, a two-byte character is one replacement character; its
    // \u form wins when the writer gave one.
    const auto document =
        readDocument("{\\rtf1\\ansi\\ansicpg936 a\\'d6\\'d0b\\uc2\\u20013\\'d6\\'d0c}");
    QCOMPARE(textOf(*document), QString::fromUtf8("a\xEF\xBF\xBD"
                                                  "b中c"));
}

void tst_RtfReader::unicode_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::newRow("fallback skipped")
        << QByteArray("{\\rtf1 a\\u8364?b}") << QString::fromUtf8("a€b");
    QTest::newRow("escape as fallback")
        << QByteArray("{\\rtf1 a\\u8364\\'80b}") << QString::fromUtf8("a€b");
    QTest::newRow("uc2") << QByteArray("{\\rtf1\\uc2 a\\u8364??b}") << QString::fromUtf8("a€b");
    QTest::newRow("uc0") << QByteArray("{\\rtf1\\uc0 a\\u8364 b}") << QString::fromUtf8("a€b");
    QTest::newRow("group ends fallback")
        << QByteArray("{\\rtf1 {\\uc3\\u8364}ab}") << QString::fromUtf8("€ab");
    QTest::newRow("uc scoped to group")
        << QByteArray("{\\rtf1 {\\uc0 x}\\u8364?b}") << QString::fromUtf8("x€b");
    QTest::newRow("negative") << QByteArray("{\\rtf1 \\u-3913?}") << QString(QChar(0xF0B7));
    QTest::newRow("surrogate pair")
        << QByteArray("{\\rtf1 \\u-10179?\\u-8704?}") << QString::fromUtf8("\xF0\x9F\x98\x80");
    QTest::newRow("lone surrogate")
        << QByteArray("{\\rtf1 \\u-10179?x}") << QString(QChar(0xFFFD)) + QLatin1Char('x');
    QTest::newRow("out of range") << QByteArray("{\\rtf1 a\\u99999999?b}") << QStringLiteral("ab");
    QTest::newRow("line separator") << QByteArray("{\\rtf1 a\\u8232?b}") << QStringLiteral("a\vb");
    QTest::newRow("paragraph separator")
        << QByteArray("{\\rtf1 a\\u8233?b}") << QStringLiteral("a\r\nb");
    QTest::newRow("frame marks dropped")
        << QByteArray("{\\rtf1 a\\u-560?\\u-559?\\u0?b}") << QStringLiteral("ab");
}

void tst_RtfReader::unicode()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QCOMPARE(textOf(*readDocument(rtf)), text);
}

void tst_RtfReader::symbols_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::newRow("escaped braces")
        << QByteArray("{\\rtf1 \\{x\\}\\\\}") << QStringLiteral("{x}\\");
    QTest::newRow("nbsp") << QByteArray("{\\rtf1 a\\~b}") << QStringLiteral("a\u00A0b");
    QTest::newRow("optional hyphen") << QByteArray("{\\rtf1 a\\-b}") << QStringLiteral("ab");
    QTest::newRow("hard hyphen") << QByteArray("{\\rtf1 a\\_b}") << QStringLiteral("a\u2011b");
    QTest::newRow("tab and line") << QByteArray("{\\rtf1 a\\tab b\\line c}")
                                  << QStringLiteral("a\tb\vc");
    QTest::newRow("quotes and dashes")
        << QByteArray("{\\rtf1 \\lquote\\rquote\\ldblquote\\rdblquote\\emdash\\endash\\bullet}")
        << QStringLiteral("\u2018\u2019\u201C\u201D\u2014\u2013\u2022");
    QTest::newRow("control word delimiters")
        << QByteArray("{\\rtf1 \\b1 a\\b0-b\\i\r\nc}") << QStringLiteral("a-bc");
    QTest::newRow("backslash newline is par")
        << QByteArray("{\\rtf1 a\\\nb}") << QStringLiteral("a\r\nb");
    QTest::newRow("raw line ends ignored")
        << QByteArray("{\\rtf1 a\r\nb\nc}") << QStringLiteral("abc");
    QTest::newRow("table cells") << QByteArray("{\\rtf1 \\trowd a\\cell b\\cell\\row c}")
                                 << QStringLiteral("a\tb\t\r\nc");
    QTest::newRow("skipped destinations")
        << QByteArray(
               "{\\rtf1 a{\\*\\unknown zzz}b{\\pict 0123}c{\\stylesheet{x;}}d{\\fonttbl{\\f0 "
               "X;}}e{\\info{\\title t}}f}")
        << QStringLiteral("abcdef");
    QTest::newRow("unknown word keeps text")
        << QByteArray("{\\rtf1 {\\madeup abc}}") << QStringLiteral("abc");
    QTest::newRow("binary data skipped")
        << QByteArray("{\\rtf1 a{\\*\\blob\\bin3 }}{}b}") << QStringLiteral("ab");
    QTest::newRow("binary data in text skipped")
        << QByteArray("{\\rtf1 a\\bin2 xyb}") << QStringLiteral("ab");
    QTest::newRow("hidden text") << QByteArray("{\\rtf1 a\\v hid\\v0 b{\\v c}d}")
                                 << QStringLiteral("abd");
    QTest::newRow("marker text of a numbered list")
        << QByteArray("{\\rtf1 {\\pntext 1\\'00.\\tab}x}") << QStringLiteral("1.\tx");
    QTest::newRow("text after the document") << QByteArray("{\\rtf1 a}b{c}") << QStringLiteral("a");
}

void tst_RtfReader::symbols()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QCOMPARE(textOf(*readDocument(rtf)), text);
}

void tst_RtfReader::damaged_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::newRow("no closing brace") << QByteArray("{\\rtf1 abc") << QStringLiteral("abc");
    QTest::newRow("open groups") << QByteArray("{\\rtf1 {\\b abc{\\i d") << QStringLiteral("abcd");
    QTest::newRow("extra closing braces") << QByteArray("{\\rtf1 a}}}") << QStringLiteral("a");
    QTest::newRow("cut escape") << QByteArray("{\\rtf1 a\\'4") << QStringLiteral("a");
    QTest::newRow("bad hex") << QByteArray("{\\rtf1 a\\'zzb}") << QStringLiteral("azzb");
    QTest::newRow("lone backslash") << QByteArray("{\\rtf1 a\\") << QStringLiteral("a");
    QTest::newRow("huge numbers")
        << QByteArray("{\\rtf1\\fs99999999999 a\\cf99999999999 b\\f-99999999999 c\\uc99999 "
                      "\\u5 d}")
        << QStringLiteral("abc"); // a control character is dropped
    QTest::newRow("binary past the end")
        << QByteArray("{\\rtf1 a\\bin999999 xyz") << QStringLiteral("a");
    QTest::newRow("star without word")
        << QByteArray("{\\rtf1 a{\\* b}c}") << QStringLiteral("a bc");
    QTest::newRow("empty") << QByteArray("{\\rtf1}") << QString();
    QTest::newRow("font table without braces")
        << QByteArray("{\\rtf1{\\fonttbl\\f0 Arial;\\f1 Courier;}\\f1 x}") << QStringLiteral("x");
    QTest::newRow("control character in a list marker")
        << QByteArray("{\\rtf1 a\\par{\\pntext 1\\'08.\\tab}b}") << QStringLiteral("a\r\n1.\tb");
    QTest::newRow("colour out of table")
        << QByteArray("{\\rtf1{\\colortbl;}\\cf7 x}") << QStringLiteral("x");
}

void tst_RtfReader::damaged()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QCOMPARE(textOf(*readDocument(rtf)), text);
}

// A table or default font given after text already used it holds for all the text after it,
// whatever looks came in between.
void tst_RtfReader::tablesAfterText_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("family"); // of "y"
    QTest::addColumn<int>("color");      // of "y"
    const QByteArray red = "{\\colortbl;\\red255\\green0\\blue0;}";
    QTest::newRow("colour") << "{\\rtf1\\cf1 x\\par " + red + "y}" << QString() << 0x0000FF;
    QTest::newRow("colour, bold text before")
        << "{\\rtf1\\cf1 x\\b z\\b0\\par " + red + "y}" << QString() << 0x0000FF;
    QTest::newRow("font") << QByteArray("{\\rtf1\\f1 x\\par{\\fonttbl{\\f1 Courier New;}}y}")
                          << QStringLiteral("Courier New") << 0;
    QTest::newRow("default font")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}x\\par\\deff1 y}")
        << QStringLiteral("Courier New") << 0;
}

void tst_RtfReader::tablesAfterText()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, family);
    QFETCH(int, color);
    const auto document = readDocument(rtf);
    QCOMPARE(::color(*document, QStringLiteral("y")), color);
    QCOMPARE(::color(*document, QStringLiteral("x")), 0);
    if (!family.isEmpty())
        QCOMPARE(
            formatAt(*document, at(*document, QStringLiteral("y"))).fontFamilies().toStringList(),
            QStringList{family});
}

void tst_RtfReader::deepNesting()
{
    QByteArray rtf = "{\\rtf1 a";
    rtf += QByteArray(20000, '{') + "\\b b" + QByteArray(20000, '}') + "c}";
    const auto document = readDocument(rtf);
    QCOMPARE(textOf(*document), QStringLiteral("abc"));
    QVERIFY(!bold(*document, QStringLiteral("c")));
}

void tst_RtfReader::notRtfIsPlainText_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("text");
    QTest::newRow("lines") << QStringLiteral("hello\r\nworld\nagain\rend")
                           << QStringLiteral("hello\r\nworld\r\nagain\r\nend");
    QTest::newRow("almost rtf") << QStringLiteral("{\\rt x}") << QStringLiteral("{\\rt x}");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("braces") << QStringLiteral("} {") << QStringLiteral("} {");
}

void tst_RtfReader::notRtfIsPlainText()
{
    QFETCH(QString, input);
    QFETCH(QString, text);
    QTextDocument document;
    QTextCursor cursor(&document);
    RtfReader(RtfReader::Target::Document).read(input, cursor);
    QCOMPARE(textOf(document), text);
}

void tst_RtfReader::finalParagraphMark_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("lastIsBullet");
    QTest::newRow("closing par") << QByteArray("{\\rtf1 a\\par}") << QStringLiteral("a") << false;
    QTest::newRow("empty last paragraph")
        << QByteArray("{\\rtf1 a\\par\\par}") << QStringLiteral("a\r\n") << false;
    QTest::newRow("without par") << QByteArray("{\\rtf1 a\\par b}") << QStringLiteral("a\r\nb")
                                 << false;
    QTest::newRow("bullet without par")
        << QByteArray("{\\rtf1\\pard{\\*\\pn\\pnlvlblt}item}") << QStringLiteral("item") << true;
    QTest::newRow("bullet with par") << QByteArray("{\\rtf1\\pard{\\*\\pn\\pnlvlblt}item\\par}")
                                     << QStringLiteral("item") << true;
    QTest::newRow("pard ends bullet")
        << QByteArray("{\\rtf1{\\*\\pn\\pnlvlblt}a\\par\\pard b\\par}") << QStringLiteral("a\r\nb")
        << false;
}

void tst_RtfReader::finalParagraphMark()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QFETCH(bool, lastIsBullet);
    const auto document = readDocument(rtf);
    QCOMPARE(textOf(*document), text);
    QCOMPARE(document->lastBlock().textList() != nullptr, lastIsBullet);
}

// A paragraph's format travels with its \par: the pasted paragraph brings its own, the text
// after the last \par joins the paragraph it lands in.
void tst_RtfReader::selectionKeepsSurroundingParagraph()
{
    QTextDocument document;
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("prepost"));
    RichTextModel::setBullet(cursor, true);
    cursor.setPosition(3);
    RtfReader(RtfReader::Target::Selection).read(QByteArray("{\\rtf1 X\\par Y}"), cursor);
    QCOMPARE(textOf(document), QStringLiteral("preX\r\nYpost"));
    QVERIFY(!bullet(document, 0));
    QVERIFY(bullet(document, 1));
    QCOMPARE(cursor.position(), 6); // after the inserted text
}

void tst_RtfReader::selectionFragmentWithoutBreakTakesDestinationBullet()
{
    QTextDocument document;
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("ab\ncd"));
    cursor.setPosition(4);
    RichTextModel::setBullet(cursor, true);
    cursor.setPosition(1);
    RtfReader(RtfReader::Target::Selection)
        .read(QByteArray("{\\rtf1\\pard{\\*\\pn\\pnlvlblt}\\b X}"), cursor);
    QCOMPARE(textOf(document), QStringLiteral("aXb\r\ncd"));
    QVERIFY(!bullet(document, 0));
    QVERIFY(bullet(document, 1));
    QVERIFY(bold(document, QStringLiteral("X")));
    QVERIFY(!bold(document, QStringLiteral("b")));
}

void tst_RtfReader::selectionPlainTextTakesInsertionFormat()
{
    QTextDocument document;
    QTextCursor cursor(&document);
    QTextCharFormat boldFormat;
    boldFormat.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("ab"), boldFormat);
    cursor.insertText(QStringLiteral("cd"), QTextCharFormat());
    cursor.setPosition(1);
    cursor.setPosition(3, QTextCursor::KeepAnchor);
    RtfReader(RtfReader::Target::Selection).read(QStringLiteral("X\r\nY"), cursor);
    QCOMPARE(textOf(document), QStringLiteral("aX\r\nYd"));
    QVERIFY(bold(document, QStringLiteral("X")));
    QVERIFY(bold(document, QStringLiteral("Y")));
}

void tst_RtfReader::protectionDroppedWhenAsked()
{
    const QByteArray rtf = "{\\rtf1 a\\protect b\\par c}";
    for (const bool keep : {true, false}) {
        QTextDocument document;
        QTextCursor cursor(&document);
        RtfReader(RtfReader::Target::Selection, keep).read(rtf, cursor);
        const RichTextModel model(document);
        QCOMPARE(textOf(document), QStringLiteral("ab\r\nc"));
        QCOMPARE(model.isProtected(1), keep);
        QCOMPARE(model.isProtected(2), keep); // the paragraph break
        QVERIFY(!model.isProtected(0));
    }
}

void tst_RtfReader::literalEightBitText()
{
    // As bytes, 8-bit text is in the document's code page; as text, it is taken as it is.
    QCOMPARE(textOf(*readDocument(QByteArray("{\\rtf1\\ansicpg1251 \xcf\xf0}"))),
             QString::fromUtf8("Пр"));
    QTextDocument document;
    QTextCursor cursor(&document);
    RtfReader(RtfReader::Target::Document)
        .read(QString::fromUtf8("{\\rtf1\\ansicpg1251 Пé}"), cursor);
    QCOMPARE(textOf(document), QString::fromUtf8("Пé"));
}

void tst_RtfReader::plainResetsCharacterFormat()
{
    const auto document = readDocument(
        "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Courier;}}{\\colortbl;\\red255\\green0\\blue0;}\\deff0"
        "\\f1\\fs40\\b\\i\\ul\\strike\\cf1\\protect a\\plain b}");
    const QTextCharFormat a = formatAt(*document, 0);
    const QTextCharFormat b = formatAt(*document, 1);
    QCOMPARE(a.fontFamilies().toStringList(), QStringList{QStringLiteral("Courier")});
    QCOMPARE(a.fontPointSize(), 20.0);
    QVERIFY(a.fontItalic() && a.fontUnderline() && a.fontStrikeOut());
    QCOMPARE(RichTextModel::colorOf(a), 0x0000FF);
    QVERIFY(RichTextModel::isProtected(a));
    QCOMPARE(b.fontFamilies().toStringList(), QStringList{QStringLiteral("Arial")});
    QCOMPARE(b.fontPointSize(), 12.0);
    QVERIFY(!b.fontItalic() && !b.fontUnderline() && !b.fontStrikeOut());
    QCOMPARE(b.fontWeight(), int(QFont::Normal));
    QCOMPARE(b.foreground().style(), Qt::NoBrush);
    QVERIFY(!RichTextModel::isProtected(b));
}

QTEST_MAIN(tst_RtfReader)
#include "tst_RtfReader.moc"
