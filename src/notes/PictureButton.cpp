#include "notes/PictureButton.h"

#include "notes/PictureButtonAccessible.h"
#include "notes/SharedPictures.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

PictureButton::PictureButton(const QString &resource, QWidget *parent, Listener *listener)
    : QWidget(parent), m_picture(SharedPictures::get(resource)), m_listener(listener)
{
    setCursor(Qt::PointingHandCursor);
    // Reached with Tab (Ctrl+Tab from the text), never taking the focus from a click.
    setFocusPolicy(Qt::TabFocus);
    resize(m_picture.deviceIndependentSize().toSize());
    PictureButtonAccessible::install();
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

PictureButton *PictureButton::topLook()
{
    for (QObject *child : children()) {
        auto *look = qobject_cast<PictureButton *>(child);
        if (look && !look->isHidden())
            return look;
    }
    return this;
}

void PictureButton::click()
{
    PictureButton *target = topLook();
    m_listener->PictureDown(target, Qt::LeftButton);
    // The press may have shown a pressed look over the target: the release belongs to the
    // button pressed, as it does for the mouse.
    m_listener->PictureUp(target, Qt::LeftButton, true);
}

void PictureButton::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        click();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
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
