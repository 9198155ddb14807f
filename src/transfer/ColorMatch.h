#pragma once

#include <QColor>
#include <QList>

class QImage;

// Matches a note colour from another program to the nearest of the skins' colours.
namespace ColorMatch {

// The mean colour of a picture; invalid for an empty one.
QColor average(const QImage &image);
// The index of the candidate nearest to color (by a distance weighted as the eye sees
// red, green and blue); -1 without candidates or without a valid colour.
int nearest(const QColor &color, const QList<QColor> &candidates);

} // namespace ColorMatch
