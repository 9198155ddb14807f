#include "skins/SkinList.h"

#include <QDir>
#include <QSet>

QString SkinList::ListName(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? fileName : fileName.left(dot);
}

QList<SkinList::Entry> SkinList::Scan(const QStringList &folders)
{
    QList<Entry> entries;
    QSet<QString> seen;
    for (const QString &folder : folders) {
        // Hidden files are half-written copies or not meant to be listed.
        const QFileInfoList files = QDir(folder).entryInfoList(
            {QStringLiteral("*.pqs")}, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
        for (const QFileInfo &file : files) {
            const QString name = ListName(file.fileName());
            if (name.isEmpty() || seen.contains(name))
                continue;
            seen.insert(name);
            entries.append({name, file.filePath()});
        }
    }
    return entries;
}
