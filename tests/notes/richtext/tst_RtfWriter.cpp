#include "notes/richtext/RichTextModel.h"
#include "notes/richtext/RtfReader.h"
#include "notes/richtext/RtfWriter.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

using Builder = std::function<void(QTextCursor &)>;

QTextCharFormat plain()
{
    return QTextCharFormat();
}

QTextCharFormat with(const std::function<void(QTextCharFormat &)> &change)
{
    QTextCharFormat format;
    change(format);
    return format;
}

QTextCharFormat boldFormat()
{
    return with([](QTextCharFormat &f) { f.setFontWeight(QFont::Bold); });
}

QTextCharFormat protectedFormat()
{
    return with([](QTextCharFormat &f) { f.setProperty(RichTextModel::ProtectedProperty, true); });
}

QTextCharFormat colored(int r, int g, int b)
{
    return with([=](QTextCharFormat &f) { f.setForeground(QColor(r, g, b)); });
}

void bulletParagraph(QTextCursor &cursor)
{
    RichTextModel::setBullet(cursor, true);
}

std::unique_ptr<QTextDocument> newDocument()
{
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(QFont(QStringLiteral("Arial"), 10));
    return document;
}

std::unique_ptr<QTextDocument> build(const Builder &builder)
{
    auto document = newDocument();
    QTextCursor cursor(document.get());
    builder(cursor);
    return document;
}

std::unique_ptr<QTextDocument> readBack(const QByteArray &rtf)
{
    auto document = newDocument();
    QTextCursor cursor(document.get());
    RtfReader(RtfReader::Target::Document).read(rtf, cursor);
    return document;
}

// Every character (paragraph breaks included) with the look it is drawn with, then every
// paragraph's bullet: two documents with the same signature look the same.
QStringList signature(const QTextDocument &document)
{
    const RichTextModel model(document);
    QStringList out;
    for (int p = 0; p < document.characterCount() - 1; ++p) {
        const QTextCharFormat format = model.charFormatAt(p);
        const QFont font = model.effectiveFont(format);
        out << QStringLiteral("%1 %2 %3 b%4 i%5 u%6 s%7 c%8 p%9")
                   .arg(QString::number(document.characterAt(p).unicode(), 16), font.family(),
                        QString::number(font.pointSizeF()))
                   .arg(font.bold())
                   .arg(font.italic())
                   .arg(font.underline())
                   .arg(font.strikeOut())
                   .arg(format.foreground().style() == Qt::NoBrush
                            ? QStringLiteral("auto")
                            : QString::number(RichTextModel::colorOf(format), 16))
                   .arg(RichTextModel::isProtected(format));
    }
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        out << (block.textList() ? QStringLiteral("bullet") : QStringLiteral("plain"));
    return out;
}

struct Scenario
{
    const char *name;
    Builder build;
};

