#include "alarms/AlarmMarks.h"
#include "notes/richtext/RichTextBox.h"

#include <QContextMenuEvent>
#include <QFile>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

#include <functional>

using Action = std::function<void(RichTextBox &)>;
using Read = std::function<QString(const RichTextBox &)>;
Q_DECLARE_METATYPE(Action)
Q_DECLARE_METATYPE(Read)

namespace {

constexpr int grey = 0xC0C0C0;
constexpr int orange = 0x0080FF;

QString reading(const std::optional<bool> &value)
{
    return value ? QString::fromLatin1(*value ? "true" : "false") : QStringLiteral("mixed");
}

void selectRange(RichTextBox &box, int start, int length)
{
    box.setSelStart(start);
    box.setSelLength(length);
}

} // namespace

class tst_RichTextBox : public QObject
{
    Q_OBJECT

private slots:
    void textOfTwoParagraphs();
    void selStartEmptiesSelection();
    void selLengthClampsToTheEnd();
    void positionInsideLineBreak();
    void halfBoldReadsMixed_data();
    void halfBoldReadsMixed();
    void everyFormatReadsMixed_data();
    void everyFormatReadsMixed();
    void caretReadsTheCharacterBefore();
    void insertionFormatWithEmptySelection();
    void selTextReplacesSelection();
    void selRtfPastedElsewhereKeepsLook();
    void textRtfThroughNewBox();
    void textRtfIntoAShownBox_data();
    void textRtfIntoAShownBox();
    void newTextDropsTheOldFormats();
    void notRtfIsPlainText();
    void span_data();
    void span();
    void bullets();
    void changeFiresOnce_data();
    void changeFiresOnce();
    void selChangeFiresOnce_data();
    void selChangeFiresOnce();
    void alarmMarkAndRestore();
    void keyDownCodes_data();
    void keyDownCodes();
    void keyDownCanSwallow();
    void keyPressCanSwallowOrReplace();
    void contextMenuIsLeftToTheOwner();
    void mouseUpAndClick();
    void drawsNoBackground();
};

void tst_RichTextBox::textOfTwoParagraphs()
{
    RichTextBox box;
    box.setText(QStringLiteral("a\r\nb"));
    QCOMPARE(box.Text(), QStringLiteral("a\r\nb"));
    selectRange(box, 3, 1);
    QCOMPARE(box.SelText(), QStringLiteral("b"));
    QCOMPARE(box.SelStart(), 3);
    selectRange(box, 0, 4);
    QCOMPARE(box.SelText(), QStringLiteral("a\r\nb"));
    QCOMPARE(box.SelLength(), 4);
}

void tst_RichTextBox::selStartEmptiesSelection()
{
    RichTextBox box;
    box.setText(QStringLiteral("hello"));
    selectRange(box, 1, 3);
    QCOMPARE(box.SelText(), QStringLiteral("ell"));
    box.setSelStart(2);
    QCOMPARE(box.SelLength(), 0);
    QCOMPARE(box.SelStart(), 2);
    box.setSelStart(-4);
    QCOMPARE(box.SelStart(), 0);
    box.setSelStart(99);
    QCOMPARE(box.SelStart(), 5);
}

void tst_RichTextBox::selLengthClampsToTheEnd()
{
    RichTextBox box;
    box.setText(QStringLiteral("hello\r\nworld"));
    box.setSelStart(3);
    box.setSelLength(box.Text().size() + 100); // Select All does this
    QCOMPARE(box.SelLength(), 9);
    QCOMPARE(box.SelText(), QStringLiteral("lo\r\nworld"));
    box.setSelLength(std::numeric_limits<int>::max());
    QCOMPARE(box.SelLength(), 9);
    box.setSelLength(-3);
    QCOMPARE(box.SelLength(), 0);
    QCOMPARE(box.SelStart(), 3);
}

