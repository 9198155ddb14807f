#include "NoteFixtures.h"
#include "notes/richtext/RtfReader.h"
#include "platform/AnsiText.h"

#include <QFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

// What marking and restoring alarm text relies on: a range read with SelRTF and written back
// changes nothing, selections may end inside a line break or a surrogate pair, and RTF reads
// the same whichever way it comes in.
class tst_RichTextBoxExactness : public QObject
{
    Q_OBJECT

private slots:
    void selRtfBackChangesNothing_data();
    void selRtfBackChangesNothing();
    void corpusRangesBackChangeNothing_data();
    void corpusRangesBackChangeNothing();
    void insideLineBreak_data();
    void insideLineBreak();
    void insideSurrogatePair_data();
    void insideSurrogatePair();
    void deepGroupsKeepFormats_data();
    void deepGroupsKeepFormats();
    void oneDecodingPath_data();
    void oneDecodingPath();
};

namespace {

QString roundTripped(RichTextBox &box, int start, int length)
{
    NoteFixtures::selectRange(box, start, length);
    box.setSelRTF(box.SelRTF());
    return box.TextRTF();
}

} // namespace

void tst_RichTextBoxExactness::selRtfBackChangesNothing_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    // "a\r\ncafé\r\nb\r\nlast" with bullets on "café" and "b"; "a" and "last" plain.
    QTest::newRow("break then bullet paragraph") << 1 << 6;
    QTest::newRow("bullet paragraph with its break") << 3 << 6;
    QTest::newRow("break between bullets") << 7 << 2;
    QTest::newRow("break into a plain paragraph") << 10 << 3;
    QTest::newRow("across three paragraphs") << 0 << 12;
    QTest::newRow("end of a bullet to the next") << 6 << 4;
    QTest::newRow("caret") << 4 << 0;
    QTest::newRow("everything") << 0 << 16;
}

void tst_RichTextBoxExactness::selRtfBackChangesNothing()
{
    QFETCH(int, start);
    QFETCH(int, length);
    RichTextBox box;
    box.setText(QStringLiteral("a\r\ncaf\u00e9\r\nb\r\nlast"));
    NoteFixtures::selectRange(box, 3, 7);
    box.setSelBullet(true);
    NoteFixtures::selectRange(box, 0, 1);
    box.setSelBold(true);
    const QString before = box.TextRTF();
    QCOMPARE(roundTripped(box, start, length), before);
}

void tst_RichTextBoxExactness::corpusRangesBackChangeNothing_data()
{
    QTest::addColumn<QString>("file");
    for (const char *name : {"richedit.rtf", "wordpad.rtf", "word.rtf", "libreoffice.rtf"})
        QTest::newRow(name) << QFINDTESTDATA(QStringLiteral("corpus/") + QLatin1String(name));
}

// Ranges around every paragraph break, where the bullets used to move.
void tst_RichTextBoxExactness::corpusRangesBackChangeNothing()
{
    QFETCH(QString, file);
    QFile in(file);
    QVERIFY(in.open(QIODevice::ReadOnly));
    RichTextBox box;
    box.setTextRTF(QString::fromLatin1(in.readAll()));
    const QString original = box.TextRTF();
    const QString text = box.Text();
    int tried = 0;
    for (qsizetype at = text.indexOf(QLatin1String("\r\n")); at >= 0;
         at = text.indexOf(QLatin1String("\r\n"), at + 2)) {
        const int b = static_cast<int>(at);
        for (const auto &[start, end] : {std::pair{b, b + 5}, std::pair{b - 3, b + 2},
                                         std::pair{b - 2, b}, std::pair{b, b + 2}}) {
            if (start < 0 || end > text.size())
                continue;
            ++tried;
            const QString after = roundTripped(box, start, end - start);
            if (after != original)
                QFAIL(qPrintable(
                    QStringLiteral("range %1..%2 changed the note").arg(start).arg(end)));
        }
    }
    QVERIFY(tried > 0);
}

void tst_RichTextBoxExactness::insideLineBreak_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("selected");
    // "Meeting notes\r\nAgenda": "\r" at 13, "\n" at 14
    QTest::newRow("ends after the \\r") << 8 << 6 << QStringLiteral("notes\r");
    QTest::newRow("only the \\r") << 13 << 1 << QStringLiteral("\r");
    QTest::newRow("starts after the \\r") << 14 << 3 << QStringLiteral("\nAg");
    QTest::newRow("caret inside") << 14 << 0 << QString();
    QTest::newRow("whole break") << 13 << 2 << QStringLiteral("\r\n");
}

void tst_RichTextBoxExactness::insideLineBreak()
{
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, selected);
    RichTextBox box;
    box.setText(QStringLiteral("Meeting notes\r\nAgenda"));
    NoteFixtures::selectRange(box, start, length);
    QCOMPARE(box.SelStart(), start);
    QCOMPARE(box.SelLength(), length);
    QCOMPARE(box.SelText(), selected);
    // Taking one off again leaves the break out, as the classic control does.
    box.setSelLength(length + 1);
    box.setSelLength(box.SelLength() - 1);
    QCOMPARE(box.SelText(), selected);
    // Replacing a selection that ends after the "\r" keeps the paragraphs apart.
    box.setSelText(QStringLiteral("X"));
    QCOMPARE(box.Text().count(QLatin1String("\r\n")), selected == QLatin1String("\r\n") ? 0 : 1);
}

