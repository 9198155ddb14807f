#include "SkinTestFiles.h"
#include "skins/BmpToJpeg.h"

#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

using namespace SkinTestFiles;

class tst_BmpToJpeg : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.path() + "/" + name; }

    // Soft gradients with a few hard edges, like a skin picture.
    static QImage source()
    {
        QImage image(261, 163, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const bool stripe = (x / 20) % 3 == 0 && y > 40 && y < 120;
                image.setPixel(x, y, stripe ? qRgb(20, 30, 40) : qRgb(x % 256, y, (x + y) / 2));
            }
        return image;
    }

    static double meanError(const QImage &a, const QImage &b)
    {
        double sum = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) {
                const QRgb p = a.pixel(x, y);
                const QRgb q = b.pixel(x, y);
                sum += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) +
                       qAbs(qBlue(p) - qBlue(q));
            }
        return sum / (a.width() * a.height() * 3);
    }

    QByteArray convert(int quality)
    {
        const QString out = path(QStringLiteral("q%1.jpg").arg(quality));
        QString error;
        if (!bmpToJpeg(path("pq_tempskin.tmp"), out, quality, &error)) {
            qWarning() << error;
            return {};
        }
        return readAll(out);
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        // The skin tool's bitmap carries no bitmap extension.
        QVERIFY(source().save(path("pq_tempskin.tmp"), "BMP"));
    }

    void writesAJpegOfTheSameSize()
    {
        QString error;
        QVERIFY(bmpToJpeg(path("pq_tempskin.tmp"), path("pq_tempskin.jpg"), 100, &error));
        QVERIFY(error.isEmpty());
        QImageReader reader(path("pq_tempskin.jpg"));
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        const QImage jpeg = reader.read();
        QCOMPARE(jpeg.size(), QSize(261, 163));
        QVERIFY(meanError(source(), jpeg) < 1.5);
    }

    void sameInputGivesSameBytes()
    {
        const QByteArray first = convert(60);
        QVERIFY(!first.isEmpty());
        QVERIFY(bmpToJpeg(path("pq_tempskin.tmp"), path("again.jpg"), 60));
        QCOMPARE(readAll(path("again.jpg")), first);
    }

    void higherQualityIsCloserAndLarger()
    {
        QByteArray previous;
        double previousError = 1e9;
        for (const int quality : {0, 40, 75, 100}) {
            const QByteArray bytes = convert(quality);
            QVERIFY(!bytes.isEmpty());
            const double error = meanError(source(), QImage::fromData(bytes));
            QVERIFY2(error < previousError, qPrintable(QString::number(quality)));
            QVERIFY(bytes.size() > previous.size());
            previous = bytes;
            previousError = error;
        }
    }

    void qualityOutsideTheScaleTakesTheNearerEnd()
    {
        QCOMPARE(convert(-5), convert(0));
        QCOMPARE(convert(250), convert(100));
    }

    void unreadableBitmapIsReported_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // null: no file
        QTest::newRow("missing") << "none.bmp" << QByteArray();
        QTest::newRow("not a picture") << "words.bmp" << QByteArray("BM but nothing else");
        QTest::newRow("empty") << "empty.bmp" << QByteArray("");
    }

    void unreadableBitmapIsReported()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        if (!content.isNull())
            QVERIFY(writeAll(path(name), content));
        QVERIFY(writeAll(path("out.jpg"), "previous"));
        QString error;
        QVERIFY(!bmpToJpeg(path(name), path("out.jpg"), 100, &error));
        QVERIFY2(error.contains(QDir::toNativeSeparators(path(name))), qPrintable(error));
        QCOMPARE(readAll(path("out.jpg")), QByteArray("previous"));
        QVERIFY(!bmpToJpeg(path(name), path("fresh.jpg"), 100));
        QVERIFY(!QFile::exists(path("fresh.jpg")));
    }

    void unwritableDestinationIsReported()
    {
        QString error;
        QVERIFY(!bmpToJpeg(path("pq_tempskin.tmp"), path("no/such/folder/out.jpg"), 100, &error));
        QVERIFY2(error.contains("out.jpg"), qPrintable(error));
    }

    void transparentPartsBecomeWhite()
    {
        QImage clear(20, 20, QImage::Format_ARGB32);
        clear.fill(Qt::transparent);
        QVERIFY(clear.save(path("clear.tmp"), "PNG"));
        QVERIFY(bmpToJpeg(path("clear.tmp"), path("clear.jpg"), 100));
        const QImage jpeg(path("clear.jpg"));
        QVERIFY(qRed(jpeg.pixel(10, 10)) > 250 && qGreen(jpeg.pixel(10, 10)) > 250 &&
                qBlue(jpeg.pixel(10, 10)) > 250);
    }
};

QTEST_MAIN(tst_BmpToJpeg)
#include "tst_BmpToJpeg.moc"
