#include "../skins/SkinTestFiles.h"
#include "DiskFull.h"
#include "skins/SkinFile.h"
#include "skintool/SkinBuilder.h"

#include <QBuffer>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

using namespace SkinTestFiles;

// Turning a picture into a skin file, as the window and the command line do.
class tst_SkinBuilder : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_temp; // the temporary folder the builder sees
    QString m_work;
    const SkinBuilder::Texts m_texts{QStringLiteral("Sea"), QStringLiteral("Ann"),
                                     QStringLiteral("ann@example.org"), QString()};

    QString work(const QString &name) const { return m_work + QLatin1Char('/') + name; }

    // Left half red, right half blue, so stretching can be seen.
    static QImage twoColours(int w, int h)
    {
        QImage picture(w, h, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w / 2; ++x)
                picture.setPixel(x, y, qRgb(255, 0, 0));
        return picture;
    }

    static QByteArray jpegOf(const QImage &image, int quality)
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setQuality(quality);
        return writer.write(image) ? buffer.data() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_temp = m_dir.path() + QStringLiteral("/temp");
        m_work = m_dir.path() + QStringLiteral("/work");
        QVERIFY(QDir().mkpath(m_temp));
        QVERIFY(QDir().mkpath(m_work));
        qputenv("TMPDIR", m_temp.toLocal8Bit());
        QCOMPARE(QDir::tempPath(), m_temp);
    }

    void init() { QVERIFY(QDir(m_work).removeRecursively() && QDir().mkpath(m_work)); }

    void cleanup()
    {
        // Work files never outlive a build, whatever happened.
        QCOMPARE(listing(m_temp), QStringList());
    }

    void renderStretchesToTheNoteSize_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("800 x 600") << QSize(800, 600);
        QTest::newRow("note size") << QSize(261, 163);
        QTest::newRow("tiny") << QSize(4, 2);
        QTest::newRow("wide strip") << QSize(3000, 40);
    }

    void renderStretchesToTheNoteSize()
    {
        QFETCH(QSize, size);
        const QImage canvas = SkinBuilder::render(twoColours(size.width(), size.height()));
        QCOMPARE(canvas.size(), QSize(261, 163));
        QCOMPARE(QColor(canvas.pixel(5, 80)), QColor(Qt::red));
        QCOMPARE(QColor(canvas.pixel(255, 80)), QColor(Qt::blue));
    }

    // The author is stored in the skin file's code page, one byte a character.
    void buildWritesHeaderAndJpegAtQuality_data()
    {
        QTest::addColumn<int>("quality");
        QTest::addColumn<QString>("author");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("compression off") << 100 << "Ann" << QByteArray("Ann");
        QTest::newRow("slider at 40") << 40 << "Ann" << QByteArray("Ann");
        QTest::newRow("smallest") << 0 << "Ann" << QByteArray("Ann");
        QTest::newRow("author in the code page")
            << 100 << QStringLiteral("Zo\u00EB Caf\u00E9 \u2013 \u201Cquoted\u201D \u20AC")
            << QByteArray("Zo\xEB Caf\xE9 \x96 \x93quoted\x94 \x80");
    }

    void buildWritesHeaderAndJpegAtQuality()
    {
        QFETCH(int, quality);
        QFETCH(QString, author);
        QFETCH(QByteArray, stored);
        const QImage picture = twoColours(800, 600);
        SkinBuilder::Texts texts = m_texts;
        texts.author = author;
        QString error;
        QVERIFY2(SkinBuilder::build(picture, texts, quality, work("s.pqs"), &error),
                 qPrintable(error));
        const QByteArray bytes = readAll(work("s.pqs"));
        // An empty website is stored as a length of 0 and no bytes.
        const QByteArray header = skin("1.0", stored, "ann@example.org", "", "Sea", "");
        QVERIFY(bytes.startsWith(header));
        const QByteArray jpeg = bytes.mid(header.size());
        QCOMPARE(jpeg, jpegOf(SkinBuilder::render(picture), quality));
        QCOMPARE(QImage::fromData(jpeg).size(), QSize(261, 163));
    }

    // Each row names the field the builder must point at, and what goes into it.
    void refusalsWriteNothing_data()
    {
        using F = SkinBuilder::Field;
        QTest::addColumn<F>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("picture");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no picture") << F::None << QString() << false << "No picture";
        QTest::newRow("name with a separator") << F::SkinName << "a/b" << true << "skin name";
        QTest::newRow("name climbing out") << F::SkinName << ".." << true << "skin name";
        QTest::newRow("name longer than a file name")
            << F::SkinName << QString(61, QLatin1Char('n')) << true << "skin name";
        QTest::newRow("author outside the code page")
            << F::Author << QStringLiteral("Ann \u2603") << true << "author name";
        QTest::newRow("e-mail with an emoji")
            << F::Email << QStringLiteral("a\U0001F600@b.c") << true << "e-mail address";
        QTest::newRow("website too long")
            << F::Website << QString(70000, QLatin1Char('w')) << true << "website is too long";
        QTest::newRow("disk full") << F::None << QString() << true << "could not be written";
    }

    // Each refusal and failure leaves the old skin as it was.
    void refusalsWriteNothing()
    {
        QFETCH(SkinBuilder::Field, field);
        QFETCH(QString, text);
        QFETCH(bool, picture);
        QFETCH(QString, reason);
        SkinBuilder::Texts texts = m_texts;
        const QMap<SkinBuilder::Field, QString *> fields = {
            {SkinBuilder::Field::SkinName, &texts.skinName},
            {SkinBuilder::Field::Author, &texts.author},
            {SkinBuilder::Field::Email, &texts.email},
            {SkinBuilder::Field::Website, &texts.website}};
        if (QString *target = fields.value(field))
            *target = text;
        QVERIFY(writeAll(work("s.pqs"), "the old skin"));
        QString error;
        {
            // Good texts and a picture fail only on a full disk.
            std::optional<DiskFull> full;
            if (field == SkinBuilder::Field::None && picture)
                full.emplace(4096);
            QVERIFY(!SkinBuilder::build(picture ? twoColours(800, 600) : QImage(), texts, 100,
                                        work("s.pqs"), &error));
        }
        QVERIFY2(error.contains(reason), qPrintable(error));
        QCOMPARE(readAll(work("s.pqs")), QByteArray("the old skin"));
        QCOMPARE(listing(m_work), QStringList{"s.pqs"});
        SkinBuilder::Field named = SkinBuilder::Field::None;
        SkinBuilder::checkTexts(texts, &named);
        QCOMPARE(named, field);
    }
};

QTEST_MAIN(tst_SkinBuilder)
#include "tst_SkinBuilder.moc"