void tst_RichTextBox::positionInsideLineBreak()
{
    RichTextBox box;
    box.setText(QStringLiteral("ab\r\ncd"));
    box.setSelStart(3); // between "\r" and "\n", as the classic control allows
    QCOMPARE(box.SelStart(), 3);
    box.setSelStart(1);
    box.setSelLength(2); // "b\r": half the break, which therefore stays whole in the note
    QCOMPARE(box.SelText(), QStringLiteral("b\r"));
    box.setSelLength(box.SelLength() + 1);
    QCOMPARE(box.SelText(), QStringLiteral("b\r\n"));
    box.setSelLength(box.SelLength() - 1);
    QCOMPARE(box.SelText(), QStringLiteral("b\r"));
    box.setSelLength(1);
    QCOMPARE(box.SelText(), QStringLiteral("b"));
}

void tst_RichTextBox::halfBoldReadsMixed_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("bold");
    // "abcd" with "ab" bold.
    QTest::newRow("half bold") << 1 << 2 << QStringLiteral("mixed");
    QTest::newRow("all bold") << 0 << 2 << QStringLiteral("true");
    QTest::newRow("none bold") << 2 << 2 << QStringLiteral("false");
    QTest::newRow("everything") << 0 << 4 << QStringLiteral("mixed");
}

void tst_RichTextBox::halfBoldReadsMixed()
{
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, bold);
    RichTextBox box;
    box.setText(QStringLiteral("abcd"));
    selectRange(box, 0, 2);
    box.setSelBold(true);
    selectRange(box, start, length);
    QCOMPARE(reading(box.SelBold()), bold);
}

void tst_RichTextBox::everyFormatReadsMixed_data()
{
    QTest::addColumn<Action>("apply");
    QTest::addColumn<Read>("read");
    QTest::addColumn<QString>("on");
    QTest::addColumn<QString>("off");
    const auto flag = [](std::optional<bool> (RichTextBox::*getter)() const) {
        return Read([getter](const RichTextBox &b) { return reading((b.*getter)()); });
    };
    QTest::newRow("italic") << Action([](RichTextBox &b) { b.setSelItalic(true); })
                            << flag(&RichTextBox::SelItalic) << QStringLiteral("true")
                            << QStringLiteral("false");
    QTest::newRow("underline") << Action([](RichTextBox &b) { b.setSelUnderline(true); })
                               << flag(&RichTextBox::SelUnderline) << QStringLiteral("true")
                               << QStringLiteral("false");
    QTest::newRow("strike") << Action([](RichTextBox &b) { b.setSelStrikeThru(true); })
                            << flag(&RichTextBox::SelStrikeThru) << QStringLiteral("true")
                            << QStringLiteral("false");
    QTest::newRow("protected") << Action([](RichTextBox &b) { b.setSelProtected(true); })
                               << flag(&RichTextBox::SelProtected) << QStringLiteral("true")
                               << QStringLiteral("false");
    QTest::newRow("colour") << Action([](RichTextBox &b) { b.setSelColor(orange); })
                            << Read([](const RichTextBox &b) {
                                   const auto c = b.SelColor();
                                   return c ? QString::number(*c, 16) : QStringLiteral("mixed");
                               })
                            << QStringLiteral("80ff") << QStringLiteral("0");
    QTest::newRow("font") << Action([](RichTextBox &b) {
        b.setSelFontName(QStringLiteral("Serifa"));
    }) << Read([](const RichTextBox &b) {
        return b.SelFontName().value_or(QStringLiteral("mixed"));
    }) << QStringLiteral("Serifa")
                          << QStringLiteral("Helvetica");
    QTest::newRow("size") << Action([](RichTextBox &b) { b.setSelFontSize(21.5); })
                          << Read([](const RichTextBox &b) {
                                 const auto s = b.SelFontSize();
                                 return s ? QString::number(*s) : QStringLiteral("mixed");
                             })
                          << QStringLiteral("21.5") << QStringLiteral("9");
}

