#include "skintool/NoteOverlay.h"

#include "skintool/SkinBuilder.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPixmap>

namespace {

// The note artwork shown in each button region, in the order of Regions().
const char *const kButtons[] = {"butB",     "butI",   "butU",    "butS",    "butBullet",
                                "butAlarm", "butMin", "butHide", "butClose"};

} // namespace

QList<QRect> NoteOverlay::Regions()
{
    return {QRect(8, 21, 10, 11),  QRect(21, 21, 10, 11), QRect(34, 21, 10, 11),
            QRect(47, 21, 10, 11), QRect(60, 21, 10, 11), QRect(80, 21, 10, 11),
            QRect(228, 5, 9, 9),   QRect(238, 5, 9, 9),   QRect(249, 5, 9, 9),
            QRect(6, 36, 249, 89), QRect(11, 148, 30, 9)};
}

QImage NoteOverlay::Picture()
{
    QImage overlay(Width, Height, QImage::Format_ARGB32_Premultiplied);
    overlay.fill(Qt::transparent);
    const QList<QRect> regions = Regions();
    QPainter p(&overlay);
    for (int i = 0; i < 9; ++i)
        p.drawPixmap(regions[i].topLeft(),
                     QPixmap(QStringLiteral(":/note/%1.png").arg(QLatin1String(kButtons[i]))));
    p.drawPixmap(regions[10].topLeft(), QPixmap(QStringLiteral(":/note/butMenu.png")));

    // The text box is see-through on the note: show text as the note writes it.
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(8.25);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(regions[9].adjusted(3, 2, -3, -2), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               QCoreApplication::translate(
                   "NoteOverlay", "Your notes are written here, over the skin.\n"
                                  "Check that this text stays easy to read and that the buttons "
                                  "above and below stand out."));
    return overlay;
}

void NoteOverlay::PaintRegions(QImage &canvas, const QImage &overlay)
{
    QPainter p(&canvas);
    for (const QRect &region : Regions())
        p.drawImage(region.topLeft(), overlay, region);
}

QImage NoteOverlay::Canvas(const QImage &picture, const QImage &overlay)
{
    QImage canvas = SkinBuilder::render(picture);
    PaintRegions(canvas, overlay);
    return canvas;
}
