#include "notes/PictureButton.h"

#include "platform/Artwork.h"

#include <QMouseEvent>

PictureButton::PictureButton(const QString &resource, QWidget *parent) : QLabel(parent)
{
    setPixmap(Artwork::pixmap(resource));
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::mousePressEvent(QMouseEvent *event)
{
    emit MouseDown(event->button());
}

void PictureButton::mouseReleaseEvent(QMouseEvent *event)
{
    emit MouseUp(event->button(), rect().contains(event->position().toPoint()));
}
