#pragma once

#include "skins/SkinFile.h"

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>

// Real skin files for a test, made with the program's own writer: a picture
// of one colour at note size under the given stored name.
namespace SkinMaker {

inline bool write(const QString &skinPath, const QString &skinName, const QColor &color)
{
    QTemporaryDir work;
    QImage picture(261, 163, QImage::Format_RGB32);
    picture.fill(color);
    const QString jpeg = work.filePath(QStringLiteral("p.jpg"));
    return picture.save(jpeg, "JPEG", 100) &&
           SkinFile::WriteSkin(skinPath.toStdString(), "Ada", "ada@quill.example", "",
                               skinName.toStdString(), jpeg.toStdString()) == SkinStatus::Ok;
}

const QColor Blue(40, 90, 200), Green(40, 160, 80);

// Installs "Blue Sky" (stored name Ocean) in blue and "Meadow" in green.
inline bool writeBlueSkyAndMeadow(const QString &skinsDir)
{
    return write(skinsDir + QStringLiteral("/Blue Sky.pqs"), QStringLiteral("Ocean"), Blue) &&
           write(skinsDir + QStringLiteral("/Meadow.pqs"), QStringLiteral("Meadow"), Green);
}

// Whether the middle of a note's picture shows color, each channel off by less
// than tolerance (JPEG shifts it a little).
inline bool shows(const QPixmap &picture, const QColor &color, int tolerance = 12)
{
    const QColor seen = picture.toImage().pixelColor(130, 80);
    return !picture.isNull() && qAbs(seen.red() - color.red()) < tolerance &&
           qAbs(seen.green() - color.green()) < tolerance &&
           qAbs(seen.blue() - color.blue()) < tolerance;
}

} // namespace SkinMaker
