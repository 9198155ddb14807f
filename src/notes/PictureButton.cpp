#include "notes/PictureButton.h"

#include "notes/SharedPictures.h"

#include <QMouseEvent>
#include <QPainter>

PictureButton::PictureButton(const QString &resource, QWidget *parent, Listener *listener)
    : QWidget(parent), m_picture(SharedPictures::get(resource)), m_listener(listener)
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
    m_listener->PictureDown(this, event->button());
}

void PictureButton::mouseMoveEvent(QMouseEvent *event)
{
    // A held button keeps the mouse to itself: passed on, the move would drag the window.
    if (event->buttons() == Qt::NoButton)
        QWidget::mouseMoveEvent(event);
}

void PictureButton::mouseReleaseEvent(QMouseEvent *event)
{
    m_listener->PictureUp(this, event->button(), rect().contains(event->position().toPoint()));
}
