#pragma once

#include <QColor>

class QLabel;
class QPixmap;
class QRect;

// The colour of a note's message line, chosen from the skin under it: the classic dark
// brown on light skins, a pale cream on dark ones, whichever stands out more.
class MessageInk
{
public:
    // The ink for text drawn on skin over area (in the note's pixels from its top-left).
    static QColor colorOn(const QPixmap &skin, const QRect &area);
    // Gives label the ink for the part of skin it stands on.
    static void dress(QLabel &label, const QPixmap &skin);

    static constexpr QRgb Dark = 0x6b4a0e;
    static constexpr QRgb Light = 0xf7ebcb;
};
