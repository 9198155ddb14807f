#include "transfer/NoteDocument.h"
#include "transfer/NoteFileReader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

class tst_NoteFileReader : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString put(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        return path;
    }

private slots:
    void readsEachKind_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("bold"); // the bold text
        QTest::addColumn<int>("bullets");  // paragraphs with a bullet
        QTest::newRow("text") << "a.txt" << QByteArray("one\ntwo\n") << "one\ntwo\n"
                              << "" << 0;
        QTest::newRow("text in Latin-1") << "b.txt" << QByteArray("caf\xe9") << "café"
                                         << "" << 0;
        QTest::newRow("markdown") << "c.md"
                                  << QByteArray("# Head\n\n**bold** *it* ~~gone~~\n\n- a\n- b\n")
                                  << "Head\nbold it gone\na\nb"
                                  << "Head|bold" << 2;
        QTest::newRow("rtf") << "d.rtf" << QByteArray("{\\rtf1\\ansi x \\b y\\b0\\par}") << "x y"
                             << "y" << 0;
        QTest::newRow("html") << "e.html" << QByteArray("<p>x <b>y</b></p><ul><li>z</li></ul>")
                              << "x y\nz"
                              << "y" << 1;
    }
    void readsEachKind()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, plain);
        QFETCH(QString, bold);
        QFETCH(int, bullets);
        const ImportBatch batch = NoteFileReader::read({put(name, bytes)});
        QVERIFY(batch.errors.isEmpty());
        QCOMPARE(batch.notes.size(), 1);
        QTextDocument document;
        NoteDocument::fromRtf(batch.notes.first().note.TextRTF, document);
        QCOMPARE(document.toPlainText(), plain);
        QStringList boldText;
        int listed = 0;
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            listed += block.textList() ? 1 : 0;
            for (auto it = block.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().fontWeight() >= QFont::Bold)
                    boldText.append(it.fragment().text());
        }
        QCOMPARE(boldText.join('|'), bold);
        QCOMPARE(listed, bullets);
    }

    void refusesWhatIsNoNote_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QString>("error");
        QTest::newRow("missing") << "" << QByteArray() << 0LL << "does not exist";
        QTest::newRow("binary named .txt") << "bin.txt"
                                           << QByteArray("\x7f"
                                                         "ELF\x02\x01\0\0",
                                                         8)
                                           << 0LL << "binary data";
        QTest::newRow("control characters")
            << "ctl.txt" << QByteArray(64, '\x01') << 0LL << "binary data";
        QTest::newRow("100 MB") << "big.txt" << QByteArray() << 100LL * 1024 * 1024
                                << "larger than";
    }
    void refusesWhatIsNoNote()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, size);
        QFETCH(QString, error);
        QString path = m_dir.filePath("nothing-here.txt");
        if (!name.isEmpty()) {
            path = put(name, bytes);
            if (size > 0)
                QVERIFY(QFile::resize(path, size));
        }
        const QString good = put("good.txt", "fine");
        const ImportBatch batch = NoteFileReader::read({path, good});
        // The good file still comes in; the bad one is named with its reason.
        QCOMPARE(batch.notes.size(), 1);
        QCOMPARE(batch.errors.size(), 1);
        QVERIFY2(batch.errors.first().contains(error), qPrintable(batch.errors.first()));
    }

    void aFolderIsNoFile()
    {
        const ImportBatch batch = NoteFileReader::read({m_dir.path()});
        QVERIFY(batch.notes.isEmpty());
        QVERIFY(batch.errors.value(0).contains("not a file"));
    }
};

QTEST_MAIN(tst_NoteFileReader)
#include "tst_NoteFileReader.moc"
