#include "shell/AccessibleRole.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QVariant>
#include <QWidget>

namespace {

const char *const RoleProperty = "pqAccessibleRole";

class RoleInterface : public QAccessibleWidget
{
public:
    RoleInterface(QWidget *widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QString text(QAccessible::Text t) const override
    {
        // A label's words are its name, as for Qt's own label interface.
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            if (const auto *label = qobject_cast<const QLabel *>(widget()))
                return label->text();
        }
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *makeInterface(const QString &, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    const QVariant role = object->property(RoleProperty);
    if (!role.isValid())
        return nullptr;
    return new RoleInterface(static_cast<QWidget *>(object),
                             static_cast<QAccessible::Role>(role.toInt()));
}

} // namespace

void AccessibleRole::set(QWidget *widget, QAccessible::Role role, const QString &description)
{
    static const bool installed = [] {
        QAccessible::installFactory(makeInterface);
        return true;
    }();
    Q_UNUSED(installed);
    widget->setProperty(RoleProperty, int(role));
    if (!description.isEmpty())
        widget->setAccessibleDescription(description);
}

void AccessibleRole::announce(QWidget *widget, QAccessible::Event event)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent changed(widget, event);
    QAccessible::updateAccessibility(&changed);
}
