#include "find/NotesListDelegate.h"

#include "find/NotesListModel.h"

#include <QApplication>
#include <QDate>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>

namespace {

constexpr int Pad = 4;
constexpr int Swatch = 8;
constexpr int Bell = 14;

} // namespace

QString NotesListDelegate::WhenText(const QDateTime &changed, const QDateTime &now)
{
    if (!changed.isValid())
        return QString();
    const QDateTime local = changed.toLocalTime();
    if (local.date() == now.date())
        return QLocale().toString(local, QStringLiteral("HH:mm"));
    if (local.date().year() == now.date().year())
        return QLocale().toString(local, QStringLiteral("d MMM"));
    return QLocale().toString(local, QStringLiteral("d MMM yyyy"));
}

QSize NotesListDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    return QSize(200, option.fontMetrics.height() * 2 + 3 * Pad);
}

void NotesListDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const
{
    const auto *model = qobject_cast<const NotesListModel *>(index.model());
    if (!model)
        return;
    const NotesListModel::Row &row = model->row(index.row());
    QStyleOptionViewItem base = option;
    initStyleOption(&base, index);
    base.text.clear();
    QStyle *style = option.widget ? option.widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &base, painter, option.widget);

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const QRect area = option.rect.adjusted(Pad, Pad, -Pad, -Pad);
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorRole textRole = selected ? QPalette::HighlightedText : QPalette::Text;

    QPainterPath swatch;
    swatch.addRoundedRect(QRectF(area.left(), area.top(), Swatch, area.height()), 3, 3);
    painter->fillPath(swatch, row.color);
    painter->setPen(row.color.darker(140));
    painter->drawPath(swatch);

    // The right edge: the time, and the bell under it.
    const QFontMetrics metrics = option.fontMetrics;
    const int lineHeight = metrics.height();
    const QString when = WhenText(row.changed, m_now);
    const int whenWidth = metrics.horizontalAdvance(
        QLocale().toString(QDate(2099, 9, 30), QStringLiteral("d MMM yyyy")));
    QColor second = option.palette.color(textRole);
    if (!selected)
        second.setAlpha(160);
    const QRect whenRect(area.right() - whenWidth, area.top(), whenWidth, lineHeight);
    painter->setPen(second);
    painter->drawText(whenRect, Qt::AlignRight | Qt::AlignVCenter, when);
    if (row.alarms) {
        static const QPixmap bell(QStringLiteral(":/note/butAlarm.png"));
        painter->drawPixmap(
            QRect(area.right() - Bell, area.top() + lineHeight + Pad / 2, Bell, Bell), bell);
    }

    const int left = area.left() + Swatch + 2 * Pad;
    const int width = whenRect.left() - Pad - left;
    QFont bold = option.font;
    bold.setBold(true);
    bold.setItalic(row.hidden);
    painter->setFont(bold);
    painter->setPen(option.palette.color(textRole));
    const QString first = index.data(Qt::DisplayRole).toString();
    painter->drawText(QRect(left, area.top(), width, lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                      QFontMetrics(bold).elidedText(first, Qt::ElideRight, width));

    // The second line, with what the search found marked.
    painter->setFont(option.font);
    const NoteIndex::Snippet snippet = model->snippet(index.row());
    const QString shown = metrics.elidedText(snippet.text, Qt::ElideRight, width - Bell);
    const int y = area.top() + lineHeight + Pad / 2;
    QColor mark = selected ? option.palette.color(QPalette::HighlightedText) : QColor(255, 214, 64);
    mark.setAlpha(selected ? 70 : 200);
    // A text layout draws the marks where the letters are, right-to-left text included.
    QTextLayout layout(shown, option.font);
    QList<QTextLayout::FormatRange> marks;
    for (const auto &[start, length] : snippet.highlights) {
        if (start >= shown.size())
            break;
        QTextLayout::FormatRange range;
        range.start = start;
        range.length = std::min<int>(length, int(shown.size()) - start);
        range.format.setBackground(mark);
        marks << range;
    }
    layout.setFormats(marks);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid())
        line.setLineWidth(width - Bell);
    layout.endLayout();
    painter->setPen(second);
    layout.draw(painter, QPointF(left, y));
    painter->restore();
}