void tst_RichTextBox::everyFormatReadsMixed()
{
    QFETCH(Action, apply);
    QFETCH(Read, read);
    QFETCH(QString, on);
    QFETCH(QString, off);
    RichTextBox box;
    box.setFont(QFont(QStringLiteral("Helvetica"), 9));
    box.setText(QStringLiteral("ab\r\ncd"));
    selectRange(box, 0, 2);
    apply(box);
    QCOMPARE(read(box), on);
    selectRange(box, 1, 2);
    QCOMPARE(read(box), QStringLiteral("mixed"));
    selectRange(box, 4, 2);
    QCOMPARE(read(box), off);
    box.setSelStart(1);
    QCOMPARE(read(box), on); // the character before the caret
}

void tst_RichTextBox::caretReadsTheCharacterBefore()
{
    RichTextBox box;
    box.setText(QStringLiteral("abcd"));
    selectRange(box, 1, 1);
    box.setSelBold(true);
    box.setSelStart(2); // after the bold "b"
    QCOMPARE(box.SelBold(), std::optional<bool>(true));
    box.setSelStart(3);
    QCOMPARE(box.SelBold(), std::optional<bool>(false));
    box.setSelStart(1); // before it
    QCOMPARE(box.SelBold(), std::optional<bool>(false));
}

void tst_RichTextBox::insertionFormatWithEmptySelection()
{
    RichTextBox box;
    box.setText(QStringLiteral("plain"));
    box.setSelStart(5);
    box.setSelBold(true);
    box.setSelColor(grey);
    QCOMPARE(box.SelBold(), std::optional<bool>(true));
    QCOMPARE(box.SelColor(), std::optional<int>(grey));
    box.setSelText(QStringLiteral("X"));
    QCOMPARE(box.Text(), QStringLiteral("plainX"));
    selectRange(box, 5, 1);
    QCOMPARE(box.SelBold(), std::optional<bool>(true));
    QCOMPARE(box.SelColor(), std::optional<int>(grey));
    selectRange(box, 0, 5);
    QCOMPARE(box.SelBold(), std::optional<bool>(false)); // the text around is untouched

    // What the user types next takes the insertion format too.
    box.setSelStart(0);
    box.setSelItalic(true);
    QTest::keyClicks(&box, QStringLiteral("Y"));
    QCOMPARE(box.Text(), QStringLiteral("YplainX"));
    selectRange(box, 0, 1);
    QCOMPARE(box.SelItalic(), std::optional<bool>(true));
    selectRange(box, 1, 1);
    QCOMPARE(box.SelItalic(), std::optional<bool>(false));
}

void tst_RichTextBox::selTextReplacesSelection()
{
    RichTextBox box;
    box.setText(QStringLiteral("abcd"));
    selectRange(box, 1, 2);
    box.setSelBold(true);
    box.setSelText(QStringLiteral("X\r\nY"));
    QCOMPARE(box.Text(), QStringLiteral("aX\r\nYd"));
    QCOMPARE(box.SelStart(), 5);
    QCOMPARE(box.SelLength(), 0);
    selectRange(box, 1, 4);
    QCOMPARE(box.SelBold(), std::optional<bool>(true)); // the look of what it replaced
}

void tst_RichTextBox::selRtfPastedElsewhereKeepsLook()
{
    RichTextBox box;
    box.setText(QStringLiteral("one two three"));
    selectRange(box, 4, 3);
    box.setSelItalic(true);
    box.setSelColor(orange);
    box.setSelFontSize(17);
    const QString part = box.SelRTF();
    box.setSelStart(box.Text().size());
    box.setSelRTF(part);
    QCOMPARE(box.Text(), QStringLiteral("one two threetwo"));
    QCOMPARE(box.SelStart(), 16);
    selectRange(box, 13, 3);
    QCOMPARE(box.SelItalic(), std::optional<bool>(true));
    QCOMPARE(box.SelColor(), std::optional<int>(orange));
    QCOMPARE(box.SelFontSize(), std::optional<double>(17));
    selectRange(box, 8, 5);
    QCOMPARE(box.SelItalic(), std::optional<bool>(false));
}

