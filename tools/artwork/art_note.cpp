// Paints the note window's artwork: the base skin, the bullet, every picture
// button in its normal and pressed/"on" look, the five menu pictures and the
// program icon. Each picture is painted twice: at its size for screens of
// scale 1, and at twice its size ("name@2x.png") for screens of scale 2.
#include "ArtFolder.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRegion>

namespace {

const QColor Ink(92, 64, 14);
const QColor PaperTop(255, 246, 178);
const QColor PaperBottom(251, 226, 118);
const QColor Band(245, 206, 92);
const QColor OnFace(214, 150, 34);

// The scale being painted; painters draw in the pictures' own pixels.
int Scale = 1;

QImage canvas(int w, int h)
{
    QImage img(w * Scale, h * Scale, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(Scale);
    img.fill(Qt::transparent);
    return img;
}

QImage baseSkin()
{
    const int w = 261, h = 163;
    QImage img = canvas(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient paper(0, 0, 0, h);
    paper.setColorAt(0, PaperTop);
    paper.setColorAt(1, PaperBottom);
    p.fillRect(0, 0, w, h, paper);

    // The header band that carries the buttons.
    QLinearGradient band(0, 0, 0, 32);
    band.setColorAt(0, Band.lighter(108));
    band.setColorAt(1, Band);
    p.fillRect(0, 0, w, 32, band);
    p.setPen(QPen(QColor(206, 160, 50), 1));
    p.drawLine(0, 32, w, 32);
    p.setPen(QPen(QColor(255, 255, 255, 120), 1));
    p.drawLine(0, 33, w, 33);

    // A soft well behind the text.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawRoundedRect(QRectF(3.5, 34.5, w - 7, 90), 4, 4);

    // The line above the message line, and the footer.
    p.setPen(QPen(QColor(214, 172, 66, 160), 1, Qt::DotLine));
    p.drawLine(8, 125, w - 8, 125);
    QLinearGradient footer(0, 141, 0, h);
    footer.setColorAt(0, QColor(245, 206, 92, 0));
    footer.setColorAt(1, QColor(235, 190, 70, 150));
    p.fillRect(0, 141, w, h - 141, footer);

    // A curled corner at the bottom right.
    QPainterPath curl;
    curl.moveTo(w, h - 22);
    curl.quadTo(w - 6, h - 6, w - 22, h);
    curl.lineTo(w, h);
    curl.closeSubpath();
    p.fillPath(curl, QColor(120, 90, 20, 70));
    QPainterPath flap;
    flap.moveTo(w, h - 22);
    flap.quadTo(w - 14, h - 14, w - 22, h);
    flap.quadTo(w - 10, h - 8, w, h - 22);
    QLinearGradient flapShade(w - 22, h - 22, w, h);
    flapShade.setColorAt(0, QColor(255, 250, 210));
    flapShade.setColorAt(1, QColor(226, 190, 90));
    p.fillPath(flap, flapShade);

    // The maker's tiny signature in the band.
    QFont sig(QStringLiteral("DejaVu Serif"));
    sig.setPixelSize(9);
    sig.setItalic(true);
    p.setFont(sig);
    p.setPen(QColor(150, 104, 26));
    p.drawText(QRectF(96, 2, 120, 12), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Pennyquill"));
    return img;
}

// The bullet window's round shape (its mask): the disc fills it exactly, so no
// pixel of the window's own background shows and no edge of the disc is cut.
QRegion bulletDisc()
{
    // In the picture's own pixels: at scale 2 it is cut as the window system
    // cuts the window, whose shape it scales.
    return QRegion(QRect(2, 2, 31, 31), QRegion::Ellipse);
}

QImage bullet()
{
    QImage img = canvas(35, 34);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient ball(QPointF(13, 11), 24);
    ball.setColorAt(0, QColor(255, 251, 214));
    ball.setColorAt(0.55, QColor(252, 224, 110));
    ball.setColorAt(1, QColor(220, 160, 40));
    // Painted a little beyond the shape and cut by it, the rim lies on the
    // shape's edge.
    p.setClipRegion(bulletDisc());
    p.setPen(QPen(QColor(160, 110, 20), 3));
    p.setBrush(ball);
    p.drawEllipse(QRectF(2, 2, 31, 31));
    // Three little text lines: a note, folded small.
    p.setPen(QPen(QColor(140, 96, 22, 170), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 22), QPointF(22, 22));
    p.drawLine(QPointF(10, 26), QPointF(18, 26));
    return img;
}

// A small key face: raised when normal, sunk and amber when on/pressed.
void face(QPainter &p, const QRectF &r, bool on)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    if (on) {
        g.setColorAt(0, OnFace.darker(115));
        g.setColorAt(1, OnFace.lighter(110));
    } else {
        g.setColorAt(0, QColor(255, 250, 222));
        g.setColorAt(1, QColor(246, 222, 140));
    }
    p.setPen(QPen(on ? QColor(120, 74, 8) : QColor(186, 140, 44), 1));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
}

QImage letterButton(const QString &letter, bool on, bool italic, bool underline, bool strike)
{
    QImage img = canvas(10, 11);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    face(p, QRectF(0, 0, 10, 11), on);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(9);
    f.setBold(true);
    f.setItalic(italic);
    p.setFont(f);
    p.setPen(on ? QColor(255, 250, 230) : Ink);
    p.drawText(QRectF(0, -0.5, 10, 11), Qt::AlignCenter, letter);
    if (underline)
        p.drawLine(QPointF(2.5, 9), QPointF(7.5, 9));
    if (strike)
        p.drawLine(QPointF(1.5, 5.5), QPointF(8.5, 5.5));
    return img;
}

QImage bulletButton(bool on)
{
    QImage img = canvas(10, 11);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    face(p, QRectF(0, 0, 10, 11), on);
    const QColor c = on ? QColor(255, 250, 230) : Ink;
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(3, 3.8), 1.1, 1.1);
    p.drawEllipse(QPointF(3, 7.2), 1.1, 1.1);
    p.setPen(QPen(c, 1));
    p.drawLine(QPointF(5, 3.8), QPointF(8, 3.8));
    p.drawLine(QPointF(5, 7.2), QPointF(8, 7.2));
    return img;
}

QImage alarmButton(bool on)
{
    QImage img = canvas(10, 11);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    face(p, QRectF(0, 0, 10, 11), on);
    const QColor c = on ? QColor(255, 250, 230) : QColor(176, 40, 30);
    // A little bell.
    QPainterPath bell;
    bell.moveTo(2, 8);
    bell.lineTo(8, 8);
    bell.quadTo(7, 7, 7, 5);
    bell.quadTo(7, 2.2, 5, 2.2);
    bell.quadTo(3, 2.2, 3, 5);
    bell.quadTo(3, 7, 2, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(bell);
    p.drawEllipse(QPointF(5, 9), 0.9, 0.9);
    return img;
}

enum class Glyph { Minimize, Hide, Close, Grow };

QImage smallButton(Glyph glyph, bool pressed)
{
    QImage img = canvas(9, 9);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor fill = glyph == Glyph::Close ? QColor(232, 96, 72) : QColor(250, 236, 170);
    QRadialGradient g(QPointF(3.5, 3), 6);
    g.setColorAt(0, pressed ? fill.darker(130) : fill.lighter(125));
    g.setColorAt(1, pressed ? fill.darker(160) : fill.darker(110));
    p.setPen(QPen(glyph == Glyph::Close ? QColor(150, 40, 24) : QColor(170, 120, 30), 0.8));
    p.setBrush(g);
    p.drawEllipse(QRectF(0.5, 0.5, 8, 8));
    const QColor mark = glyph == Glyph::Close ? QColor(255, 245, 240) : Ink;
    p.setPen(QPen(mark, 1.1, Qt::SolidLine, Qt::RoundCap));
    switch (glyph) {
    case Glyph::Minimize:
        p.drawLine(QPointF(2.8, 4.5), QPointF(6.2, 4.5));
        break;
    case Glyph::Hide:
        p.drawLine(QPointF(2.8, 6), QPointF(6.2, 6));
        p.drawLine(QPointF(3, 3), QPointF(4.5, 4.5));
        p.drawLine(QPointF(6, 3), QPointF(4.5, 4.5));
        break;
    case Glyph::Close:
        p.drawLine(QPointF(3, 3), QPointF(6, 6));
        p.drawLine(QPointF(6, 3), QPointF(3, 6));
        break;
    case Glyph::Grow:
        p.drawLine(QPointF(2.8, 4.5), QPointF(6.2, 4.5));
        p.drawLine(QPointF(4.5, 2.8), QPointF(4.5, 6.2));
        break;
    }
    return img;
}

QImage menuButton(bool pressed)
{
    QImage img = canvas(30, 9);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    face(p, QRectF(0, 0, 30, 9), pressed);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(7);
    f.setBold(true);
    p.setFont(f);
    p.setPen(pressed ? QColor(255, 250, 230) : Ink);
    p.drawText(QRectF(2, 0, 20, 9), Qt::AlignCenter, QStringLiteral("menu"));
    QPainterPath arrow;
    arrow.moveTo(22.5, 3.2);
    arrow.lineTo(27, 3.2);
    arrow.lineTo(24.75, 6);
    arrow.closeSubpath();
    p.fillPath(arrow, pressed ? QColor(255, 250, 230) : Ink);
    return img;
}

QImage menuPicture(int which)
{
    QImage img = canvas(16, 16);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    switch (which) {
    case 1: { // Save As: a floppy-less "tray with arrow"
        p.setPen(QPen(QColor(40, 90, 160), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(8, 2), QPointF(8, 10));
        p.drawLine(QPointF(5, 7), QPointF(8, 10));
        p.drawLine(QPointF(11, 7), QPointF(8, 10));
        p.drawPolyline(QPolygonF(
            {QPointF(2.5, 10), QPointF(2.5, 13.5), QPointF(13.5, 13.5), QPointF(13.5, 10)}));
        break;
    }
    case 2: { // New Note: a little yellow note with a plus
        p.setPen(QPen(QColor(176, 128, 30), 1));
        p.setBrush(QColor(255, 232, 120));
        p.drawRoundedRect(QRectF(1.5, 2.5, 11, 11), 1.5, 1.5);
        p.setPen(QPen(QColor(40, 140, 60), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, 8), QPointF(12, 14));
        p.drawLine(QPointF(9, 11), QPointF(15, 11));
        break;
    }
    case 3: { // Options: a cog
        p.translate(8, 8);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(110, 110, 120));
        for (int i = 0; i < 8; ++i) {
            p.rotate(45);
            p.drawRect(QRectF(-1.3, -7, 2.6, 3));
        }
        p.drawEllipse(QPointF(0, 0), 5, 5);
        p.setBrush(QColor(240, 240, 240));
        p.drawEllipse(QPointF(0, 0), 2, 2);
        break;
    }
    case 4: { // Help: a blue disc with a question mark
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(50, 110, 200));
        p.drawEllipse(QRectF(1, 1, 14, 14));
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(11);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(1, 1, 14, 14), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case 5: { // Font: an A with a coloured bar
        QFont f(QStringLiteral("DejaVu Serif"));
        f.setPixelSize(13);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(60, 60, 70));
        p.drawText(QRectF(0, -1, 16, 14), Qt::AlignCenter, QStringLiteral("A"));
        p.fillRect(QRectF(2, 13, 12, 2.5), QColor(210, 60, 50));
        break;
    }
    default:
        break;
    }
    return img;
}

QImage programIcon(int size)
{
    QImage img = canvas(size, size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawRoundedRect(QRectF(4, 4, 26, 26), 3, 3);
    QLinearGradient paper(0, 2, 0, 28);
    paper.setColorAt(0, PaperTop);
    paper.setColorAt(1, PaperBottom);
    p.setBrush(paper);
    p.setPen(QPen(QColor(180, 130, 30), 1));
    p.drawRoundedRect(QRectF(2.5, 2.5, 25, 25), 3, 3);
    p.fillRect(QRectF(3, 3, 24, 6), Band);
    // The quill across the note.
    QPainterPath vane;
    vane.moveTo(9, 25);
    vane.cubicTo(11, 17, 18, 9, 28, 5);
    vane.cubicTo(25, 13, 19, 20, 9, 25);
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(80, 60, 40), 1));
    p.drawPath(vane);
    p.setPen(QPen(QColor(60, 45, 30), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6, 28), QPointF(20, 13));
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
        ok = ok && out.save(baseSkin(), "baseskin" + x) && out.save(bullet(), "bullet" + x);
        for (bool on : {false, true}) {
            const QString c = (on ? QStringLiteral("C") : QString()) + x;
            ok = ok && out.save(letterButton("B", on, false, false, false), "butB" + c) &&
                 out.save(letterButton("I", on, true, false, false), "butI" + c) &&
                 out.save(letterButton("U", on, false, true, false), "butU" + c) &&
                 out.save(letterButton("S", on, false, false, true), "butS" + c) &&
                 out.save(bulletButton(on), "butBullet" + c) &&
                 out.save(alarmButton(on), "butAlarm" + c) &&
                 out.save(smallButton(Glyph::Minimize, on), "butMin" + c) &&
                 out.save(smallButton(Glyph::Hide, on), "butHide" + c) &&
                 out.save(smallButton(Glyph::Close, on), "butClose" + c) &&
                 out.save(smallButton(Glyph::Grow, on), "butGrow" + c) &&
                 out.save(menuButton(on), "butMenu" + c);
        }
        for (int i = 1; i <= 5; ++i)
            ok = ok && out.save(menuPicture(i), "menu" + QString::number(i) + x);
    }
    // The icon comes in the icon theme's sizes instead.
    Scale = 1;
    for (int size : {16, 32, 48, 64, 128, 256})
        ok = ok && out.save(programIcon(size), "icon" + QString::number(size));
    return ok ? 0 : 1;
}
