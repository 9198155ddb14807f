#include "notes/SharedPictures.h"

#include "platform/Artwork.h"

#include <QCoreApplication>
#include <QHash>

namespace {

QHash<QString, QPixmap> *g_loaded = nullptr;
QHash<QString, QIcon> *g_icons = nullptr;

// Pictures must go before the application that made them.
void release()
{
    delete g_icons;
    g_icons = nullptr;
    delete g_loaded;
    g_loaded = nullptr;
}

} // namespace

QPixmap SharedPictures::get(const QString &resource)
{
    if (!g_loaded) {
        g_loaded = new QHash<QString, QPixmap>;
        g_icons = new QHash<QString, QIcon>;
        qAddPostRoutine(release);
    }
    auto found = g_loaded->constFind(resource);
    if (found == g_loaded->constEnd())
        found = g_loaded->insert(resource, Artwork::pixmap(resource));
    return *found;
}

QIcon SharedPictures::icon(const QString &resource)
{
    const QPixmap picture = get(resource);
    auto found = g_icons->constFind(resource);
    if (found == g_icons->constEnd())
        found = g_icons->insert(resource, QIcon(picture));
    return *found;
}
