#pragma once

#include <QAccessible>

class QWidget;

// Gives a plain widget the role a screen reader should see (a label that is really a status
// line, a painted panel that is really a picture) without a widget class of its own: the role
// is kept on the widget and an accessibility factory, installed with the first one, reads it.
class AccessibleRole
{
public:
    static void set(QWidget *widget, QAccessible::Role role, const QString &description = {});
    // Tells screen readers that the widget's text changed, as a status line or alert needs.
    static void announce(QWidget *widget, QAccessible::Event event = QAccessible::NameChanged);
};
