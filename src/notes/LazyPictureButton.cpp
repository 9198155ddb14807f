#include "notes/LazyPictureButton.h"

LazyPictureButton::LazyPictureButton(const QString &resource, PictureButton *base,
                                     PictureButton::Listener *listener)
    : m_resource(resource), m_base(base), m_listener(listener)
{
}

PictureButton *LazyPictureButton::get()
{
    if (!m_button) {
        m_button = new PictureButton(m_resource, m_base, m_listener);
        m_button->setToolTip(m_toolTip);
        // The keyboard reaches the look through its button.
        m_button->setFocusPolicy(Qt::NoFocus);
        m_button->hide();
    }
    return m_button;
}

bool LazyPictureButton::isHidden() const
{
    return !m_button || m_button->isHidden();
}

bool LazyPictureButton::isVisible() const
{
    return m_button && m_button->isVisible();
}

void LazyPictureButton::show()
{
    get()->show();
}

void LazyPictureButton::hide()
{
    if (m_button)
        m_button->hide();
}

void LazyPictureButton::setVisible(bool visible)
{
    if (visible)
        show();
    else
        hide();
}

void LazyPictureButton::setToolTip(const QString &toolTip)
{
    m_toolTip = toolTip;
    if (m_button)
        m_button->setToolTip(toolTip);
}
