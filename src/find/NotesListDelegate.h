#pragma once

#include <QDateTime>
#include <QStyledItemDelegate>

// Draws a row of the notes list: the skin's colour, the first line, the second line with the
// search marked in it, a bell for alarms and when the note last changed.
class NotesListDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // "14:05" today, "3 Dec" this year, "3 Dec 2025" before; now from the program's clock.
    static QString WhenText(const QDateTime &changed, const QDateTime &now);
    void setNow(const QDateTime &now) { m_now = now; }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    QDateTime m_now;
};
