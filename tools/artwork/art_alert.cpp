// Paints the alert window's artwork: its window icon (an alarm clock with a
// red face ringing, at 16, 32 and 48 pixels, and 64 and 96 for screens of
// scale 2) and the 32 x 32 picture in its lower left corner (a bell with its
// sound lines), also at twice the size ("image1@2x.png").
#include "ArtFolder.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

const QColor Rim(120, 22, 18);
const QColor Face(255, 244, 226);
const QColor Hands(40, 30, 24);
const QColor Brass(214, 162, 44);

QImage canvas(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

// An alarm clock: two bells on top, a red rim, hands at ten past ten.
QImage clockIcon(int size)
{
    QImage img = canvas(size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 48.0, size / 48.0);

    p.setPen(QPen(Rim.darker(130), 1.5));
    p.setBrush(Brass);
    p.drawChord(QRectF(4, 3, 16, 16), 30 * 16, 180 * 16);
    p.drawChord(QRectF(28, 3, 16, 16), -30 * 16, 180 * 16);
    p.setPen(QPen(Hands, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(13, 41), QPointF(9, 46));
    p.drawLine(QPointF(35, 41), QPointF(39, 46));

    QRadialGradient rim(QPointF(20, 18), 26);
    rim.setColorAt(0, QColor(236, 64, 48));
    rim.setColorAt(1, Rim);
    p.setPen(QPen(Rim.darker(140), 1));
    p.setBrush(rim);
    p.drawEllipse(QRectF(5, 7, 38, 38));
    p.setBrush(Face);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(10, 12, 28, 28));

    p.setPen(QPen(Hands, 1.2));
    for (int i = 0; i < 12; ++i) {
        p.save();
        p.translate(24, 26);
        p.rotate(i * 30);
        p.drawLine(QPointF(0, -12.5), QPointF(0, i % 3 == 0 ? -10 : -11.5));
        p.restore();
    }
    p.setPen(QPen(Hands, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(24, 26), QPointF(17.5, 21.5));
    p.setPen(QPen(Hands, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(24, 26), QPointF(32, 19));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 30, 20));
    p.drawEllipse(QPointF(24, 26), 1.8, 1.8);
    return img;
}

// A brass bell, swinging a little, with sound lines on both sides.
QImage bellPicture(int scale)
{
    QImage img = canvas(32 * scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    p.translate(16, 4);
    p.rotate(-12);

    QPainterPath bell;
    bell.moveTo(-9, 17);
    bell.cubicTo(-9, 8, -7, 2, 0, 2);
    bell.cubicTo(7, 2, 9, 8, 9, 17);
    bell.lineTo(11, 20);
    bell.lineTo(-11, 20);
    bell.closeSubpath();
    QRadialGradient shine(QPointF(-3, 7), 16);
    shine.setColorAt(0, Brass.lighter(150));
    shine.setColorAt(1, Brass.darker(140));
    p.setPen(QPen(QColor(110, 76, 10), 1));
    p.setBrush(shine);
    p.drawPath(bell);
    p.setBrush(QColor(110, 76, 10));
    p.drawEllipse(QPointF(0, 1), 1.8, 1.8);
    p.drawEllipse(QPointF(0, 22), 2.4, 2.4);
    p.resetTransform();
    p.scale(scale, scale);

    p.setPen(QPen(QColor(200, 30, 20), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(0, 8, 10, 16), 120 * 16, 120 * 16);
    p.drawArc(QRectF(22, 6, 10, 16), -60 * 16, 120 * 16);
    return img;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const ArtFolder out;
    if (!out.valid())
        return 2;
    bool ok = out.save(bellPicture(1), QStringLiteral("image1")) &&
              out.save(bellPicture(2), QStringLiteral("image1@2x"));
    for (int size : {16, 32, 48, 64, 96})
        ok = ok && out.save(clockIcon(size), QStringLiteral("icon") + QString::number(size));
    return ok ? 0 : 1;
}
