#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The program's own pictures (resource paths such as ":/note/butB.png"), each loaded once and
// shared by every window that shows it: every note carries the same two dozen.
class SharedPictures
{
public:
    static QPixmap get(const QString &resource);
    // The same picture as an icon (a window's or a menu item's), made once.
    static QIcon icon(const QString &resource);
};
