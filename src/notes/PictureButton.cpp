#include "notes/PictureButton.h"

#include "notes/SharedPictures.h"

#include <QMouseEvent>
#include <QPainter>

PictureButton::PictureButton(const QString &resource, QWidget *parent)
    : QWidget(parent), m_picture(SharedPictures::get(resource))
{
    setCursor(Qt::PointingHandCursor);
    resize(m_picture.deviceIndependentSize().toSize());
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter(this).drawPixmap(0, 0, m_picture);
}

void PictureButton::mousePressEvent(QMouseEvent *event)
{
    emit MouseDown(event->button());
}

void PictureButton::mouseReleaseEvent(QMouseEvent *event)
{
    emit MouseUp(event->button(), rect().contains(event->position().toPoint()));
}
