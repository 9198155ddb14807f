#pragma once

#include <QImage>
#include <QList>
#include <QRect>

// The note window's controls as skinsmith shows them over a picture: its
// buttons, its text box and its menu button, painted from the note's own
// artwork at the places where the note has them, so the user sees whether
// text stays readable and the buttons stay visible on a skin.
class NoteOverlay
{
public:
    static constexpr int Width = 261;
    static constexpr int Height = 165;

    // The eleven regions in canvas pixels: B, I, U, S, bullet, alarm,
    // minimize, hide, close, the text box and the menu button.
    static QList<QRect> Regions();

    // The overlay picture (imgButtons): see-through wherever the note shows
    // its skin, sample text in the text box.
    static QImage Picture();

    // Copies each region of overlay onto the same place of canvas.
    static void PaintRegions(QImage &canvas, const QImage &overlay);

    // The canvas as both windows show it: the picture as the skin will hold
    // it, with the note's controls over it.
    static QImage Canvas(const QImage &picture, const QImage &overlay);
};
