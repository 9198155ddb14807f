#pragma once

#include <QAccessibleWidget>

class PictureButton;

// What a screen reader sees of a picture button: a push button named by its tool tip (a
// toggle button with its state for the formats), with a press action that clicks it. The
// pressed or "on" look lying over it is the same button, not a second one.
class PictureButtonAccessible : public QAccessibleWidget
{
public:
    explicit PictureButtonAccessible(PictureButton *button);

    // Registers the factory once; called by every picture button.
    static void install();

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    PictureButton *button() const;
};
