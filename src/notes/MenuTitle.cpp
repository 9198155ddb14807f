#include "notes/MenuTitle.h"

#include <QPainter>

MenuTitle::MenuTitle(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setObjectName(QStringLiteral("menuTitle"));
    QFont bold = font();
    bold.setBold(true);
    bold.setPixelSize(10);
    setFont(bold);
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, QColor(0x7a, 0x54, 0x10));
    setPalette(colors);
    setContentsMargins(8, 3, 8, 3);
}

void MenuTitle::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QColor(0xd9, 0xb6, 0x5a));
    painter.drawLine(0, height() - 1, width() - 1, height() - 1);
}
