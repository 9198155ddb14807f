#pragma once

#include <QPixmap>
#include <QString>

// The program's own pictures (resources painted by tools/artwork) at the
// screen's scale: on screens of scale above 1 the twice-as-large "name@2x.png"
// beside "name.png" is used, so pictures stay crisp at the same size.
class Artwork
{
public:
    // The picture for a resource path such as ":/note/bullet.png".
    static QPixmap pixmap(const QString &path);
    // The same at a given scale (the program's own is the application's).
    static QPixmap pixmap(const QString &path, qreal scale);
};
