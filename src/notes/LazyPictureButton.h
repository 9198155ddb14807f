#pragma once

#include "notes/PictureButton.h"

#include <QString>

// The pressed or "on" look of a picture button, made the first time it shows: a note has
// eleven of these and most notes never show one. Once made it lies over its button as that
// button's child, so it covers the button exactly and nothing else, whenever it is made.
// It tells the same window as its button of the mouse on it.
class LazyPictureButton
{
public:
    LazyPictureButton(const QString &resource, PictureButton *base,
                      PictureButton::Listener *listener);

    // The look's button, made on the first call.
    PictureButton *get();
    // The look's button if it has been made, else none.
    PictureButton *made() const { return m_button; }
    PictureButton *base() const { return m_base; }

    bool isHidden() const;
    bool isVisible() const;
    void show();
    void hide();
    void setVisible(bool visible);
    QString toolTip() const { return m_toolTip; }
    void setToolTip(const QString &toolTip);

private:
    QString m_resource;
    QString m_toolTip;
    PictureButton *m_base;
    PictureButton::Listener *m_listener;
    PictureButton *m_button = nullptr;
};
