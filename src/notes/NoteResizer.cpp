#include "notes/NoteResizer.h"

#include "notes/PictureButton.h"
#include "notes/frmNote.h"
#include "notes/richtext/RichTextBox.h"
#include "shell/Twips.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

const QSize Classic(frmNote::FullWidth, frmNote::FullHeight);

QSize classicPixels()
{
    return QSize(Twips::toPixels(Classic.width()), Twips::toPixels(Classic.height()));
}

} // namespace

NoteResizer::NoteResizer(frmNote &note) : QObject(&note), m_note(note), m_full(Classic)
{
    auto place = [this](QWidget *widget, bool stretchX, bool stretchY, bool right, bool bottom) {
        m_places.append({widget, widget->geometry(), stretchX, stretchY, right, bottom});
    };
    place(note.rtxtMain, true, true, false, false);
    place(note.lblAds, true, false, false, true);
    for (QWidget *button : {note.butMin, note.butHide, note.butClose})
        place(button, false, false, true, false);
    place(note.butMenu, false, false, false, true);
}

bool NoteResizer::isClassicSize() const
{
    return m_full == Classic;
}

QSize NoteResizer::Clamp(const QSize &twips)
{
    return QSize(std::clamp(twips.width(), Classic.width(), Classic.width() * MaxFactor),
                 std::clamp(twips.height(), Classic.height(), Classic.height() * MaxFactor));
}

void NoteResizer::setFullSize(const QSize &twips)
{
    m_full = Clamp(twips);
    if (m_note.isBullet() || m_note.isAnimating())
        return;
    m_note.setWidth(m_full.width());
    m_note.setHeight(m_full.height());
}

QSize NoteResizer::grownBy() const
{
    const QSize classic = classicPixels();
    return QSize(std::max(0, m_note.width() - classic.width()),
                 std::max(0, m_note.height() - classic.height()));
}

void NoteResizer::layout()
{
    const QSize grown = grownBy();
    for (const Place &place : m_places) {
        QRect rect = place.classic;
        if (place.stretchX)
            rect.setWidth(rect.width() + grown.width());
        if (place.stretchY)
            rect.setHeight(rect.height() + grown.height());
        if (place.right)
            rect.translate(grown.width(), 0);
        if (place.bottom)
            rect.translate(0, grown.height());
        if (place.widget->geometry() != rect)
            place.widget->setGeometry(rect);
    }
}

QPixmap NoteResizer::skin(const QPixmap &picture)
{
    if (grownBy().isNull() || picture.isNull())
        return picture;
    // The client area: the window less its one-pixel frame.
    const QSize size = m_note.size() - QSize(2, 2);
    if (m_skinKey != picture.cacheKey() || m_skin.deviceIndependentSize().toSize() != size) {
        m_skin = Stretch(picture, size);
        m_skinKey = picture.cacheKey();
    }
    return m_skin;
}

QPixmap NoteResizer::Stretch(const QPixmap &picture, const QSize &size)
{
    const qreal ratio = picture.devicePixelRatio();
    const QSize from = picture.size();
    const QSize to = (QSizeF(size) * ratio).toSize();
    if (from.isEmpty() || to.width() < from.width() || to.height() < from.height())
        return picture;
    // The band that stretches: an eighth of the picture, right of the centre
    // across, at the middle down.
    const int bandW = std::max(1, from.width() / 8);
    const int bandH = std::max(1, from.height() / 8);
    const int left = from.width() * 5 / 8;
    const int top = (from.height() - bandH) / 2;
    const int xs[] = {0, left, left + bandW, from.width()};
    const int ys[] = {0, top, top + bandH, from.height()};
    const int growX = to.width() - from.width();
    const int growY = to.height() - from.height();
    const int txs[] = {0, left, left + bandW + growX, to.width()};
    const int tys[] = {0, top, top + bandH + growY, to.height()};
    QPixmap out(to);
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) {
            const QRect source(QPoint(xs[col], ys[row]), QPoint(xs[col + 1] - 1, ys[row + 1] - 1));
            const QRect target(QPoint(txs[col], tys[row]),
                               QPoint(txs[col + 1] - 1, tys[row + 1] - 1));
            if (!source.isEmpty() && !target.isEmpty())
                p.drawPixmap(target, picture, source);
        }
    p.end();
    out.setDevicePixelRatio(ratio);
    return out;
}

