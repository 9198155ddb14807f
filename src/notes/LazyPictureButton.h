#pragma once

#include <QString>

#include <functional>
#include <vector>

class PictureButton;

// The pressed or "on" look of a picture button, made the first time it shows: a note has
// eleven of these and most notes never show one. Once made it lies over its button as that
// button's child, so it covers the button exactly and nothing else, whenever it is made.
class LazyPictureButton
{
public:
    LazyPictureButton(const QString &resource, const QString &name, PictureButton *base);

    // The look's button, made on the first call.
    PictureButton *get();

    bool isHidden() const;
    bool isVisible() const;
    void show();
    void hide();
    void setVisible(bool visible);
    QString toolTip() const { return m_toolTip; }
    void setToolTip(const QString &toolTip);
    // Wiring for the button, done when it is made (at once if it is made already).
    void whenMade(std::function<void(PictureButton *)> wiring);

private:
    QString m_resource;
    QString m_name;
    QString m_toolTip;
    PictureButton *m_base;
    PictureButton *m_button = nullptr;
    std::vector<std::function<void(PictureButton *)>> m_wiring;
};
