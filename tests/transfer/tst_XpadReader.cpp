#include "transfer/NoteDocument.h"
#include "transfer/XpadReader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// xpad's folder as xpad 5.7 writes it: one info file and one content file per note.
class tst_XpadReader : public QObject
{
    Q_OBJECT

    static void put(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray info(const QByteArray &content, const QByteArray &extra = {})
    {
        // extra comes first: of two lines with one key the first is taken.
        return extra +
               "width 377\nheight 300\nx 490\ny 250\nfollow_font 1\nfollow_color 1\nsticky 0\n"
               "hidden 0\nback rgb(255,238,153)\ntext rgb(0,0,0)\nfontname Sans 9\ncontent " +
               content + "\n";
    }

private slots:
    void readsTextPlaceAndState()
    {
        QTemporaryDir dir;
        put(dir.filePath("info-AAAAAA"), info("content-AAAAAA", "x 10\ny 20\nhidden 1\n"));
        put(dir.filePath("content-AAAAAA"), "First line é\nsecond\n");
        put(dir.filePath("info-BBBBBB"), info("content-BBBBBB"));
        put(dir.filePath("content-BBBBBB"), "Shopping");
        const ImportBatch batch = XpadReader::read(dir.path());
        QVERIFY(batch.errors.isEmpty());
        QCOMPARE(batch.notes.size(), 2);
        const ImportBatch::Note first = batch.notes.at(0);
        QCOMPARE(NoteDocument::plainText(first.note.TextRTF), QString("First line é\nsecond"));
        QVERIFY(first.placeKnown);
        QCOMPARE(first.note.Left, 10 * 15.0);
        QCOMPARE(first.note.Top, 20 * 15.0);
        QCOMPARE(first.note.Visible, false);
        QCOMPARE(first.background, QColor(255, 238, 153));
        QCOMPARE(batch.notes.at(1).note.Visible, true);
    }

    void refusesWhatIsNotItsOwn_data()
    {
        QTest::addColumn<QByteArray>("infoFile");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("error");
        QTest::newRow("text file outside the folder")
            << info("../outside") << QByteArray("x") << "names no text file";
        QTest::newRow("no text file named")
            << QByteArray("x 1\ny 2\n") << QByteArray("x") << "names no text file";
        QTest::newRow("binary text") << info("content-A")
                                     << QByteArray("\x7f"
                                                   "ELF\0\0\1",
                                                   7)
                                     << "binary data";
        QTest::newRow("binary info") << QByteArray("\0\0\0\0", 4) << QByteArray("x") << "not text";
        QTest::newRow("text file missing")
            << info("content-gone") << QByteArray() << "does not exist";
    }
    void refusesWhatIsNotItsOwn()
    {
        QFETCH(QByteArray, infoFile);
        QFETCH(QByteArray, content);
        QFETCH(QString, error);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("sub"));
        const QString folder = dir.filePath("sub");
        put(dir.filePath("outside"), "not xpad's");
        put(folder + "/info-A", infoFile);
        if (!content.isEmpty())
            put(folder + "/content-A", content);
        const ImportBatch batch = XpadReader::read(folder);
        QVERIFY(batch.notes.isEmpty());
        QCOMPARE(batch.errors.size(), 1);
        QVERIFY2(batch.errors.first().contains(error), qPrintable(batch.errors.first()));
    }

    void saysWhyNothingCameIn_data()
    {
        QTest::addColumn<bool>("makeFolder");
        QTest::addColumn<QString>("error");
        QTest::newRow("no folder") << false << "does not exist";
        QTest::newRow("empty folder") << true << "no xpad notes in";
    }
    void saysWhyNothingCameIn()
    {
        QFETCH(bool, makeFolder);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString folder = dir.filePath("xpad");
        if (makeFolder)
            QVERIFY(QDir().mkdir(folder));
        const ImportBatch batch = XpadReader::read(folder);
        QVERIFY(batch.notes.isEmpty());
        QVERIFY(batch.errors.value(0).contains(error));
    }

    void hugeTextIsRefusedOthersStillCome()
    {
        QTemporaryDir dir;
        put(dir.filePath("info-A"), info("content-A"));
        QFile huge(dir.filePath("content-A"));
        QVERIFY(huge.open(QIODevice::WriteOnly));
        QVERIFY(huge.resize(100LL * 1024 * 1024));
        huge.close();
        put(dir.filePath("info-B"), info("content-B"));
        put(dir.filePath("content-B"), "small");
        const ImportBatch batch = XpadReader::read(dir.path());
        QCOMPARE(batch.notes.size(), 1);
        QVERIFY(batch.errors.value(0).contains("larger than"));
    }

    void emptyNotesAreLeftOutAndCounted()
    {
        QTemporaryDir dir;
        put(dir.filePath("info-A"), info("content-A"));
        put(dir.filePath("content-A"), "");
        const ImportBatch batch = XpadReader::read(dir.path());
        QVERIFY(batch.notes.isEmpty());
        QVERIFY(batch.unmapped.join('\n').contains("1 empty xpad note"));
    }

    void parsesColors_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("color");
        QTest::newRow("rgb") << "rgb(238,238,236)" << QColor(238, 238, 236);
        QTest::newRow("rgba") << "rgba(1, 2, 3, 0.5)" << QColor(1, 2, 3);
        QTest::newRow("hex") << "#ffee99" << QColor(0xffee99);
        QTest::newRow("out of range") << "rgb(300,0,0)" << QColor();
        QTest::newRow("words") << "yellowish" << QColor();
    }
    void parsesColors()
    {
        QFETCH(QString, text);
        QFETCH(QColor, color);
        QCOMPARE(XpadReader::parseColor(text), color);
    }
};

QTEST_MAIN(tst_XpadReader)
#include "tst_XpadReader.moc"