void tst_RichTextBox::textRtfThroughNewBox()
{
    QFile file(QFINDTESTDATA("corpus/richedit.rtf"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    RichTextBox first;
    first.setTextRTF(QString::fromLatin1(file.readAll()));
    QCOMPARE(first.SelStart(), 0);
    RichTextBox second;
    second.setTextRTF(first.TextRTF());
    QCOMPARE(second.Text(), first.Text());
    QCOMPARE(second.TextRTF(), first.TextRTF());
    selectRange(second, 19, 3); // "und" of "underlined"
    QCOMPARE(second.SelUnderline(), std::optional<bool>(true));
}

void tst_RichTextBox::textRtfIntoAShownBox_data()
{
    QTest::addColumn<int>("paragraphs");
    QTest::addColumn<int>("stopAtQuestion"); // 0: never asked to stop
    QTest::addColumn<bool>("scrollBar");
    QTest::newRow("short note") << 2 << 0 << false;
    QTest::newRow("short RTF, longer than the box") << 30 << 0 << true;
    QTest::newRow("long note") << 20000 << 0 << true;
    QTest::newRow("long note, stop asked at once") << 20000 << 1 << true;
    QTest::newRow("long note, stop asked later") << 20000 << 3 << true;
}

// A text replaced in a box the user sees: caret and view at the start, nothing to undo, the
// first lines drawn at once and the whole text scrollable soon after; reading stops early
// when the caller asks it to.
void tst_RichTextBox::textRtfIntoAShownBox()
{
    QFETCH(int, paragraphs);
    QFETCH(int, stopAtQuestion);
    QFETCH(bool, scrollBar);
    RichTextBox box;
    box.resize(260, 160);
    box.show();
    box.setText(QString("old\r\n").repeated(500) + "end");
    box.setSelStart(box.Text().size());
    box.setSelText("x");
    QString rtf = "{\\rtf1\\ansi ";
    for (int i = 0; i < paragraphs; ++i)
        rtf += QString("line %1\\par\r\n").arg(i);
    rtf += "}";
    int questions = 0;
    box.setTextRTF(rtf, [&] { return stopAtQuestion > 0 && ++questions >= stopAtQuestion; });
    const int blocks = box.document()->blockCount();
    if (stopAtQuestion > 0) {
        QVERIFY(blocks > 1);
        QVERIFY(blocks < paragraphs);
    } else {
        QCOMPARE(blocks, paragraphs);
        QVERIFY(box.Text().startsWith("line 0\r\nline 1"));
    }
    QCOMPARE(box.SelStart(), 0);
    QVERIFY(!box.document()->isUndoAvailable());
    box.repaint();
    QCOMPARE(box.verticalScrollBar()->value(), 0);
    QVERIFY(box.document()->firstBlock().layout()->lineCount() > 0);
    // The scroll bar shows only for a text longer than the box, which then lays the text out
    // to the width left beside it.
    QCOMPARE(box.verticalScrollBar()->isVisible(), scrollBar);
    QCOMPARE(box.verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    QCOMPARE(box.document()->pageSize().width(), box.viewport()->width());
    // (A huge text is never laid out whole: its size is estimated.)
    if (blocks > 100)
        QTRY_VERIFY_WITH_TIMEOUT(box.verticalScrollBar()->maximum() > 100 * 10, 20000);
    // A short text keeps its shaped glyphs between paints; edited, it paints as the same
    // text loaded afresh.
    if (blocks > 100)
        return;
    box.setSelStart(0);
    box.setSelText("more ");
    RichTextBox fresh;
    fresh.resize(box.size());
    fresh.show();
    fresh.setTextRTF(box.TextRTF());
    QCOMPARE(box.viewport()->grab().toImage(), fresh.viewport()->grab().toImage());
}

// A note whose text is set again and again does not gather the looks of all its old texts.
void tst_RichTextBox::newTextDropsTheOldFormats()
{
    RichTextBox box;
    QString colours = "{\\rtf1{\\colortbl;";
    QString text;
    for (int i = 1; i <= 200; ++i) {
        colours += QString("\\red%1\\green0\\blue0;").arg(i);
        text += QString("\\cf%1 x").arg(i);
    }
    box.setTextRTF(colours + "}" + text + "}");
    QVERIFY(box.document()->allFormats().size() > 200);
    box.setTextRTF(QStringLiteral("{\\rtf1 plain \\b bold}"));
    QVERIFY(box.document()->allFormats().size() < 20);
    QCOMPARE(box.Text(), QStringLiteral("plain bold"));
    QVERIFY(!box.document()->isUndoAvailable());
}

void tst_RichTextBox::notRtfIsPlainText()
{
    RichTextBox box;
    box.setTextRTF(QStringLiteral("just text\r\nsecond line"));
    QCOMPARE(box.Text(), QStringLiteral("just text\r\nsecond line"));
    box.setTextRTF(QString());
    QCOMPARE(box.Text(), QString());
}

void tst_RichTextBox::span_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("characters");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<bool>("negate");
    QTest::addColumn<QString>("selected");
    // "say [12call Sam] now\r\nnext"
    QTest::newRow("back to bracket")
        << 9 << 0 << QStringLiteral("[") << false << true << QStringLiteral("12ca");
    QTest::newRow("forward to bracket")
        << 9 << 0 << QStringLiteral("]") << true << true << QStringLiteral("ll Sam");
    QTest::newRow("forward over set")
        << 0 << 0 << QStringLiteral("ysa") << true << false << QStringLiteral("say");
    QTest::newRow("backward to space")
        << 20 << 0 << QStringLiteral(" ") << false << true << QStringLiteral("now");
    QTest::newRow("across line break")
        << 17 << 0 << QStringLiteral("]") << true << true << QStringLiteral("now\r\nnext");
    QTest::newRow("keeps the selection")
        << 6 << 2 << QStringLiteral(" ") << true << true << QStringLiteral("2call");
    QTest::newRow("one character")
        << 4 << 0 << QStringLiteral("[") << true << false << QStringLiteral("[");
}

void tst_RichTextBox::span()
{
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, characters);
    QFETCH(bool, forward);
    QFETCH(bool, negate);
    QFETCH(QString, selected);
    RichTextBox box;
    box.setText(QStringLiteral("say [12call Sam] now\r\nnext"));
    selectRange(box, start, length);
    box.Span(characters, forward, negate);
    QCOMPARE(box.SelText(), selected);
}

void tst_RichTextBox::bullets()
{
    RichTextBox box;
    box.setText(QStringLiteral("one\r\ntwo\r\nthree"));
    selectRange(box, 1, 6); // "ne\r\ntw"
    box.setSelBullet(true);
    QCOMPARE(box.SelBullet(), std::optional<bool>(true));
    box.setSelStart(12);
    QCOMPARE(box.SelBullet(), std::optional<bool>(false));
    selectRange(box, 0, 12);
    QCOMPARE(box.SelBullet(), std::optional<bool>());
    box.setSelStart(0);
    box.setSelBullet(false);
    selectRange(box, 0, 8);
    QCOMPARE(box.SelBullet(), std::optional<bool>());
    RichTextBox copy;
    copy.setTextRTF(box.TextRTF());
    copy.setSelStart(6);
    QCOMPARE(copy.SelBullet(), std::optional<bool>(true));
    copy.setSelStart(1);
    QCOMPARE(copy.SelBullet(), std::optional<bool>(false));
}

void tst_RichTextBox::changeFiresOnce_data()
{
    QTest::addColumn<Action>("action");
    QTest::newRow("typing") << Action([](RichTextBox &b) { QTest::keyClick(&b, Qt::Key_X); });
    QTest::newRow("typing over a selection") << Action([](RichTextBox &b) {
        selectRange(b, 1, 3);
        QTest::keyClick(&b, Qt::Key_X);
    });
    QTest::newRow("delete key") << Action(
        [](RichTextBox &b) { QTest::keyClick(&b, Qt::Key_Delete); });
    QTest::newRow("enter") << Action([](RichTextBox &b) { QTest::keyClick(&b, Qt::Key_Return); });
    QTest::newRow("SelText over a selection") << Action([](RichTextBox &b) {
        selectRange(b, 1, 3);
        b.setSelText(QStringLiteral("x\r\ny"));
    });
    QTest::newRow("SelRTF") << Action([](RichTextBox &b) {
        selectRange(b, 0, 2);
        b.setSelRTF(QStringLiteral("{\\rtf1 \\b a\\par b}"));
    });
    QTest::newRow("TextRTF") << Action(
        [](RichTextBox &b) { b.setTextRTF(QStringLiteral("{\\rtf1 x\\par y}")); });
    QTest::newRow("Text") << Action([](RichTextBox &b) { b.setText(QStringLiteral("new")); });
    QTest::newRow("bold") << Action([](RichTextBox &b) {
        selectRange(b, 0, 5);
        b.setSelBold(true);
    });
    QTest::newRow("bullet") << Action([](RichTextBox &b) {
        selectRange(b, 0, 9);
        b.setSelBullet(true);
    });
}

void tst_RichTextBox::changeFiresOnce()
{
    QFETCH(Action, action);
    RichTextBox box;
    box.setText(QStringLiteral("abc\r\ndef"));
    box.setSelStart(0);
    QSignalSpy change(&box, &RichTextBox::Change);
    action(box);
    QCOMPARE(change.count(), 1);
}

void tst_RichTextBox::selChangeFiresOnce_data()
{
    QTest::addColumn<Action>("action");
    QTest::addColumn<int>("count");
    QTest::newRow("SelStart") << Action([](RichTextBox &b) { b.setSelStart(3); }) << 1;
    QTest::newRow("SelStart where it is") << Action([](RichTextBox &b) { b.setSelStart(0); }) << 0;
    QTest::newRow("SelLength") << Action([](RichTextBox &b) { b.setSelLength(3); }) << 1;
    QTest::newRow("Span") << Action([](RichTextBox &b) { b.Span(QStringLiteral(" "), true, true); })
                          << 1;
    QTest::newRow("typing") << Action([](RichTextBox &b) { QTest::keyClick(&b, Qt::Key_X); }) << 1;
    QTest::newRow("arrow") << Action([](RichTextBox &b) { QTest::keyClick(&b, Qt::Key_Right); })
                           << 1;
    QTest::newRow("shift arrow") << Action([](RichTextBox &b) {
        QTest::keyClick(&b, Qt::Key_Right, Qt::ShiftModifier);
    }) << 1;
    QTest::newRow("SelText") << Action([](RichTextBox &b) { b.setSelText(QStringLiteral("ab")); })
                             << 1;
    QTest::newRow("bold with nothing selected")
        << Action([](RichTextBox &b) { b.setSelBold(true); }) << 0;
}

void tst_RichTextBox::selChangeFiresOnce()
{
    QFETCH(Action, action);
    QFETCH(int, count);
    RichTextBox box;
    box.setText(QStringLiteral("abc def"));
    box.setSelStart(0);
    QSignalSpy selChange(&box, &RichTextBox::SelChange);
    action(box);
    QCOMPARE(selChange.count(), count);
}

void tst_RichTextBox::alarmMarkAndRestore()
{
    RichTextBox box;
    box.setText(QStringLiteral("Call the dentist today"));
    selectRange(box, 5, 11);
    box.setSelItalic(true);
    const QString before = box.TextRTF();
    const QString unmarked = box.SelRTF();

    QCOMPARE(AlarmMarks::mark(box, 1), unmarked);
    QCOMPARE(box.Text(), QStringLiteral("Call [1the dentist] today"));
    selectRange(box, 5, 2);
    QCOMPARE(box.SelColor(), std::optional<int>(grey));
    QCOMPARE(box.SelBold(), std::optional<bool>(true));
    QCOMPARE(box.SelUnderline(), std::optional<bool>(false));
    QCOMPARE(box.SelProtected(), std::optional<bool>(true));
    selectRange(box, 7, 11);
    QCOMPARE(box.SelColor(), std::optional<int>(orange));
    QCOMPARE(box.SelUnderline(), std::optional<bool>(true));
    QCOMPARE(box.SelItalic(), std::optional<bool>(true));
    QCOMPARE(box.SelProtected(), std::optional<bool>(true));
    selectRange(box, 18, 2); // "]" and the space after it
    QCOMPARE(box.SelProtected(), std::optional<bool>(true));
    selectRange(box, 18, 1);
    QCOMPARE(box.SelColor(), std::optional<int>(grey));
    selectRange(box, 20, 5);
    QCOMPARE(box.SelProtected(), std::optional<bool>(false));
    selectRange(box, 4, 2);
    QCOMPARE(box.SelProtected(), std::optional<bool>());

    box.setSelStart(10);
    QCOMPARE(AlarmMarks::indexAtCaret(box), 1);
    QCOMPARE(box.SelStart(), 10);

    // The mark survives the note file.
    RichTextBox reopened;
    reopened.setTextRTF(box.TextRTF());
    QCOMPARE(reopened.TextRTF(), box.TextRTF());

    AlarmMarks::restore(box, 1, unmarked);
    QCOMPARE(box.Text(), QStringLiteral("Call the dentist today"));
    QCOMPARE(box.TextRTF(), before);
}

void tst_RichTextBox::keyDownCodes_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("shift");
    QTest::newRow("A") << int(Qt::Key_A) << 0 << 65 << 0;
    QTest::newRow("shift A") << int(Qt::Key_A) << int(Qt::ShiftModifier) << 65 << 1;
    QTest::newRow("ctrl C") << int(Qt::Key_C) << int(Qt::ControlModifier) << 67 << 2;
    QTest::newRow("left") << int(Qt::Key_Left) << 0 << 37 << 0;
    QTest::newRow("page up") << int(Qt::Key_PageUp) << 0 << 33 << 0;
    QTest::newRow("down") << int(Qt::Key_Down) << 0 << 40 << 0;
    QTest::newRow("delete") << int(Qt::Key_Delete) << 0 << 46 << 0;
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << 0 << 8 << 0;
    QTest::newRow("enter") << int(Qt::Key_Return) << 0 << 13 << 0;
    QTest::newRow("shift") << int(Qt::Key_Shift) << int(Qt::ShiftModifier) << 16 << 1;
    QTest::newRow("control") << int(Qt::Key_Control) << int(Qt::ControlModifier) << 17 << 2;
    QTest::newRow("bracket") << int(Qt::Key_BracketLeft) << 0 << 219 << 0;
    QTest::newRow("F5") << int(Qt::Key_F5) << int(Qt::AltModifier) << 116 << 4;
}

