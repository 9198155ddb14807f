#pragma once

#include <QLabel>

// One image of a picture-button pair: a picture that reports the mouse going
// down and up on it. The pair's second image (the pressed or "on" look) is
// another PictureButton placed over the first.
class PictureButton : public QLabel
{
    Q_OBJECT
public:
    PictureButton(const QString &resource, QWidget *parent);

signals:
    void MouseDown(Qt::MouseButton button);
    // inside: the pointer was still over the picture when the button came up.
    void MouseUp(Qt::MouseButton button, bool inside);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};
