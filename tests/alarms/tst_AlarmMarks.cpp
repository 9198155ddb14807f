#include "NoteFixtures.h"

#include <QtTest>

#include <functional>

using Setup = std::function<void(RichTextBox &)>;
Q_DECLARE_METATYPE(Setup)

namespace {

using NoteFixtures::selectRange;

Setup formats(int start, int length, const Setup &apply)
{
    return [=](RichTextBox &box) {
        selectRange(box, start, length);
        apply(box);
    };
}

Setup both(const Setup &first, const Setup &second)
{
    return [=](RichTextBox &box) {
        first(box);
        second(box);
    };
}

const Setup plain = [](RichTextBox &) {};

} // namespace

class tst_AlarmMarks : public QObject
{
    Q_OBJECT

private slots:
    void markAndRestore_data();
    void markAndRestore();
    void lookOfTheMark_data();
    void lookOfTheMark();
    void findMarkIsExact_data();
    void findMarkIsExact();
    void indexAtCaret_data();
    void indexAtCaret();
    void selectWord_data();
    void selectWord();
};

void tst_AlarmMarks::markAndRestore_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("marked");

    const Setup italic = [](RichTextBox &box) { box.setSelItalic(true); };
    const Setup bold = [](RichTextBox &box) { box.setSelBold(true); };
    const Setup blue = [](RichTextBox &box) { box.setSelColor(0xFF0000); };
    const Setup serif = [](RichTextBox &box) { box.setSelFontName(QStringLiteral("Serif")); };
    const Setup bullet = [](RichTextBox &box) { box.setSelBullet(true); };

    QTest::newRow("two italic words")
        << QStringLiteral("Call the dentist today") << formats(5, 11, italic) << 5 << 11
        << QStringLiteral("Call [1the dentist] today");
    QTest::newRow("bold, colour and font")
        << QStringLiteral("pay rent now") << both(formats(0, 3, bold), formats(4, 4, serif)) << 0
        << 8 << QStringLiteral("[1pay rent] now");
    QTest::newRow("coloured word at the end of the note")
        << QStringLiteral("ring Bob") << formats(5, 3, blue) << 5 << 3
        << QStringLiteral("ring [1Bob]");
    QTest::newRow("selection ending with a line break")
        << QStringLiteral("Meeting notes\r\nAgenda") << plain << 8 << 7
        << QStringLiteral("Meeting [1notes]\r\nAgenda");
    QTest::newRow("end of a paragraph") << QStringLiteral("Meeting notes\r\nAgenda") << plain << 8
                                        << 5 << QStringLiteral("Meeting [1notes]\r\nAgenda");
    QTest::newRow("start of a bullet paragraph")
        << QStringLiteral("Intro\r\nfirst point\r\nsecond") << formats(7, 14, bullet) << 7 << 5
        << QStringLiteral("Intro\r\n[1first] point\r\nsecond");
    QTest::newRow("whole bullet paragraph with its break")
        << QStringLiteral("Intro\r\nfirst\r\nsecond") << formats(7, 7, bullet) << 7 << 7
        << QStringLiteral("Intro\r\n[1first]\r\nsecond");
    QTest::newRow("two paragraphs") << QStringLiteral("one two\r\nthree four")
                                    << both(formats(4, 3, bold), formats(9, 5, italic)) << 4 << 10
                                    << QStringLiteral("one [1two\r\nthree] four");
    QTest::newRow("break then a bullet paragraph")
        << QStringLiteral("x\r\ncaf\u00e9\r\nb") << formats(3, 6, bullet) << 1 << 6
        << QStringLiteral("x[1\r\ncaf\u00e9]\r\nb");
    QTest::newRow("emoji marked") << QStringLiteral("see \U0001F600 now") << plain << 4 << 2
                                  << QStringLiteral("see [1\U0001F600] now");
    QTest::newRow("emoji after the mark") << QStringLiteral("ab\U0001F600c") << formats(0, 2, blue)
                                          << 0 << 2 << QStringLiteral("[1ab]\U0001F600c");
    QTest::newRow("nothing but a line break")
        << QStringLiteral("a\r\nb") << plain << 1 << 2 << QStringLiteral("a[1]\r\nb");
}

// Marking changes the text as shown; restoring brings back the very same document.
void tst_AlarmMarks::markAndRestore()
{
    QFETCH(QString, text);
    QFETCH(Setup, setup);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, marked);

    RichTextBox box;
    box.setText(text);
    setup(box);
    const QString before = box.TextRTF();
    selectRange(box, start, length);
    const QString unmarked = AlarmMarks::mark(box, 1);
    QCOMPARE(box.Text(), marked);

    AlarmMarks::restore(box, 1, unmarked);
    QCOMPARE(box.Text(), text);
    QCOMPARE(box.TextRTF(), before);
}

void tst_AlarmMarks::lookOfTheMark_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("colour");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<bool>("isProtected");

    // "go [1two words] x" and "go [10two words] x"
    for (const int index : {1, 10}) {
        const int n = index < 10 ? 1 : 2;
        const QByteArray tag = QByteArray::number(index) + ": ";
        QTest::newRow(tag + "bracket and index")
            << index << 3 << 1 + n << AlarmMarks::Grey << false << true;
        QTest::newRow(tag + "words") << index << 4 + n << 9 << AlarmMarks::Orange << true << true;
        QTest::newRow(tag + "closing bracket")
            << index << 13 + n << 1 << AlarmMarks::Grey << false << true;
        QTest::newRow(tag + "following space") << index << 14 + n << 1 << 0 << false << true;
        QTest::newRow(tag + "rest") << index << 15 + n << 1 << 0 << false << false;
    }
}