void tst_RichTextBox::keyDownCodes()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, code);
    QFETCH(int, shift);
    RichTextBox box;
    int seenCode = -1;
    int seenShift = -1;
    connect(&box, &RichTextBox::KeyDown, &box, [&](int &keyCode, int shiftState) {
        seenCode = keyCode;
        seenShift = shiftState;
    });
    QTest::keyPress(&box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(seenCode, code);
    QCOMPARE(seenShift, shift);
}

void tst_RichTextBox::keyDownCanSwallow()
{
    RichTextBox box;
    box.setText(QStringLiteral("ab"));
    box.setSelStart(1);
    connect(&box, &RichTextBox::KeyDown, &box, [](int &keyCode, int) {
        if (keyCode != 39 && keyCode != 67)
            keyCode = 0;
    });
    QTest::keyClicks(&box, QStringLiteral("xyz"));
    QTest::keyClick(&box, Qt::Key_Delete);
    QTest::keyClick(&box, Qt::Key_Return);
    QCOMPARE(box.Text(), QStringLiteral("ab"));
    QTest::keyClick(&box, Qt::Key_Right);
    QCOMPARE(box.SelStart(), 2);
    QTest::keyClick(&box, Qt::Key_C);
    QCOMPARE(box.Text(), QStringLiteral("abc"));
}

