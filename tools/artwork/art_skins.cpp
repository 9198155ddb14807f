// Paints the pictures of the sample skins shipped with the notes program, at
// the note's background size. Each keeps the text box light, so note text
// stays readable, and gives the buttons a calm band to sit on; skinsmith turns
// them into .pqs files at build time.
#include "ArtFolder.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <cmath>

namespace {

constexpr int W = 261;
constexpr int H = 163;

QImage canvas()
{
    QImage img(W, H, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

void verticalGradient(QPainter &p, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(0, 0, 0, H);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(0, 0, W, H, g);
}

// The band the buttons sit on, and the soft light well behind the text.
void bandAndWell(QPainter &p, const QColor &band, const QColor &line)
{
    QLinearGradient g(0, 0, 0, 33);
    g.setColorAt(0, band.lighter(106));
    g.setColorAt(1, band);
    p.fillRect(0, 0, W, 33, g);
    p.setPen(QPen(line, 1));
    p.drawLine(0, 33, W, 33);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 120));
    p.drawRoundedRect(QRectF(3.5, 35.5, W - 7, 90), 5, 5);
}

QImage seaGlass()
{
    QImage img = canvas();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    verticalGradient(p, QColor(232, 248, 246), QColor(190, 228, 222));
    // Gentle waves along the bottom.
    for (int i = 0; i < 4; ++i) {
        QPainterPath wave;
        const double base = 128 + i * 9;
        wave.moveTo(0, base);
        for (int x = 0; x <= W; x += 4)
            wave.lineTo(x, base + 3 * std::sin((x + i * 23) / 14.0));
        wave.lineTo(W, H);
        wave.lineTo(0, H);
        wave.closeSubpath();
        p.fillPath(wave, QColor(120, 190, 186, 38 + i * 10));
    }
    bandAndWell(p, QColor(176, 222, 216), QColor(110, 170, 164));
    return img;
}

QImage linen()
{
    QImage img = canvas();
    QPainter p(&img);
    verticalGradient(p, QColor(250, 245, 232), QColor(238, 228, 206));
    // A fine weave: faint threads both ways, a little uneven like cloth.
    QRandomGenerator random(1252);
    for (int y = 0; y < H; y += 2) {
        p.setPen(QColor(170, 150, 110, 16 + random.bounded(14)));
        p.drawLine(0, y, W, y);
    }
    for (int x = 0; x < W; x += 2) {
        p.setPen(QColor(170, 150, 110, 12 + random.bounded(12)));
        p.drawLine(x, 0, x, H);
    }
    p.setRenderHint(QPainter::Antialiasing);
    bandAndWell(p, QColor(226, 212, 182), QColor(180, 160, 120));
    // Stitches under the band and above the footer.
    p.setPen(QPen(QColor(160, 120, 70, 150), 1, Qt::DashLine));
    p.drawLine(4, 30, W - 4, 30);
    p.drawLine(4, 143, W - 4, 143);
    return img;
}

QImage meadow()
{
    QImage img = canvas();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    verticalGradient(p, QColor(240, 248, 230), QColor(214, 236, 196));
    // Grass blades along the bottom, kept right of the menu button.
    QRandomGenerator random(7);
    for (int i = 0; i < 70; ++i) {
        const double x = 48 + random.bounded(W - 48);
        const double height = 10 + random.bounded(16);
        const double lean = random.bounded(10) - 5;
        QPainterPath blade;
        blade.moveTo(x - 1.6, H);
        blade.quadTo(x + lean / 2, H - height / 2, x + lean, H - height);
        blade.quadTo(x + lean / 2 + 1, H - height / 2, x + 1.6, H);
        blade.closeSubpath();
        p.fillPath(blade, QColor(70 + random.bounded(50), 140 + random.bounded(50), 60, 150));
    }
    // Two small flowers among them.
    for (const QPointF centre : {QPointF(200, 146), QPointF(232, 150)}) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 220));
        for (int k = 0; k < 5; ++k) {
            const double a = k * 2 * M_PI / 5;
            p.drawEllipse(centre + QPointF(3 * std::cos(a), 3 * std::sin(a)), 2.2, 2.2);
        }
        p.setBrush(QColor(240, 200, 60));
        p.drawEllipse(centre, 1.6, 1.6);
    }
    bandAndWell(p, QColor(200, 228, 176), QColor(130, 176, 100));
    return img;
}

QImage peachDawn()
{
    QImage img = canvas();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    verticalGradient(p, QColor(255, 238, 226), QColor(255, 214, 196));
    // Soft rising suns of light.
    QRandomGenerator random(42);
    for (int i = 0; i < 14; ++i) {
        const QPointF centre(random.bounded(W), 90 + random.bounded(80));
        const double radius = 8 + random.bounded(22);
        QRadialGradient glow(centre, radius);
        glow.setColorAt(0, QColor(255, 190, 160, 70));
        glow.setColorAt(1, QColor(255, 190, 160, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(centre, radius, radius);
    }
    bandAndWell(p, QColor(250, 202, 180), QColor(210, 140, 110));
    return img;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const ArtFolder out;
    if (!out.valid())
        return 2;
    const bool ok = out.save(seaGlass(), "sea_glass") && out.save(linen(), "linen") &&
                    out.save(meadow(), "meadow") && out.save(peachDawn(), "peach_dawn");
    return ok ? 0 : 1;
}
