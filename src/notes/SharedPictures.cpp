#include "notes/SharedPictures.h"

#include <QCoreApplication>
#include <QHash>

namespace {

QHash<QString, QPixmap> *g_loaded = nullptr;

// Pictures must go before the application that made them.
void release()
{
    delete g_loaded;
    g_loaded = nullptr;
}

} // namespace

QPixmap SharedPictures::get(const QString &resource)
{
    if (!g_loaded) {
        g_loaded = new QHash<QString, QPixmap>;
        qAddPostRoutine(release);
    }
    auto found = g_loaded->constFind(resource);
    if (found == g_loaded->constEnd())
        found = g_loaded->insert(resource, QPixmap(resource));
    return *found;
}
