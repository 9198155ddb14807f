#pragma once

#include "skins/SkinFile.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>

// Makes real skin files for a test with the program's own writer: a picture
// of one colour at note size, packed under the given names.
namespace SkinMaker {

inline std::filesystem::path path(const QString &text)
{
    return std::filesystem::path(text.toStdU16String());
}

inline bool write(const QString &skinPath, const QString &skinName, const QColor &color,
                  const QString &author = QStringLiteral("Ada Quill"),
                  const QString &email = QStringLiteral("ada@quill.example"),
                  const QString &website = QStringLiteral("https://quill.example/"))
{
    QTemporaryDir work;
    const QString jpeg = work.filePath(QStringLiteral("picture.jpg"));
    QImage picture(261, 163, QImage::Format_RGB32);
    picture.fill(color);
    if (!picture.save(jpeg, "JPEG", 100))
        return false;
    return SkinFile::WriteSkin(path(skinPath), author.toStdString(), email.toStdString(),
                               website.toStdString(), skinName.toStdString(),
                               path(jpeg)) == SkinStatus::Ok;
}

// The colour in the middle of a note's picture; JPEG shifts it a little.
inline bool shows(const QPixmap &picture, const QColor &color)
{
    if (picture.isNull())
        return false;
    const QColor seen = picture.toImage().pixelColor(picture.width() / 2, picture.height() / 2);
    return qAbs(seen.red() - color.red()) <= 12 && qAbs(seen.green() - color.green()) <= 12 &&
           qAbs(seen.blue() - color.blue()) <= 12;
}

} // namespace SkinMaker
