#include "transfer/NoteDocument.h"
#include "transfer/StickyReader.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

// Sticky Notes' file as its public source describes it (README, notes on formats): groups
// of notes, each with its place, size, colour name, title and marked text.
class tst_StickyReader : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString put(const QByteArray &bytes)
    {
        const QString path = m_dir.filePath("notes.json");
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        return path;
    }

private slots:
    void readsGroupsPlacesAndColours()
    {
        const ImportBatch batch =
            StickyReader::read(put("{\n"
                                   "            \"Group 1\": [\n"
                                   "                {\"x\": 100, \"y\": 150, \"height\": 200, "
                                   "\"width\": 250, \"color\": \"yellow\",\n"
                                   "                 \"title\": \"Errands\", \"text\": "
                                   "\"#tag:bold:milk#tag:bold: and bread\"},\n"
                                   "                {\"x\": 40, \"y\": 60, \"height\": 200, "
                                   "\"width\": 250, \"color\": \"nonsuch\",\n"
                                   "                 \"title\": \"\", \"text\": \"plain\"}\n"
                                   "            ],\n"
                                   "            \"Work\": [\n"
                                   "                {\"x\": 5, \"y\": 6, \"height\": 200, "
                                   "\"width\": 250, \"color\": \"blue\",\n"
                                   "                 \"title\": \"\", \"text\": \"call #1\"}\n"
                                   "            ]}"));
        QVERIFY(batch.errors.isEmpty());
        QCOMPARE(batch.notes.size(), 3);
        QCOMPARE(NoteDocument::plainText(batch.notes.at(0).note.TextRTF),
                 QString("Group 1\nErrands\nmilk and bread"));
        QCOMPARE(batch.notes.at(0).note.Left, 1500.0);
        QCOMPARE(batch.notes.at(0).note.Top, 2250.0);
        QCOMPARE(batch.notes.at(0).background, QColor(0xf6f907));
        QVERIFY(!batch.notes.at(1).background.isValid());
        QVERIFY(batch.unmapped.join('\n').contains("\"nonsuch\""));
        QCOMPARE(NoteDocument::plainText(batch.notes.at(2).note.TextRTF), QString("Work\ncall #1"));
    }

    void readsMarks_data()
    {
        QTest::addColumn<QString>("marked");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("formatted"); // the text with the format asked below
        QTest::addColumn<QString>("format");
        QTest::newRow("bold") << "a #tag:bold:b#tag:bold: c"
                              << "a b c"
                              << "b"
                              << "bold";
        QTest::newRow("italic") << "#tag:italic:it#tag:italic:"
                                << "it"
                                << "it"
                                << "italic";
        QTest::newRow("underline") << "x#tag:underline:u#tag:underline:"
                                   << "xu"
                                   << "u"
                                   << "underline";
        QTest::newRow("strike") << "#tag:strikethrough:gone#tag:strikethrough: kept"
                                << "gone kept"
                                << "gone"
                                << "strike";
        QTest::newRow("header is bold") << "#tag:header:Head#tag:header:\nbody"
                                        << "Head\nbody"
                                        << "Head"
                                        << "bold";
        QTest::newRow("hash") << "## tag ##tag:bold:"
                              << "# tag #tag:bold:"
                              << ""
                              << "bold";
        QTest::newRow("checks") << "#check:0 open\n#check:1 done"
                                << "\u2610 open\n\u2611 done"
                                << ""
                                << "bold";
        QTest::newRow("bullets") << "#bullet: one\n#bullet: two\nthree"
                                 << "one\ntwo\nthree"
                                 << "one\ntwo"
                                 << "bullet";
        QTest::newRow("cut tag") << "a #tag:bo"
                                 << "a #tag:bo"
                                 << ""
                                 << "bold";
    }
    void readsMarks()
    {
        QFETCH(QString, marked);
        QFETCH(QString, plain);
        QFETCH(QString, formatted);
        QFETCH(QString, format);
        QTextDocument document;
        QTextCursor cursor(&document);
        QStringList unmapped;
        StickyReader::appendMarkedText(marked, cursor, unmapped);
        QCOMPARE(document.toPlainText(), plain);
        QStringList found;
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            if (format == "bullet" && block.textList())
                found.append(block.text());
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat f = it.fragment().charFormat();
                const bool on = (format == "bold" && f.fontWeight() == QFont::Bold) ||
                                (format == "italic" && f.fontItalic()) ||
                                (format == "underline" && f.fontUnderline()) ||
                                (format == "strike" && f.fontStrikeOut());
                if (on)
                    found.append(it.fragment().text());
            }
        }
        QCOMPARE(found.join('\n'), formatted);
    }

    void unknownFormatsAreNamed()
    {
        QTextDocument document;
        QTextCursor cursor(&document);
        QStringList unmapped;
        StickyReader::appendMarkedText("#tag:highlight:x#tag:highlight:", cursor, unmapped);
        QCOMPARE(document.toPlainText(), QString("x"));
        QVERIFY(unmapped.join('\n').contains("\"highlight\""));
    }

    void badFilesSayWhyAndImportNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("notes");
        QTest::addColumn<QString>("error");
        QTest::newRow("cut off") << QByteArray("{\"G\": [{\"x\": 1, \"text\": \"a\"") << 0
                                 << "damaged";
        QTest::newRow("a list") << QByteArray("[1, 2]") << 0 << "no groups";
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10) << 0 << "damaged";
        QTest::newRow("note without text")
            << QByteArray("{\"G\": [{\"x\": 1}, {\"text\": \"ok\"}], \"H\": 3}") << 1
            << "2 entries";
    }
    void badFilesSayWhyAndImportNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, notes);
        QFETCH(QString, error);
        const ImportBatch batch = StickyReader::read(put(bytes));
        QCOMPARE(batch.notes.size(), notes);
        QVERIFY2(batch.errors.value(0).contains(error), qPrintable(batch.errors.value(0)));
    }

    void missingFileIsNamed()
    {
        const ImportBatch batch = StickyReader::read(m_dir.filePath("none.json"));
        QVERIFY(batch.notes.isEmpty());
        QVERIFY(batch.errors.value(0).contains("does not exist"));
    }

    void moreNotesThanASessionHoldsAreCut()
    {
        QByteArray json = "{\"G\": [";
        for (int i = 0; i <= ImportBatch::MaxNotes; ++i)
            json += (i ? "," : "") + QByteArray("{\"text\": \"n\"}");
        json += "]}";
        const ImportBatch batch = StickyReader::read(put(json));
        QCOMPARE(batch.notes.size(), ImportBatch::MaxNotes);
        QVERIFY(batch.errors.value(0).contains("Only the first"));
    }
};

QTEST_MAIN(tst_StickyReader)
#include "tst_StickyReader.moc"
