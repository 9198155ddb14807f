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

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPixmap m_picture;
    Listener *m_listener;
};
