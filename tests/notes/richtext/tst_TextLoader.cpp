#include "notes/richtext/RichTextBox.h"
#include "notes/richtext/RtfReader.h"
#include "notes/richtext/TextLoader.h"

#include <QApplication>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>

class tst_TextLoader : public QObject
{
    Q_OBJECT

private slots:
    // Read on the worker, the text comes out as the box reads it itself, and the box goes on
    // as before: editable again, its settings kept, its changes reported.
    void readsAsTheBoxDoes_data()
    {
        QTest::addColumn<QString>("rtf");
        QTest::newRow("plain paragraphs") << "{\\rtf1\\ansi one\\par two\\par\\par three}";
        QTest::newRow("formats and colours")
            << "{\\rtf1\\ansi{\\fonttbl{\\f0 Tahoma;}}{\\colortbl;\\red255\\green0\\blue0;}"
               "\\f0\\fs20 a \\b bold\\b0 , \\cf1 red\\cf0  and \\ul under\\ulnone\\par}";
        QTest::newRow("bullets and protected text")
            << "{\\rtf1\\ansi{\\pntext\\'b7\\tab}{\\*\\pn\\pnlvlblt{\\pntxtb\\'b7}}item\\par "
               "\\pard\\protect [7 kept]\\protect0  end\\par}";
        QTest::newRow("not RTF at all") << "just text\r\nover two lines";
    }
    void readsAsTheBoxDoes()
    {
        QFETCH(QString, rtf);
        RichTextBox direct;
        direct.setTextRTF(rtf);
        RichTextBox box;
        QSignalSpy changed(&box, &RichTextBox::Change);
        auto *loader = new TextLoader(&box, rtf, {});
        QVERIFY(box.isReadOnly());
        QSignalSpy finished(loader, &TextLoader::finished);
        QVERIFY(finished.wait(5000));
        QCOMPARE(box.document()->toHtml(), direct.document()->toHtml());
        QCOMPARE(box.Text(), direct.Text());
        // Unchanged, RTF goes back out as it came in; once changed (a format is a change
        // too), as the box writes it.
        QCOMPARE(box.TextRTF(), RtfReader::isRtf(rtf) ? rtf : direct.TextRTF());
        QVERIFY(!box.isReadOnly());
        QCOMPARE(box.document()->indentWidth(), direct.document()->indentWidth());
        QCOMPARE(changed.size(), 1);
        for (RichTextBox *each : {&box, &direct}) {
            each->setSelStart(1);
            each->setSelLength(2);
            each->setSelBold(true);
        }
        QCOMPARE(box.TextRTF(), direct.TextRTF());
        box.setSelText("more");
        QCOMPARE(changed.size(), 3);
        QVERIFY(box.document()->isUndoAvailable());
    }

    // The beginning shows while the rest is read. A stop request ends the reading early; a
    // box that goes away takes its reading along.
    void readingEndsEarly()
    {
        const QString huge = "{\\rtf1\\ansi " + QString("\\par\r\n").repeated(2000000) + "}";
        auto *waiting = new RichTextBox;
        new TextLoader(waiting, "{\\rtf1\\ansi Beginning" + huge.mid(12), {});
        QVERIFY(waiting->Text().startsWith("Beginning\r\n\r\n"));
        QVERIFY(waiting->isReadOnly());
        delete waiting;
        RichTextBox stopped;
        auto *loader = new TextLoader(&stopped, huge, [] { return true; });
        QSignalSpy finished(loader, &TextLoader::finished);
        QVERIFY(finished.wait(5000));
        QVERIFY(stopped.document()->blockCount() < 1000000);
        auto *gone = new RichTextBox;
        const QPointer<TextLoader> reading = new TextLoader(gone, huge, {});
        delete gone; // waits for the worker, which stops at its next look
        QVERIFY(reading.isNull());
    }
};

QTEST_MAIN(tst_TextLoader)
#include "tst_TextLoader.moc"
