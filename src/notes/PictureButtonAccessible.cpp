#include "notes/PictureButtonAccessible.h"

#include "notes/PictureButton.h"

PictureButtonAccessible::PictureButtonAccessible(PictureButton *button)
    : QAccessibleWidget(button, QAccessible::Button)
{
}

void PictureButtonAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString &, QObject *object) -> QAccessibleInterface * {
            auto *button = qobject_cast<PictureButton *>(object);
            // The pressed look over a button is part of it, not a button of its own.
            if (!button || qobject_cast<PictureButton *>(button->parent()))
                return nullptr;
            return new PictureButtonAccessible(button);
        });
        return true;
    }();
    Q_UNUSED(installed);
}

PictureButton *PictureButtonAccessible::button() const
{
    return static_cast<PictureButton *>(widget());
}

QString PictureButtonAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
        // The look that shows tells what a click does now ("Remove Alarm" over the bell).
        return button()->topLook()->toolTip();
    }
    return QAccessibleWidget::text(t);
}

QAccessible::State PictureButtonAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    if (button()->isCheckable()) {
        s.checkable = true;
        s.checked = button()->isOn();
    }
    return s;
}

QStringList PictureButtonAccessible::actionNames() const
{
    return {pressAction()};
}

void PictureButtonAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction() && widget()->isEnabled())
        button()->click();
}
