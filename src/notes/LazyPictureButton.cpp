#include "notes/LazyPictureButton.h"

#include "notes/PictureButton.h"

LazyPictureButton::LazyPictureButton(const QString &resource, const QString &name,
                                     PictureButton *base)
    : m_resource(resource), m_name(name), m_base(base)
{
}

PictureButton *LazyPictureButton::get()
{
    if (!m_button) {
        m_button = new PictureButton(m_resource, m_base);
        m_button->setObjectName(m_name);
        m_button->setToolTip(m_toolTip);
        m_button->hide();
        for (const auto &wiring : m_wiring)
            wiring(m_button);
        m_wiring.clear();
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

void LazyPictureButton::whenMade(std::function<void(PictureButton *)> wiring)
{
    if (m_button)
        wiring(m_button);
    else
        m_wiring.push_back(std::move(wiring));
}