void tst_RichTextBoxExactness::insideSurrogatePair_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("written"); // what SelRTF holds, read back
    const QString smile = QStringLiteral("\U0001F600");
    // "a" + smile + "b": the pair at 1 and 2
    QTest::newRow("ends inside") << 0 << 2 << QStringLiteral("a");
    QTest::newRow("starts inside") << 2 << 2 << QStringLiteral("b");
    QTest::newRow("whole pair") << 1 << 2 << smile;
    QTest::newRow("inside only") << 2 << 0 << QString();
}

void tst_RichTextBoxExactness::insideSurrogatePair()
{
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, written);
    const QString text = QStringLiteral("a\U0001F600b");
    RichTextBox box;
    box.setText(text);
    NoteFixtures::selectRange(box, start, length);
    QCOMPARE(box.SelText(), text.mid(start, length));
    const QString rtf = box.SelRTF();
    RichTextBox other;
    other.setTextRTF(rtf);
    QCOMPARE(other.Text(), written);
    box.setSelRTF(rtf);
    QCOMPARE(box.Text(), text);
}

void tst_RichTextBoxExactness::deepGroupsKeepFormats_data()
{
    QTest::addColumn<int>("depth");
    QTest::newRow("999") << 999;
    QTest::newRow("1000") << 1000;
    QTest::newRow("1001") << 1001;
    QTest::newRow("5000") << 5000;
}

void tst_RichTextBoxExactness::deepGroupsKeepFormats()
{
    QFETCH(int, depth);
    const QString open(depth, QLatin1Char('{'));
    const QString close(depth, QLatin1Char('}'));
    RichTextBox box;
    box.setTextRTF(QStringLiteral("{\\rtf1 ") + open + QStringLiteral("{\\b x}{\\i y}z") + close +
                   QStringLiteral(" w}"));
    QCOMPARE(box.Text(), QStringLiteral("xyz w"));
    const bool expected[][2] = {{true, false}, {false, true}, {false, false}, {false, false}};
    for (int i = 0; i < 4; ++i) {
        NoteFixtures::selectRange(box, i == 3 ? 4 : i, 1);
        QCOMPARE(box.SelBold(), std::optional<bool>(expected[i][0]));
        QCOMPARE(box.SelItalic(), std::optional<bool>(expected[i][1]));
    }
}

void tst_RichTextBoxExactness::oneDecodingPath_data()
{
    QTest::addColumn<QByteArray>("file"); // the note file's bytes
    QTest::addColumn<QString>("text");
    QTest::newRow("Cyrillic code page")
        << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \xcf\xf0\xe8\xe2\xe5\xf2}")
        << QStringLiteral("\u041f\u0440\u0438\u0432\u0435\u0442");
    QTest::newRow("Windows-1252") << QByteArray("{\\rtf1\\ansi\\ansicpg1252 caf\xe9 \x80}")
                                  << QStringLiteral("caf\u00e9 \u20ac");
    QTest::newRow("Greek font charset")
        << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset161 Arial;}}\\f0 \xe1}")
        << QStringLiteral("\u03b1");
    QTest::newRow("UTF-8 file with its own letters")
        << QByteArray("{\\rtf1 \xd0\x9f\xd1\x80\xd0\xb8}") << QStringLiteral("\u041f\u0440\u0438");
    // Control characters: a vertical tab is a line break, a tab stays, the rest go.
    QTest::newRow("\\u11 is a line break") << QByteArray("{\\rtf1 a\\u11?b}") << "a\vb";
    QTest::newRow("\\'0b is a line break") << QByteArray("{\\rtf1 a\\'0bb}") << "a\vb";
    QTest::newRow("\\u7 dropped") << QByteArray("{\\rtf1 a\\u7?b}") << "ab";
    QTest::newRow("\\u1 and \\u31 dropped") << QByteArray("{\\rtf1 a\\u1?\\u31?b}") << "ab";
    QTest::newRow("\\'1b dropped") << QByteArray("{\\rtf1 a\\'1bb}") << "ab";
    QTest::newRow("\\u9 stays a tab") << QByteArray("{\\rtf1 a\\u9?b}") << "a\tb";
}

// The note file is read as text, a paste as bytes: both give the same note, and the
// note written out reads the same again.
void tst_RichTextBoxExactness::oneDecodingPath()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, text);
    RichTextBox note;
    note.setTextRTF(AnsiText::decode(file));
    QCOMPARE(note.Text(), text);
    RichTextBox again;
    again.setTextRTF(note.TextRTF());
    QCOMPARE(again.Text(), text);
    if (!file.startsWith("{\\rtf1 \xd0")) {
        QTextDocument pasted;
        QTextCursor cursor(&pasted);
        RtfReader(RtfReader::Target::Selection).read(file, cursor);
        QString raw = pasted.toRawText(); // a line break as the document holds it
        raw.replace(QChar::LineSeparator, QLatin1Char('\v'));
        QCOMPARE(raw, text);
    }
}

QTEST_MAIN(tst_RichTextBoxExactness)
#include "tst_RichTextBoxExactness.moc"
