#pragma once

#include <QPixmap>
#include <QString>

// The program's own pictures (resource paths such as ":/note/butB.png"), each loaded once and
// shared by every window that shows it: every note carries the same two dozen.
class SharedPictures
{
public:
    static QPixmap get(const QString &resource);
};
