#include "notes/MessageInk.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>

#include <algorithm>
#include <cmath>

namespace {

double luminance(const QColor &color)
{
    const auto linear = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) +
           0.0722 * linear(color.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

QColor MessageInk::colorOn(const QPixmap &skin, const QRect &area)
{
    // Every note of a skin shares its picture and the line stays in place: the last answer
    // is kept for the next note.
    static qint64 lastKey = 0;
    static QRect lastArea;
    static QColor lastColor;
    if (!skin.isNull() && skin.cacheKey() == lastKey && area == lastArea)
        return lastColor;
    const QColor dark = QColor::fromRgb(Dark);
    QColor ink = dark;
    const qreal scale = skin.devicePixelRatio();
    const QRect pixels(QPoint(qRound(area.x() * scale), qRound(area.y() * scale)),
                       area.size() * scale);
    const QRect under = pixels.intersected(skin.rect());
    if (!under.isEmpty()) {
        const QImage average = skin.copy(under).toImage().scaled(1, 1, Qt::IgnoreAspectRatio,
                                                                 Qt::SmoothTransformation);
        const QColor back = average.pixelColor(0, 0);
        const QColor light = QColor::fromRgb(Light);
        if (contrast(light, back) > contrast(dark, back))
            ink = light;
    }
    lastKey = skin.isNull() ? 0 : skin.cacheKey();
    lastArea = area;
    lastColor = ink;
    return ink;
}

void MessageInk::dress(QLabel &label, const QPixmap &skin)
{
    const QColor ink = colorOn(skin, label.geometry());
    if (label.palette().color(QPalette::WindowText) == ink)
        return;
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, ink);
    label.setPalette(palette);
}