const std::vector<Scenario> &scenarios()
{
    static const std::vector<Scenario> list = {
        {"empty", [](QTextCursor &) {}},
        {"plain", [](QTextCursor &c) { c.insertText(QStringLiteral("hello world"), plain()); }},
        {"bold",
         [](QTextCursor &c) {
             c.insertText(QStringLiteral("a "), plain());
             c.insertText(QStringLiteral("bold"), boldFormat());
             c.insertText(QStringLiteral(" b"), plain());
         }},
        {"italic underline strike",
         [](QTextCursor &c) {
             c.insertText(QStringLiteral("i"),
                          with([](QTextCharFormat &f) { f.setFontItalic(true); }));
             c.insertText(QStringLiteral("u"),
                          with([](QTextCharFormat &f) { f.setFontUnderline(true); }));
             c.insertText(QStringLiteral("s"),
                          with([](QTextCharFormat &f) { f.setFontStrikeOut(true); }));
         }},
        {"colours",
         [](QTextCursor &c) {
             c.insertText(QStringLiteral("orange"), colored(255, 128, 0));
             c.insertText(QStringLiteral("black"), colored(0, 0, 0));
             c.insertText(QStringLiteral("auto"), plain());
             c.insertText(QStringLiteral("grey"), colored(192, 192, 192));
             c.insertText(QStringLiteral("orange"), colored(255, 128, 0));
         }},
        {"fonts and sizes",
         [](QTextCursor &c) {
             c.insertText(QStringLiteral("times"), with([](QTextCharFormat &f) {
                              f.setFontFamilies({QStringLiteral("Times New Roman")});
                              f.setFontPointSize(20);
                          }));
             c.insertText(QStringLiteral("small"),
                          with([](QTextCharFormat &f) { f.setFontPointSize(8); }));
             c.insertText(QStringLiteral("half"),
                          with([](QTextCharFormat &f) { f.setFontPointSize(10.5); }));
         }},
        {"protected",
         [](QTextCursor &c) {
             c.insertText(QStringLiteral("open "), plain());
             c.insertText(QStringLiteral("locked"), protectedFormat());
             c.insertBlock(QTextBlockFormat(), protectedFormat());
             c.insertText(QStringLiteral("next"), plain());
         }},
        {"bullets",
         [](QTextCursor &c) {
             c.insertText(QStringLiteral("title"));
             c.insertBlock();
             c.insertText(QStringLiteral("one"));
             bulletParagraph(c);
             c.insertBlock();
             c.insertText(QStringLiteral("two"));
             c.insertBlock(QTextBlockFormat());
             c.insertText(QStringLiteral("gap"));
             c.insertBlock();
             c.insertText(QStringLiteral("three"));
             bulletParagraph(c);
         }},
        {"mixed",
         [](QTextCursor &c) {
             c.insertText(QStringLiteral("all"), with([](QTextCharFormat &f) {
                              f.setFontWeight(QFont::Bold);
                              f.setFontItalic(true);
                              f.setFontUnderline(true);
                              f.setFontStrikeOut(true);
                              f.setForeground(QColor(1, 2, 3));
                              f.setFontFamilies({QStringLiteral("Courier New")});
                              f.setFontPointSize(14);
                              f.setProperty(RichTextModel::ProtectedProperty, true);
                          }));
             c.insertText(QStringLiteral("none"), plain());
             bulletParagraph(c);
         }},
        {"empty paragraphs",
         [](QTextCursor &c) {
             c.insertBlock();
             c.insertText(QStringLiteral("middle"));
             c.insertBlock();
             c.insertBlock();
         }},
        {"bold paragraph break",
         [](QTextCursor &c) {
             c.insertText(QStringLiteral("a"), plain());
             c.insertBlock(QTextBlockFormat(), boldFormat());
             c.insertText(QStringLiteral("b"), plain());
         }},
        {"special characters",
         [](QTextCursor &c) {
             c.insertText(QString::fromUtf8("tab\there\u2028next {braces} back\\slash "
                                            "[x] <y> é€ Привет 中文 \xF0\x9F\x98\x80 ?\u00A0"),
                          plain());
         }},
        {"reserved sequences",
         [](QTextCursor &c) {
             c.insertText(QStringLiteral("[ID: 2]"), plain());
             c.insertBlock();
             c.insertText(QStringLiteral("<splitter><alertsplitter>[CRLF]"), plain());
             c.insertBlock();
             c.insertText(QStringLiteral("[CRLF]"), boldFormat());
         }},
        {"alarm mark",
         [](QTextCursor &c) {
             QTextCharFormat grey = colored(192, 192, 192);
             grey.setFontWeight(QFont::Bold);
             grey.setProperty(RichTextModel::ProtectedProperty, true);
             QTextCharFormat orange = colored(255, 128, 0);
             orange.setFontWeight(QFont::Bold);
             orange.setFontUnderline(true);
             orange.setProperty(RichTextModel::ProtectedProperty, true);
             c.insertText(QStringLiteral("call "), plain());
             c.insertText(QStringLiteral("[12"), grey);
             c.insertText(QStringLiteral("the dentist"), orange);
             c.insertText(QStringLiteral("]"), grey);
             c.insertText(QStringLiteral(" "), protectedFormat());
             c.insertText(QStringLiteral("today"), plain());
         }},
    };
    return list;
}

// What the note files need of the RTF text.
void checkSafeForNoteFiles(const QByteArray &rtf)
{
    for (const char c : rtf)
        QVERIFY2(static_cast<unsigned char>(c) < 0x80 && c != 0, "not plain ASCII");
    QVERIFY(!rtf.contains('['));
    QVERIFY(!rtf.contains('<'));
    QVERIFY(!rtf.contains("<splitter>"));
    QVERIFY(!rtf.contains("<alertsplitter>"));
    QVERIFY(!rtf.contains("[CRLF]"));
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        if (rtf.at(i) == '\r')
            QVERIFY(i + 1 < rtf.size() && rtf.at(i + 1) == '\n');
        if (rtf.at(i) == '\n')
            QVERIFY(i > 0 && rtf.at(i - 1) == '\r');
    }
    for (const QByteArray &line : rtf.split('\n'))
        QVERIFY(!line.startsWith('['));
}

