#include "shell/CaptionRoom.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

int CaptionRoom::needed(const QWidget *control)
{
    // A push button's size hint has a floor of its own, and a label's holds its margins:
    // only the caption itself counts here, so that captions which fit stay as they are.
    const auto plain = [control](QString text) {
        int widest = 0;
        for (const QString &line : text.remove(QLatin1Char('&')).split(QLatin1Char('\n')))
            widest = std::max(widest, control->fontMetrics().horizontalAdvance(line));
        return widest;
    };
    if (const auto *button = qobject_cast<const QPushButton *>(control))
        return plain(button->text()) + 6;
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->wordWrap() ? label->width() : plain(label->text()) + 2 * label->margin();
    return control->sizeHint().width();
}

void CaptionRoom::growLeft(const QList<QWidget *> &rightToLeft)
{
    bool first = true;
    int wasLeft = 0; // the left edge of the control on the right, before and after it grew
    int isLeft = 0;
    for (QWidget *control : rightToLeft) {
        QRect place = control->geometry();
        // The gap to the control on the right stays as it was.
        if (!first)
            place.moveRight(std::min(place.right(), place.right() + isLeft - wasLeft));
        if (const int missing = needed(control) - place.width(); missing > 0)
            place.setLeft(place.left() - missing);
        first = false;
        wasLeft = control->geometry().left();
        isLeft = place.left();
        control->setGeometry(place);
    }
}

void CaptionRoom::growRight(QWidget *control)
{
    control->resize(std::max(control->width(), needed(control)), control->height());
}
