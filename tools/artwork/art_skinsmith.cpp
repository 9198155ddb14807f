// Paints skinsmith's program icon: a note-sized picture (sky, sun and hills)
// under the note's top band, with a paint brush across it, in the icon
// theme's sizes. src/resources/skinsmith/skinsmith.svg draws the same icon
// for any size.
#include "ArtFolder.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

QImage programIcon(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawRoundedRect(QRectF(4, 4, 26, 26), 3, 3);

    // The picture a skin is made from.
    QPainterPath card;
    card.addRoundedRect(QRectF(2.5, 2.5, 25, 25), 3, 3);
    QLinearGradient sky(0, 3, 0, 27);
    sky.setColorAt(0, QColor(0x4f, 0x9d, 0xde));
    sky.setColorAt(1, QColor(0xc8, 0xe8, 0xf6));
    p.setBrush(sky);
    p.drawPath(card);
    p.save();
    p.setClipPath(card);
    p.setBrush(QColor(0xff, 0xd2, 0x3f));
    p.drawEllipse(QPointF(21, 13), 3.5, 3.5);
    QPainterPath hills;
    hills.moveTo(2, 22);
    hills.cubicTo(8, 16, 13, 17, 18, 21);
    hills.cubicTo(22, 18, 26, 18, 28, 20);
    hills.lineTo(28, 28);
    hills.lineTo(2, 28);
    hills.closeSubpath();
    p.setBrush(QColor(0x5c, 0xa8, 0x4a));
    p.drawPath(hills);
    // The note's band of buttons over it.
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawRect(QRectF(2, 2, 26, 6.5));
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x2f, 0x5f, 0x8a), 1));
    p.drawPath(card);

    // The brush: handle, ferrule and a tip wet with red paint.
    p.setPen(QPen(QColor(0x8a, 0x55, 0x2a), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(29, 3), QPointF(19, 13));
    p.setPen(QPen(QColor(0xa8, 0xa8, 0xb0), 3.4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(19, 13), QPointF(16, 16));
    QPainterPath tip;
    tip.moveTo(17.5, 17.5);
    tip.cubicTo(15, 20, 11, 22, 7, 26);
    tip.cubicTo(9, 21, 11, 17, 14.5, 14.5);
    tip.closeSubpath();
    p.setPen(QPen(QColor(0x7a, 0x12, 0x12), 0.8));
    p.setBrush(QColor(0xd8, 0x2c, 0x2c));
    p.drawPath(tip);
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
    for (int size : {16, 32, 48, 64, 128, 256})
        ok = ok && out.save(programIcon(size), "icon" + QString::number(size));
    return ok ? 0 : 1;
}
