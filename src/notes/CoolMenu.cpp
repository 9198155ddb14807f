#include "notes/CoolMenu.h"

#include "notes/MenuTitle.h"

#include <QAction>
#include <QMenu>
#include <QWidgetAction>

CoolMenu::Caption CoolMenu::parse(const QString &stored)
{
    Caption caption;
    if (stored == QLatin1String("-")) {
        caption.kind = Caption::Kind::Separator;
    } else if (stored.startsWith(QLatin1String("(-)"))) {
        caption.kind = Caption::Kind::TitledSeparator;
        caption.text = stored.mid(3);
    } else if (stored.startsWith(QLatin1String("||"))) {
        caption.kind = Caption::Kind::PictureItem;
        caption.text = stored.mid(2);
    } else if (stored.startsWith(QLatin1String("(#)|"))) {
        // "(#)|X|text": X is the check group's letter.
        const int close = stored.indexOf(QLatin1Char('|'), 4);
        caption.kind = Caption::Kind::CheckItem;
        caption.text = close < 0 ? stored.mid(4) : stored.mid(close + 1);
    } else {
        caption.text = stored;
    }
    return caption;
}

QAction *CoolMenu::add(QMenu *menu, const QString &name, const QString &stored)
{
    const Caption caption = parse(stored);
    QAction *action = nullptr;
    switch (caption.kind) {
    case Caption::Kind::Separator:
        action = menu->addSeparator();
        break;
    case Caption::Kind::TitledSeparator: {
        auto *title = new QWidgetAction(menu);
        title->setDefaultWidget(new MenuTitle(caption.text));
        title->setText(caption.text);
        title->setEnabled(false);
        menu->addAction(title);
        action = title;
        break;
    }
    case Caption::Kind::CheckItem:
        action = menu->addAction(caption.text);
        action->setCheckable(true);
        break;
    case Caption::Kind::PictureItem:
    case Caption::Kind::Item:
        action = menu->addAction(caption.text);
        break;
    }
    action->setObjectName(name);
    applyPicture(action, caption.text);
    return action;
}

QMenu *CoolMenu::addMenu(QMenu *menu, const QString &name, const QString &stored)
{
    const Caption caption = parse(stored);
    QMenu *sub = menu->addMenu(caption.text);
    sub->setObjectName(name);
    sub->menuAction()->setObjectName(name);
    applyPicture(sub->menuAction(), caption.text);
    return sub;
}

void CoolMenu::setPicture(const QString &caption, const QPixmap &picture)
{
    m_pictures.insert(caption, picture);
    for (QAction *action : m_pictureItems.value(caption))
        action->setIcon(QIcon(picture));
}

void CoolMenu::applyPicture(QAction *action, const QString &caption)
{
    m_pictureItems[caption].append(action);
    const auto picture = m_pictures.constFind(caption);
    if (picture != m_pictures.constEnd())
        action->setIcon(QIcon(*picture));
}
