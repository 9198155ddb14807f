#include "platform/Artwork.h"

#include <QGuiApplication>

QPixmap Artwork::pixmap(const QString &path)
{
    return pixmap(path, qApp ? qApp->devicePixelRatio() : 1.0);
}

QPixmap Artwork::pixmap(const QString &path, qreal scale)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (scale > 1.0 && dot > 0) {
        QPixmap large(path.left(dot) + QStringLiteral("@2x") + path.mid(dot));
        if (!large.isNull()) {
            large.setDevicePixelRatio(2.0);
            return large;
        }
    }
    return QPixmap(path);
}
