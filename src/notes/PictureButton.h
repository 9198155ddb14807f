#pragma once

#include <QPixmap>
#include <QWidget>

// One image of a picture-button pair: a picture that tells its window of the mouse going
// down and up on it. The pair's second image (the pressed or "on" look) is another
// PictureButton, made on first show by a LazyPictureButton and laid over the first.
// A plain widget that paints its shared picture: every note carries ten of these, so a
// button keeps no connections; it calls its window's Listener instead.
class PictureButton : public QWidget
{
    Q_OBJECT
public:
    // The window that handles all its buttons, telling them apart by the button passed.
    class Listener
    {
    public:
        virtual void PictureDown(PictureButton *button, Qt::MouseButton mouse) = 0;
        // inside: the pointer was still over the picture when the button came up.
        virtual void PictureUp(PictureButton *button, Qt::MouseButton mouse, bool inside) = 0;

    protected:
        ~Listener() = default;
    };

    PictureButton(const QString &resource, QWidget *parent, Listener *listener);

    QPixmap pixmap() const { return m_picture; }

    // A button that stays on while its "on" look shows (the format buttons), as the keyboard
    // and screen readers see it.
    bool isCheckable() const { return m_checkable; }
    void setCheckable(bool checkable) { m_checkable = checkable; }
    // The look a click lands on: the pressed or "on" look lying over this button, when it shows.
    PictureButton *topLook();
    bool isOn() { return topLook() != this; }
    // A left click on what shows, as the mouse would make it (keyboard and screen readers).
    void click();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPixmap m_picture;
    Listener *m_listener;
    bool m_checkable = false;
};
