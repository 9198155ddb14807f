#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The installed skins as the skin dialog lists them: the .pqs files of each
// folder in turn, each by its list name (the file name without what follows
// the last dot). A name found in an earlier folder hides the same name in a
// later one, so the user's own skins win over those shipped with the program.
class SkinList
{
public:
    struct Entry
    {
        QString listName;
        QString path;
    };

    static QString ListName(const QString &fileName);

    // Missing or unreadable folders add nothing.
    static QList<Entry> Scan(const QStringList &folders);
};
