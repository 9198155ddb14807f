// Paints the about box's pictures (the maker's logo, Image2, and the product
// picture, Image3) and the pointing-hand cursor of the support window's links.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>

namespace {

const QColor Slate(38, 56, 84);
const QColor Ink(34, 58, 124);

// The scale being painted ("@2x" pictures at 2); painters draw in the
// pictures' own pixels.
int Scale = 1;

QImage blank(int w, int h)
{
    QImage img(w * Scale, h * Scale, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(Scale);
    img.fill(Qt::transparent);
    return img;
}

// The maker's mark: a weather vane whose pointer is a corvid's head, in a slate
// disc, beside the name.
QImage makerLogo()
{
    QImage img = blank(80, 30);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QRectF disc(1.5, 3.5, 23, 23);
    QRadialGradient fill(disc.center() - QPointF(4, 5), 18);
    fill.setColorAt(0, Slate.lighter(150));
    fill.setColorAt(1, Slate);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawEllipse(disc);

    // The bird: head and beak pointing right, a swept tail like a vane's feather.
    QPainterPath bird;
    bird.moveTo(5.5, 18.5);
    bird.lineTo(9.5, 13.5);
    bird.cubicTo(11, 11.5, 13, 10, 15.5, 10);
    bird.cubicTo(17.5, 10, 18.8, 11, 19.3, 12.3);
    bird.lineTo(23, 13.6); // beak tip
    bird.lineTo(19, 15);
    bird.cubicTo(17.5, 17.2, 14, 17.6, 11.5, 17);
    bird.lineTo(7.5, 20.5);
    bird.closeSubpath();
    p.setBrush(QColor(250, 250, 252));
    p.drawPath(bird);
    p.setBrush(Slate);
    p.drawEllipse(QPointF(16.6, 12.6), 1.0, 1.0);
    // The vane's rod and the amber compass point beneath the bird.
    p.setPen(QPen(QColor(250, 250, 252), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(13, 17.5), QPointF(13, 23.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(242, 176, 48));
    p.drawEllipse(QPointF(13, 23.6), 1.6, 1.6);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    font.setStretch(QFont::SemiCondensed);
    font.setLetterSpacing(QFont::AbsoluteSpacing, -0.3);
    p.setFont(font);
    p.setPen(Slate);
    p.drawText(QRectF(27, 0, 53, 30), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Corvane"));
    return img;
}

// A goose quill lying from lower left to upper right, nib at `nib`.
void drawQuill(QPainter &p, QPointF nib, qreal length, qreal angle)
{
    p.save();
    p.translate(nib);
    p.rotate(angle);
    // Along +x from the nib.
    QPainterPath vane;
    vane.moveTo(length * 0.28, 0);
    vane.cubicTo(length * 0.45, -9, length * 0.8, -13, length, -4);
    vane.cubicTo(length * 0.82, 3, length * 0.55, 8, length * 0.28, 0);
    QLinearGradient feather(QPointF(length * 0.3, 0), QPointF(length, 0));
    feather.setColorAt(0, QColor(236, 242, 250));
    feather.setColorAt(1, QColor(255, 255, 255));
    p.setPen(QPen(QColor(120, 110, 100), 1.0));
    p.setBrush(feather);
    p.drawPath(vane);
    // Barbs.
    p.setPen(QPen(QColor(170, 160, 150), 0.8));
    for (int i = 1; i < 9; ++i) {
        const qreal x = length * (0.32 + 0.075 * i);
        p.drawLine(QPointF(x, -0.3), QPointF(x + 5, -7 + i * 0.4));
        p.drawLine(QPointF(x, 0.3), QPointF(x + 4, 4.5 - i * 0.2));
    }
    // Shaft and nib.
    p.setPen(QPen(QColor(96, 74, 52), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6, 0), QPointF(length * 0.98, -2.5));
    QPainterPath tip;
    tip.moveTo(0, 0);
    tip.lineTo(8, -1.8);
    tip.lineTo(8, 1.8);
    tip.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 48, 40));
    p.drawPath(tip);
    p.restore();
}

// The product: a tilted yellow note with the program's name written on it and
// a quill resting across it. The right-hand strip stays empty: the about box's
// scrolling text window lies over it.
QImage productArt()
{
    QImage img = blank(211, 108);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // A second note peeking out behind, in the program's sky blue.
    p.save();
    p.translate(80, 56);
    p.rotate(5);
    const QRectF back(-66, -40, 132, 80);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 28));
    p.drawRoundedRect(back.translated(2, 3), 3, 3);
    p.setBrush(QColor(160, 214, 250));
    p.setPen(QPen(QColor(120, 172, 214), 1));
    p.drawRoundedRect(back, 3, 3);
    p.restore();

    // The front note.
    p.save();
    p.translate(76, 54);
    p.rotate(-4);
    const QRectF note(-68, -40, 136, 80);
    p.setPen(Qt::NoPen);
    for (int i = 3; i >= 1; --i) {
        p.setBrush(QColor(0, 0, 0, 14));
        p.drawRoundedRect(note.translated(i * 0.8, i * 1.2).adjusted(-i * 0.4, 0, i * 0.4, 0), 4,
                          4);
    }
    QLinearGradient paper(note.topLeft(), note.bottomRight());
    paper.setColorAt(0, QColor(255, 246, 170));
    paper.setColorAt(1, QColor(255, 228, 110));
    p.setBrush(paper);
    p.setPen(QPen(QColor(214, 178, 60), 1));
    p.drawRoundedRect(note, 3, 3);
    // The gum strip along the top edge, a shade darker.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 204, 84, 120));
    p.drawRect(QRectF(note.left() + 1, note.top() + 1, note.width() - 2, 10));

    // The name, in ink.
    QFont script(QStringLiteral("DejaVu Serif"));
    script.setPixelSize(21);
    script.setItalic(true);
    script.setBold(true);
    p.setFont(script);
    p.setPen(Ink);
    p.drawText(QRectF(note.left() + 6, note.top() + 12, note.width() - 12, 30), Qt::AlignCenter,
               QStringLiteral("Pennyquill"));
    // A few written lines below it, fading to the right.
    p.setPen(
        QPen(QColor(Ink.red(), Ink.green(), Ink.blue(), 110), 1.3, Qt::SolidLine, Qt::RoundCap));
    const qreal lineEnds[] = {50, 36, 14};
    for (int i = 0; i < 3; ++i) {
        const qreal y = note.top() + 50 + i * 8;
        p.drawLine(QPointF(note.left() + 14, y), QPointF(lineEnds[i], y));
    }
    // The round bullet a minimised note turns into, pinned in the corner.
    const QPointF pin(note.right() - 14, note.top() + 6);
    QRadialGradient bullet(pin - QPointF(2, 2), 8);
    bullet.setColorAt(0, QColor(255, 150, 130));
    bullet.setColorAt(1, QColor(200, 46, 40));
    p.setPen(QPen(QColor(140, 30, 26), 0.8));
    p.setBrush(bullet);
    p.drawEllipse(pin, 5.5, 5.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawEllipse(pin - QPointF(1.8, 2), 1.6, 1.2);
    p.restore();

    // The quill's shadow on the paper, then the quill.
    p.save();
    p.setOpacity(0.22);
    p.translate(2, 3);
    drawQuill(p, QPointF(78, 100), 92, -34);
    p.restore();
    drawQuill(p, QPointF(78, 100), 92, -34);
    return img;
}

// A white pointing hand with a dark outline; the tip of the index finger is
// the hot spot (at 10, 1).
QImage linkCursor()
{
    QImage img = blank(32, 32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    QPainterPath hand;
    // Index finger, up.
    hand.moveTo(8.5, 14);
    hand.lineTo(8.5, 3);
    hand.cubicTo(8.5, 0.8, 12.5, 0.8, 12.5, 3);
    hand.lineTo(12.5, 11.5);
    // Middle, ring and little fingers, folded: three knuckles.
    hand.cubicTo(12.5, 9.6, 16.5, 9.6, 16.5, 11.5);
    hand.lineTo(16.5, 12.5);
    hand.cubicTo(16.5, 10.6, 20.5, 10.6, 20.5, 12.5);
    hand.lineTo(20.5, 13.5);
    hand.cubicTo(20.5, 11.6, 24.5, 11.6, 24.5, 13.5);
    // Down the little finger's side to the wrist.
    hand.lineTo(24.5, 21);
    hand.cubicTo(24.5, 25, 22.5, 27, 21.5, 28);
    hand.lineTo(21.5, 30.5);
    hand.lineTo(10.5, 30.5);
    hand.lineTo(10.5, 28);
    // The thumb folded in from the left.
    hand.cubicTo(8, 25.5, 5.5, 22, 3.5, 18.5);
    hand.cubicTo(2.2, 16.2, 4.8, 14.2, 6.6, 16);
    hand.lineTo(8.5, 18);
    hand.closeSubpath();

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawPath(hand.translated(1, 1));
    QLinearGradient glove(QPointF(4, 0), QPointF(26, 30));
    glove.setColorAt(0, QColor(255, 255, 255));
    glove.setColorAt(1, QColor(226, 232, 240));
    p.setBrush(glove);
    p.setPen(QPen(Qt::black, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(hand);
    // Creases between the folded fingers and the cuff.
    p.setPen(QPen(QColor(60, 60, 60), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12.5, 11.5), QPointF(12.5, 16));
    p.drawLine(QPointF(16.5, 12.5), QPointF(16.5, 16));
    p.drawLine(QPointF(20.5, 13.5), QPointF(20.5, 16.5));
    p.drawLine(QPointF(10.8, 27.8), QPointF(21.2, 27.8));
    return img;
}

bool save(const QImage &img, const QDir &dir, const QString &name)
{
    const QString path = dir.filePath(name);
    if (img.save(path, "PNG"))
        return true;
    QTextStream(stderr) << "cannot write " << path << '\n';
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "usage: art_about <output folder>\n";
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.exists() && !QDir().mkpath(dir.path()))
        return 1;
    bool ok = true;
    for (int scale : {1, 2}) {
        Scale = scale;
        const QString x = scale == 1 ? QString() : QStringLiteral("@2x");
        ok = save(makerLogo(), dir, "maker_logo" + x + ".png") && ok;
        ok = save(productArt(), dir, "product" + x + ".png") && ok;
        ok = save(linkCursor(), dir, "link_cursor" + x + ".png") && ok;
    }
    return ok ? 0 : 1;
}
