// Paints the start-up window's pictures: the quill emblem (Image1) and the
// stack of little notes (Image3), at scale 1 and at scale 2 ("@2x").
#include "ArtFolder.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

// The scale being painted; painters draw in the pictures' own pixels.
int Scale = 1;

QImage canvas(int w, int h)
{
    QImage img(w * Scale, h * Scale, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(Scale);
    img.fill(Qt::transparent);
    return img;
}

QImage emblem()
{
    const int s = 96;
    QImage img = canvas(s, s);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    // A round ink well of warm amber.
    QRadialGradient disc(QPointF(40, 36), 52);
    disc.setColorAt(0, QColor(255, 226, 120));
    disc.setColorAt(0.7, QColor(242, 176, 48));
    disc.setColorAt(1, QColor(196, 122, 22));
    p.setPen(QPen(QColor(150, 92, 18), 2));
    p.setBrush(disc);
    p.drawEllipse(QRectF(6, 6, 84, 84));

    // The quill: a curved vane with a shaft, drawn across the disc.
    QPainterPath vane;
    vane.moveTo(28, 74);
    vane.cubicTo(30, 50, 50, 22, 78, 14);
    vane.cubicTo(72, 34, 58, 58, 28, 74);
    QLinearGradient feather(QPointF(28, 74), QPointF(78, 14));
    feather.setColorAt(0, QColor(255, 255, 255));
    feather.setColorAt(1, QColor(230, 238, 250));
    p.setPen(QPen(QColor(90, 70, 50), 1.6));
    p.setBrush(feather);
    p.drawPath(vane);
    p.setPen(QPen(QColor(110, 84, 60), 1.2));
    for (int i = 1; i < 7; ++i) {
        const qreal t = i / 7.0;
        const QPointF on(28 + 50 * t, 74 - 60 * t);
        p.drawLine(on, on + QPointF(8 - 2 * t, 2 + 3 * t));
    }
    p.setPen(QPen(QColor(70, 50, 35), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(22, 82), QPointF(60, 34));
    // A drop of ink at the nib.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 50, 90));
    p.drawEllipse(QRectF(17, 80, 6, 6));
    return img;
}

QImage noteStack()
{
    const int w = 72, h = 60;
    QImage img = canvas(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colours[] = {QColor(150, 214, 255), QColor(255, 180, 196), QColor(255, 236, 130)};
    const qreal angles[] = {-12, 8, -2};
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(w / 2.0, h / 2.0 + 2);
        p.rotate(angles[i]);
        const QRectF r(-24, -20, 48, 40);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 40));
        p.drawRoundedRect(r.translated(2, 2), 3, 3);
        p.setBrush(colours[i]);
        p.setPen(QPen(colours[i].darker(140), 1));
        p.drawRoundedRect(r, 3, 3);
        if (i == 2) {
            p.setPen(QPen(QColor(120, 100, 40), 1.4, Qt::SolidLine, Qt::RoundCap));
            for (int line = 0; line < 3; ++line)
                p.drawLine(QPointF(-16, -8 + line * 8), QPointF(line == 2 ? 4 : 16, -8 + line * 8));
        }
        p.restore();
    }
    return img;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const ArtFolder out;
    if (!out.valid())
        return 2;
    bool ok = true;
    for (int scale : {1, 2}) {
        Scale = scale;
        const QString x = scale == 1 ? QString() : QStringLiteral("@2x");
        ok = ok && out.save(emblem(), "image1" + x) && out.save(noteStack(), "image3" + x);
    }
    return ok ? 0 : 1;
}