// The note file's block reading: the lines after the header, each with "\r\n" added, up to
// the next line that starts with "[ID: ".
QString readBlock(const QString &file, int id)
{
    const QStringList lines = file.split(QStringLiteral("\r\n"));
    QString collected;
    bool inside = false;
    for (const QString &line : lines) {
        if (inside) {
            if (line.startsWith(QStringLiteral("[ID: ")))
                break;
            collected += line + QStringLiteral("\r\n");
        } else if (line == QStringLiteral("[ID: %1]").arg(id)) {
            inside = true;
        }
    }
    return collected;
}

} // namespace

class tst_RtfWriter : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void sameDocumentSameBytes();
    void reservedSequencesInNoteFile();
    void alarmEntryEncoding();
    void rangeWithinParagraph();
    void rangeAcrossParagraphs();
    void rangePastedBackKeepsLook();
    void headerTables();
};

void tst_RtfWriter::roundTrip_data()
{
    QTest::addColumn<int>("scenario");
    for (size_t i = 0; i < scenarios().size(); ++i)
        QTest::newRow(scenarios()[i].name) << static_cast<int>(i);
}

void tst_RtfWriter::roundTrip()
{
    QFETCH(int, scenario);
    const auto original = build(scenarios()[static_cast<size_t>(scenario)].build);
    const QByteArray rtf = RtfWriter::write(*original);
    checkSafeForNoteFiles(rtf);
    const auto copy = readBack(rtf);
    QCOMPARE(RichTextModel(*copy).text(), RichTextModel(*original).text());
    QCOMPARE(signature(*copy), signature(*original));
    // Written again, the copy gives the same bytes.
    QCOMPARE(RtfWriter::write(*copy), rtf);
}

void tst_RtfWriter::sameDocumentSameBytes()
{
    for (const Scenario &scenario : scenarios()) {
        const auto first = build(scenario.build);
        const auto second = build(scenario.build);
        QCOMPARE(RtfWriter::write(*first), RtfWriter::write(*second));
        QCOMPARE(RtfWriter::write(*first), RtfWriter::write(*first));
    }
}

void tst_RtfWriter::reservedSequencesInNoteFile()
{
    const auto note = build([](QTextCursor &c) {
        c.insertText(QStringLiteral("[ID: 2]"));
        c.insertBlock();
        c.insertText(QStringLiteral("[ID: 1]<splitter>"));
    });
    const auto other = build([](QTextCursor &c) { c.insertText(QStringLiteral("second")); });
    const QString first = QString::fromLatin1(RtfWriter::write(*note));
    const QString second = QString::fromLatin1(RtfWriter::write(*other));
    const QString file = QStringLiteral("[ID: 1]\r\n") + first + QStringLiteral("\r\n[ID: 2]\r\n") +
                         second + QStringLiteral("\r\n");
    QTextDocument readFirst;
    QTextCursor cursor(&readFirst);
    RtfReader(RtfReader::Target::Document).read(readBlock(file, 1), cursor);
    QCOMPARE(RichTextModel(readFirst).text(), QStringLiteral("[ID: 2]\r\n[ID: 1]<splitter>"));
    QTextDocument readSecond;
    QTextCursor secondCursor(&readSecond);
    RtfReader(RtfReader::Target::Document).read(readBlock(file, 2), secondCursor);
    QCOMPARE(RichTextModel(readSecond).text(), QStringLiteral("second"));
}