void tst_RichTextBox::keyPressCanSwallowOrReplace()
{
    RichTextBox box;
    QList<int> seen;
    connect(&box, &RichTextBox::KeyPress, &box, [&](int &keyAscii) {
        seen << keyAscii;
        if (keyAscii == '[' || keyAscii == ']')
            keyAscii = 0;
        else if (keyAscii == 'q')
            keyAscii = 'k';
    });
    QTest::keyClicks(&box, QStringLiteral("a[b]q"));
    QCOMPARE(box.Text(), QStringLiteral("abk"));
    QCOMPARE(seen, (QList<int>{'a', '[', 'b', ']', 'q'}));
    seen.clear();
    QTest::keyClick(&box, Qt::Key_Return);
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClick(&box, Qt::Key_Left);
    QCOMPARE(seen, (QList<int>{13, 8}));
}

void tst_RichTextBox::contextMenuIsLeftToTheOwner()
{
    RichTextBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QSignalSpy requested(&box, &RichTextBox::ContextMenuRequested);
    // The mouse's menu comes from MouseUp; only the keyboard's is asked for.
    QContextMenuEvent mouse(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(105, 205));
    QApplication::sendEvent(box.viewport(), &mouse);
    QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(5, 5), QPoint(105, 205));
    QApplication::sendEvent(box.viewport(), &key);
    QCOMPARE(requested.count(), 1);
    QCOMPARE(requested.at(0).at(0).toPoint(), QPoint(105, 205));
    QVERIFY(!QApplication::activePopupWidget());
}

