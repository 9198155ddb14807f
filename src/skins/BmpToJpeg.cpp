#include "skins/BmpToJpeg.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

namespace {

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

} // namespace

bool bmpToJpeg(const QString &bitmapPath, const QString &jpegPath, int quality, QString *error)
{
    QImageReader reader(bitmapPath);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull())
        return fail(error,
                    QCoreApplication::translate("BmpToJpeg", "The picture %1 cannot be read: %2")
                        .arg(QDir::toNativeSeparators(bitmapPath), reader.errorString()));

    // JPEG has no transparency: see-through parts become white, not black.
    if (image.hasAlphaChannel()) {
        QImage opaque(image.size(), QImage::Format_RGB32);
        opaque.setDotsPerMeterX(image.dotsPerMeterX());
        opaque.setDotsPerMeterY(image.dotsPerMeterY());
        opaque.fill(Qt::white);
        QPainter painter(&opaque);
        painter.drawImage(0, 0, image);
        painter.end();
        image = opaque;
    }

    QSaveFile file(jpegPath);
    QImageWriter writer(&file, "jpeg");
    writer.setQuality(qBound(0, quality, 100));
    // Plain baseline output, so the bytes depend on the picture alone.
    writer.setOptimizedWrite(false);
    writer.setProgressiveScanWrite(false);
    const QString target = QDir::toNativeSeparators(jpegPath);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error,
                    QCoreApplication::translate("BmpToJpeg", "The file %1 cannot be written: %2")
                        .arg(target, file.errorString()));
    if (!writer.write(image)) {
        file.cancelWriting();
        return fail(error,
                    QCoreApplication::translate("BmpToJpeg", "The file %1 cannot be written: %2")
                        .arg(target, writer.errorString()));
    }
    if (!file.commit())
        return fail(error,
                    QCoreApplication::translate("BmpToJpeg", "The file %1 cannot be written: %2")
                        .arg(target, file.errorString()));
    return true;
}