void tst_AlarmMarks::lookOfTheMark()
{
    QFETCH(int, index);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(int, colour);
    QFETCH(bool, underline);
    QFETCH(bool, isProtected);

    RichTextBox box;
    box.setText(QStringLiteral("go two words x"));
    selectRange(box, 3, 9);
    AlarmMarks::mark(box, index);
    QCOMPARE(box.SelStart(), index < 10 ? 14 : 15); // the caret waits before "]"
    selectRange(box, start, length);
    QCOMPARE(box.SelColor(), std::optional<int>(colour));
    QCOMPARE(box.SelUnderline(), std::optional<bool>(underline));
    QCOMPARE(box.SelProtected(), std::optional<bool>(isProtected));
    if (start < 14 + (index < 10 ? 1 : 2))
        QCOMPARE(box.SelBold(), std::optional<bool>(true));
}

void tst_AlarmMarks::findMarkIsExact_data()
{
    QTest::addColumn<QList<int>>("indexes"); // marked in this order on "w0 w1 w2 ..."
    QTest::addColumn<int>("wanted");
    QTest::addColumn<int>("at"); // where its "[" stands, -1 for none

    QTest::newRow("1 before 12") << QList<int>{1, 12} << 12 << 6; // "[1w0] [12w1]"
    QTest::newRow("12 before 1") << QList<int>{12, 1} << 1 << 7;  // "[12w0] [1w1]"
    QTest::newRow("missing") << QList<int>{12} << 1 << -1;
    QTest::newRow("index 0") << QList<int>{1} << 0 << -1;
}

void tst_AlarmMarks::findMarkIsExact()
{
    QFETCH(QList<int>, indexes);
    QFETCH(int, wanted);
    QFETCH(int, at);

    RichTextBox box;
    QStringList words;
    for (int i = 0; i < indexes.size(); ++i)
        words << QStringLiteral("w%1").arg(i);
    box.setText(words.join(QLatin1Char(' ')));
    for (int i = static_cast<int>(indexes.size()) - 1; i >= 0; --i) {
        selectRange(box, 3 * i, 2); // marking from the end keeps earlier positions
        AlarmMarks::mark(box, indexes.at(i));
    }
    QCOMPARE(AlarmMarks::findMark(box, wanted), at);
}

void tst_AlarmMarks::indexAtCaret_data()
{
    QTest::addColumn<QString>("selected"); // marked as alarm 12 in "say call Sam now"
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("index");

    // "say [12call Sam] now"
    QTest::newRow("before the mark") << QStringLiteral("call Sam") << 4 << 0;
    QTest::newRow("after the opening bracket") << QStringLiteral("call Sam") << 5 << 12;
    QTest::newRow("in the text") << QStringLiteral("call Sam") << 10 << 12;
    QTest::newRow("after the closing bracket") << QStringLiteral("call Sam") << 16 << 12;
    QTest::newRow("after the following space") << QStringLiteral("call Sam") << 17 << 12;
    QTest::newRow("beyond the mark") << QStringLiteral("call Sam") << 18 << 0;
    // "say call Sam [12now]": "]" ends the note
    QTest::newRow("mark ending the note") << QStringLiteral("now") << 20 << 12;
    // "say [122024] Sam now": text starting with digits stays out of the index
    QTest::newRow("digits in the text") << QStringLiteral("2024") << 10 << 12;
}

void tst_AlarmMarks::indexAtCaret()
{
    QFETCH(QString, selected);
    QFETCH(int, caret);
    QFETCH(int, index);

    RichTextBox box;
    const QString text = selected == QLatin1String("2024") ? QStringLiteral("say 2024 Sam now")
                                                           : QStringLiteral("say call Sam now");
    box.setText(text);
    selectRange(box, static_cast<int>(text.indexOf(selected)), static_cast<int>(selected.size()));
    AlarmMarks::mark(box, 12);
    box.setSelStart(caret);
    QCOMPARE(AlarmMarks::indexAtCaret(box), index);
    QCOMPARE(box.SelStart(), caret);
    QCOMPARE(box.SelLength(), 0);
}

void tst_AlarmMarks::selectWord_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("length"); // of a selection made before
    QTest::addColumn<QString>("selected");

    QTest::newRow("middle of a word")
        << QStringLiteral("one two three") << 5 << 0 << QStringLiteral("two");
    QTest::newRow("start of the text")
        << QStringLiteral("one two") << 0 << 0 << QStringLiteral("one");
    QTest::newRow("end of the text")
        << QStringLiteral("one two") << 7 << 0 << QStringLiteral("two");
    QTest::newRow("between line breaks")
        << QStringLiteral("a\r\nword\r\nb") << 5 << 0 << QStringLiteral("word");
    QTest::newRow("after a closing bracket")
        << QStringLiteral("x]word[y") << 4 << 0 << QStringLiteral("word");
    QTest::newRow("a selection stays")
        << QStringLiteral("one two") << 1 << 2 << QStringLiteral("ne");
    QTest::newRow("caret on a space") << QStringLiteral("a  b") << 2 << 0 << QString();
}

void tst_AlarmMarks::selectWord()
{
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(int, length);
    QFETCH(QString, selected);

    RichTextBox box;
    box.setText(text);
    selectRange(box, caret, length);
    AlarmMarks::selectWord(box);
    QCOMPARE(box.SelText(), selected);
}

QTEST_MAIN(tst_AlarmMarks)
#include "tst_AlarmMarks.moc"