Qt::Edges NoteResizer::EdgesAt(const QPoint &pos) const
{
    if (m_note.isBullet() || m_note.isAnimating())
        return {};
    const int w = m_note.width();
    const int h = m_note.height();
    // The folded corner: the triangle below the diagonal of its square.
    if (pos.x() >= w - CornerSize && pos.y() >= h - CornerSize &&
        (pos.x() - (w - CornerSize)) + (pos.y() - (h - CornerSize)) >= CornerSize)
        return Qt::RightEdge | Qt::BottomEdge;
    Qt::Edges edges;
    if (pos.x() < EdgeBand)
        edges |= Qt::LeftEdge;
    if (pos.x() >= w - EdgeBand)
        edges |= Qt::RightEdge;
    if (pos.y() < EdgeBand)
        edges |= Qt::TopEdge;
    if (pos.y() >= h - EdgeBand)
        edges |= Qt::BottomEdge;
    return edges;
}

bool NoteResizer::press(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return false;
    m_edges = EdgesAt(event->position().toPoint());
    if (!m_edges)
        return false;
    m_startGlobal = event->globalPosition().toPoint();
    m_startTwips = QRect(m_note.Left(), m_note.Top(), m_full.width(), m_full.height());
    return true;
}

bool NoteResizer::move(QMouseEvent *event)
{
    if (!m_edges) {
        const Qt::Edges hover =
            event->buttons() == Qt::NoButton ? EdgesAt(event->position().toPoint()) : Qt::Edges();
        if (hover == (Qt::LeftEdge | Qt::TopEdge) || hover == (Qt::RightEdge | Qt::BottomEdge))
            m_note.setCursor(Qt::SizeFDiagCursor);
        else if (hover == (Qt::RightEdge | Qt::TopEdge) || hover == (Qt::LeftEdge | Qt::BottomEdge))
            m_note.setCursor(Qt::SizeBDiagCursor);
        else if (hover & (Qt::LeftEdge | Qt::RightEdge))
            m_note.setCursor(Qt::SizeHorCursor);
        else if (hover)
            m_note.setCursor(Qt::SizeVerCursor);
        else
            m_note.unsetCursor();
        return false;
    }
    const QPoint moved = event->globalPosition().toPoint() - m_startGlobal;
    const int dx = Twips::fromPixels(moved.x());
    const int dy = Twips::fromPixels(moved.y());
    QRect wanted = m_startTwips;
    if (m_edges & Qt::RightEdge)
        wanted.setWidth(m_startTwips.width() + dx);
    if (m_edges & Qt::BottomEdge)
        wanted.setHeight(m_startTwips.height() + dy);
    if (m_edges & Qt::LeftEdge)
        wanted.setWidth(m_startTwips.width() - dx);
    if (m_edges & Qt::TopEdge)
        wanted.setHeight(m_startTwips.height() - dy);
    const QSize size = Clamp(wanted.size());
    // The opposite edge stays where it was.
    const int left =
        (m_edges & Qt::LeftEdge) ? m_startTwips.right() + 1 - size.width() : m_startTwips.left();
    const int top =
        (m_edges & Qt::TopEdge) ? m_startTwips.bottom() + 1 - size.height() : m_startTwips.top();
    if (left != m_note.Left() || top != m_note.Top())
        m_note.Move(left, top);
    setFullSize(size);
    return true;
}

bool NoteResizer::release(QMouseEvent *event)
{
    if (!m_edges || event->button() != Qt::LeftButton)
        return false;
    m_edges = {};
    emit m_note.NoteChanged();
    return true;
}
