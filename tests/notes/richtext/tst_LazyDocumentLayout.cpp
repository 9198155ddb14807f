#include "notes/richtext/LazyDocumentLayout.h"
#include "notes/richtext/RichTextBox.h"
#include "notes/richtext/RtfReader.h"
#include "notes/richtext/RtfWriter.h"
#include "notes/richtext/TextLoader.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

bool isLazy(const RichTextBox &box)
{
    return qobject_cast<LazyDocumentLayout *>(box.document()->documentLayout()) != nullptr;
}

QRect caretRect(RichTextBox &box, int position)
{
    QTextCursor cursor(box.document());
    cursor.setPosition(position);
    return box.cursorRect(cursor);
}

} // namespace

class tst_LazyDocumentLayout : public QObject
{
    Q_OBJECT

private slots:
    // Small texts forced through the huge-text layout place every caret, answer every click
    // and draw every format as Qt's own layout does, before and after edits.
    void placesAsQtDoes_data()
    {
        QTest::addColumn<QString>("rtf");
        QTest::newRow("short paragraphs")
            << "{\\rtf1\\ansi one\\par centred and indented\\par\\par three\\par}";
        QTest::newRow("wrapped paragraph")
            << "{\\rtf1\\ansi " + QString("many words in one paragraph ").repeated(12) + "\\par}";
        QTest::newRow("fonts, sizes, colours")
            << "{\\rtf1\\ansi{\\fonttbl{\\f0 Serif;}{\\f1 Sans;}}{\\colortbl;\\red200\\green0"
               "\\blue0;}\\f0\\fs20 small \\b bold\\b0\\par\\f1\\fs48 big \\i\\cf1 red\\par"
               "\\fs16 \\ul under\\ulnone  \\strike gone\\strike0\\par}";
        QTest::newRow("bullets") << "{\\rtf1\\ansi plain\\par{\\pntext\\'b7\\tab}{\\*\\pn"
                                    "\\pnlvlblt{\\pntxtb\\'b7}}first item\\par second item\\par}";
    }
    void placesAsQtDoes()
    {
        QFETCH(QString, rtf);
        // The same text in a box with Qt's layout and in one forced through the lazy one.
        struct
        {
            RichTextBox qt, lazy;
        } pair;
        for (RichTextBox *box : {&pair.qt, &pair.lazy}) {
            box->resize(220, 160);
            box->setTextRTF(rtf);
            if (box == &pair.lazy)
                box->document()->setDocumentLayout(new LazyDocumentLayout(box->document()));
            QTextBlockFormat centred;
            centred.setAlignment(Qt::AlignHCenter);
            centred.setLeftMargin(12);
            centred.setTextIndent(6);
            QTextCursor(box->document()).mergeBlockFormat(centred);
            box->show();
        }
        const auto compare = [&pair] {
            QTextDocument *document = pair.qt.document();
            for (int position = 0; position < document->characterCount(); ++position) {
                const QRect expected = caretRect(pair.qt, position);
                QCOMPARE(caretRect(pair.lazy, position), expected);
                const QPoint middle = expected.center() + pair.qt.viewport()->pos();
                QCOMPARE(pair.lazy.cursorForPosition(middle).position(),
                         pair.qt.cursorForPosition(middle).position());
            }
            for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
                QCOMPARE(pair.lazy.document()->documentLayout()->blockBoundingRect(
                             pair.lazy.document()->findBlockByNumber(block.blockNumber())),
                         document->documentLayout()->blockBoundingRect(block));
            QCOMPARE(pair.lazy.document()->documentLayout()->documentSize().height(),
                     document->documentLayout()->documentSize().height());
            if (!document->begin().textList() && !document->lastBlock().previous().textList()) {
                QCoreApplication::processEvents(); // the scroll bar learns the measured size
                QCOMPARE(pair.lazy.grab().toImage(), pair.qt.grab().toImage());
            }
        };
        compare();
        if (QTest::currentTestFailed())
            return;
        for (RichTextBox *box : {&pair.qt, &pair.lazy}) {
            QTextCursor cursor(box->document());
            cursor.setPosition(2);
            cursor.insertText("typed\nnew paragraph ");
            cursor.movePosition(QTextCursor::End);
            cursor.insertText("\nat the end");
            cursor.setPosition(box->document()->lastBlock().previous().position());
            cursor.deletePreviousChar(); // joins two paragraphs
            cursor.setPosition(1);
            cursor.setPosition(2, QTextCursor::KeepAnchor);
            box->setTextCursor(cursor); // a selection drawn
        }
        compare();
        if (QTest::currentTestFailed())
            return;
        pair.qt.resize(300, 200);
        pair.lazy.resize(300, 200);
        compare();
    }

    // Huge texts take the lazy layout, whichever way they come in, and are never laid out
    // whole: the size is known from estimates, the end is reached and drawn at once, the
    // text and its formats come back out as they went in. Small texts keep Qt's layout.
    void hugeTextsAreLaidOutLazily()
    {
        const QString line = "{\\b bold}, {\\i italic}, {\\cf1 red} and {\\fs28 big}\\par\r\n";
        const QString rtf = "{\\rtf1\\ansi{\\colortbl;\\red255\\green0\\blue0;}" +
                            line.repeated(LazyDocumentLayout::HugeBlocks) + "}";
        QTextDocument bare;
        QTextCursor cursor(&bare);
        RtfReader(RtfReader::Target::Document).read(rtf, cursor);
        RichTextBox read, loaded;
        read.setTextRTF(rtf);
        auto *loader = new TextLoader(&loaded, rtf, {});
        QSignalSpy finished(loader, &TextLoader::finished);
        QVERIFY(finished.wait(20000));
        for (RichTextBox *box : {&read, &loaded}) {
            QVERIFY(isLazy(*box));
            box->resize(250, 150);
            box->show();
            box->moveCursor(QTextCursor::End);
            QVERIFY(box->grab().toImage().pixelColor(20, 20).isValid());
            int measured = 0;
            for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next())
                measured += block.layout()->lineCount() > 0;
            QVERIFY2(measured < 200, qPrintable(QString::number(measured)));
            QVERIFY(box->verticalScrollBar()->value() >=
                    box->verticalScrollBar()->maximum() - 2 * box->document()->documentMargin());
            QCOMPARE(box->TextRTF(),
                     box == &loaded ? rtf : QString::fromLatin1(RtfWriter::write(bare)));
            QCOMPARE(box->document()->toHtml(), bare.toHtml());
        }
        read.setTextRTF("{\\rtf1\\ansi small\\par}");
        QVERIFY(!isLazy(read));
        QCOMPARE(read.Text(), "small");
    }
};

QTEST_MAIN(tst_LazyDocumentLayout)
#include "tst_LazyDocumentLayout.moc"
