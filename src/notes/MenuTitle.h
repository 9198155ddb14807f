#pragma once

#include <QLabel>

// The title of a "(-)" separator in a note's menus: small bold brown text over a thin line.
// Drawn by hand rather than by a style sheet, which costs far more to build, and every note
// carries a few of these.
class MenuTitle : public QLabel
{
    Q_OBJECT
public:
    explicit MenuTitle(const QString &text, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
