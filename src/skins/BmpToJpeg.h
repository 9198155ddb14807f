#pragma once

#include <QString>

// Turns a bitmap file into a JPEG file at quality 0 (smallest) to 100 (best);
// other values are taken as the nearer end. The source is recognised by its
// content, so a bitmap under any name is read. The same input always gives
// the same bytes. The JPEG is written whole or not at all; on failure error
// (when given) says why in words for the user.
bool bmpToJpeg(const QString &bitmapPath, const QString &jpegPath, int quality,
               QString *error = nullptr);
