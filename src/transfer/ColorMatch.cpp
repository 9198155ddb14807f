#include "transfer/ColorMatch.h"

#include <QImage>

namespace ColorMatch {

QColor average(const QImage &image)
{
    if (image.isNull())
        return QColor();
    // Smooth scaling averages the picture; 16 x 16 keeps it cheap for large skins.
    const QImage small = image.convertToFormat(QImage::Format_RGB32)
                             .scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    qint64 r = 0, g = 0, b = 0;
    const int count = small.width() * small.height();
    for (int y = 0; y < small.height(); ++y)
        for (int x = 0; x < small.width(); ++x) {
            const QRgb pixel = small.pixel(x, y);
            r += qRed(pixel);
            g += qGreen(pixel);
            b += qBlue(pixel);
        }
    return QColor(int(r / count), int(g / count), int(b / count));
}

int nearest(const QColor &color, const QList<QColor> &candidates)
{
    if (!color.isValid())
        return -1;
    int best = -1;
    long long bestDistance = 0;
    for (int i = 0; i < candidates.size(); ++i) {
        const QColor &c = candidates.at(i);
        if (!c.isValid())
            continue;
        const long long dr = color.red() - c.red(), dg = color.green() - c.green(),
                        db = color.blue() - c.blue();
        const long long distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (best < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace ColorMatch