void tst_RtfWriter::alarmEntryEncoding()
{
    // The unmarked text of an alarm entry is RTF; the session file joins the fields with
    // "<splitter>", the entries with "<alertsplitter>" and writes line ends as "[CRLF]".
    const auto marked = build([](QTextCursor &c) {
        c.insertText(QStringLiteral("a<splitter>b[CRLF]c"), boldFormat());
        c.insertBlock();
        c.insertText(QStringLiteral("<alertsplitter>"));
    });
    const QString rtf = QString::fromLatin1(RtfWriter::write(*marked));
    const QString entry = QStringLiteral("1<splitter>10:30 PM<splitter>msg<splitter>system "
                                         "beep<splitter>in que<splitter>") +
                          rtf;
    QString alerts = QStringLiteral("<alertsplitter>") + entry;
    alerts.replace(QStringLiteral("\r\n"), QStringLiteral("[CRLF]"));

    QStringList pieces = alerts.split(QStringLiteral("<alertsplitter>"));
    QCOMPARE(pieces.size(), 2);
    QString restored = pieces.at(1);
    restored.replace(QStringLiteral("[CRLF]"), QStringLiteral("\r\n"));
    const QStringList fields = restored.split(QStringLiteral("<splitter>"));
    QCOMPARE(fields.size(), 6);
    QCOMPARE(fields.at(5), rtf);
    const auto copy = readBack(fields.at(5).toLatin1());
    QCOMPARE(signature(*copy), signature(*marked));
}

void tst_RtfWriter::rangeWithinParagraph()
{
    const auto document = build([](QTextCursor &c) {
        c.insertText(QStringLiteral("ab"));
        c.insertText(QStringLiteral("cd"), boldFormat());
        c.insertBlock();
        c.insertText(QStringLiteral("ef"));
    });
    const QByteArray rtf = RtfWriter::write(*document, 1, 3);
    QCOMPARE(rtf.count("\\par"), rtf.count("\\pard"));
    QTextDocument copy;
    QTextCursor cursor(&copy);
    RtfReader(RtfReader::Target::Selection).read(rtf, cursor);
    QCOMPARE(RichTextModel(copy).text(), QStringLiteral("bc"));
}

void tst_RtfWriter::rangeAcrossParagraphs()
{
    const auto document = build([](QTextCursor &c) {
        c.insertText(QStringLiteral("ab"));
        c.insertBlock();
        c.insertText(QStringLiteral("cd"));
        c.insertBlock();
        c.insertText(QStringLiteral("ef"));
    });
    const QByteArray rtf = RtfWriter::write(*document, 1, 7);
    QCOMPARE(rtf.count("\\par"), 2 + rtf.count("\\pard"));
    QTextDocument copy;
    QTextCursor cursor(&copy);
    RtfReader(RtfReader::Target::Selection).read(rtf, cursor);
    QCOMPARE(RichTextModel(copy).text(), QStringLiteral("b\r\ncd\r\ne"));
}

void tst_RtfWriter::rangePastedBackKeepsLook()
{
    const auto document = build([](QTextCursor &c) {
        c.insertText(QStringLiteral("x "));
        c.insertText(QStringLiteral("look"), with([](QTextCharFormat &f) {
                         f.setFontItalic(true);
                         f.setForeground(QColor(10, 20, 30));
                         f.setFontPointSize(15);
                     }));
        c.insertText(QStringLiteral(" y"));
    });
    const QByteArray part = RtfWriter::write(*document, 2, 6);
    QTextCursor cursor(document.get());
    cursor.movePosition(QTextCursor::End);
    RtfReader(RtfReader::Target::Selection).read(part, cursor);
    QCOMPARE(RichTextModel(*document).text(), QStringLiteral("x look ylook"));
    const QStringList look = signature(*document);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(look.at(8 + i), look.at(2 + i));
}

void tst_RtfWriter::headerTables()
{
    const auto document = build([](QTextCursor &c) {
        c.insertText(QStringLiteral("a"), colored(255, 0, 0));
        c.insertText(QStringLiteral("b"), with([](QTextCharFormat &f) {
                         f.setFontFamilies({QStringLiteral("Georgia")});
                     }));
        bulletParagraph(c);
    });
    const QByteArray rtf = RtfWriter::write(*document);
    QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
    QVERIFY(rtf.contains("{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}{\\f1\\fnil\\fcharset0 Georgia;}"
                         "{\\f2\\fnil\\fcharset2 Symbol;}}"));
    QVERIFY(rtf.contains("{\\colortbl ;\\red255\\green0\\blue0;}"));
    QVERIFY(rtf.contains("{\\*\\pn\\pnlvlblt\\pnf2"));
    QVERIFY(rtf.endsWith("\\par\r\n}"));
}

QTEST_MAIN(tst_RtfWriter)
#include "tst_RtfWriter.moc"
