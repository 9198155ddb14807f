#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>

class QAction;
class QMenu;

// Builds the notes' menus from their stored captions, which carry a small
// syntax of their own:
//   "||&New Note"            an item with a picture beside it
//   "(#)|A|&Always On Top"   an item with a check mark
//   "(-)Saving"              a separator with a title
//   "-"                      a plain separator
// Pictures are handed over per caption ("&New Note") and shown beside every
// item of that caption.
class CoolMenu
{
public:
    struct Caption
    {
        enum class Kind { Item, PictureItem, CheckItem, Separator, TitledSeparator };
        Kind kind = Kind::Item;
        QString text; // the caption without its syntax, "&" mnemonic kept
    };

    static Caption parse(const QString &stored);

    // Adds one entry to the menu; the action's objectName is name.
    QAction *add(QMenu *menu, const QString &name, const QString &stored);
    // Adds a submenu entry whose own caption follows the same syntax.
    QMenu *addMenu(QMenu *menu, const QString &name, const QString &stored);

    // Gives the picture to the items with this caption (without syntax).
    void setPicture(const QString &caption, const QPixmap &picture);

private:
    void applyPicture(QAction *action, const QString &caption);

    QHash<QString, QPixmap> m_pictures;
    QHash<QString, QList<QAction *>> m_pictureItems;
};