void tst_RichTextBox::mouseUpAndClick()
{
    RichTextBox box;
    box.resize(200, 100);
    box.setText(QStringLiteral("text"));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QSignalSpy up(&box, &RichTextBox::MouseUp);
    QSignalSpy click(&box, &RichTextBox::Click);
    QTest::mouseClick(box.viewport(), Qt::RightButton, Qt::ShiftModifier, QPoint(10, 10));
    QCOMPARE(up.count(), 1);
    QCOMPARE(up.at(0).at(0).toInt(), 2);
    QCOMPARE(up.at(0).at(1).toInt(), 1);
    QCOMPARE(up.at(0).at(2).toInt(), 10);
    QCOMPARE(click.count(), 0);
    QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(up.count(), 2);
    QCOMPARE(up.at(1).at(0).toInt(), 1);
    QCOMPARE(click.count(), 1);
}

void tst_RichTextBox::drawsNoBackground()
{
    QWidget note;
    note.resize(200, 120);
    note.setAutoFillBackground(true);
    QPalette palette = note.palette();
    palette.setColor(QPalette::Window, QColor(250, 230, 120));
    note.setPalette(palette);
    auto *box = new RichTextBox(&note);
    box->setGeometry(10, 10, 180, 100);
    box->setText(QStringLiteral("x"));
    QCOMPARE(box->frameShape(), QFrame::NoFrame);
    const QImage shot = note.grab().toImage();
    QCOMPARE(shot.pixelColor(150, 90), QColor(250, 230, 120));
}

QTEST_MAIN(tst_RichTextBox)
#include "tst_RichTextBox.moc"
