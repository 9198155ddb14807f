#pragma once

#include <QList>

class QWidget;

// Dialogs placed control by control (the classic forms' fixed sizes) get room for captions
// longer than the English ones, as other languages have: a control whose caption would be
// cut off grows away from the edge it keeps. English captions fit and move nothing.
class CaptionRoom
{
public:
    // The width the control's caption needs (labels, buttons, check and radio boxes).
    static int needed(const QWidget *control);
    // Grows each control of a row leftwards, its right edge kept; one that grows over the
    // control on its left pushes that one left. The row is given right to left.
    static void growLeft(const QList<QWidget *> &rightToLeft);
    // Grows the control rightwards, its left edge kept.
    static void growRight(QWidget *control);
};
