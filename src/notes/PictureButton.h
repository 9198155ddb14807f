#pragma once

#include <QPixmap>
#include <QWidget>

// One image of a picture-button pair: a picture that reports the mouse going
// down and up on it. The pair's second image (the pressed or "on" look) is
// another PictureButton, made on first show by a LazyPictureButton and laid
// over the first. A plain widget that paints its shared picture: every note
// carries ten of these.
class PictureButton : public QWidget
{
    Q_OBJECT
public:
    PictureButton(const QString &resource, QWidget *parent);

    QPixmap pixmap() const { return m_picture; }

signals:
    void MouseDown(Qt::MouseButton button);
    // inside: the pointer was still over the picture when the button came up.
    void MouseUp(Qt::MouseButton button, bool inside);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPixmap m_picture;
};
