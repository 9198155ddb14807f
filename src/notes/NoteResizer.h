#pragma once

#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QSize>

class QMouseEvent;
class frmNote;

// A note's own size, which the user changes by dragging its folded corner
// (bottom right) or an edge of its frame: from the classic size up to four
// times it. It places the note's controls for the size (each keeps its place
// to its nearest edges) and stretches the skin to it.
class NoteResizer : public QObject
{
    Q_OBJECT
public:
    static constexpr int MaxFactor = 4;
    // The band along the frame and the folded corner that resize, in pixels.
    static constexpr int EdgeBand = 4;
    static constexpr int CornerSize = 18;

    explicit NoteResizer(frmNote &note);

    // The full size of the note (not shrunk to a bullet), in twips.
    int fullWidth() const { return m_full.width(); }
    int fullHeight() const { return m_full.height(); }
    bool isClassicSize() const;
    // Sizes outside the allowed range are brought into it.
    static QSize Clamp(const QSize &twips);
    // Sets the full size (clamped) and, unless the note is a bullet or
    // shrinking or growing, gives the window that size.
    void setFullSize(const QSize &twips);

    // How much larger than the classic size the window is now, in pixels
    // (never less than nothing); the controls move by it.
    QSize grownBy() const;
    // Places the controls for the window's size.
    void layout();
    // The skin at the window's client size: the picture itself at the
    // classic size, else stretched (see Stretch).
    QPixmap skin(const QPixmap &picture);
    // A skin stretched to a larger size: its corners, edges and anything off
    // the middle keep their look; a narrow band across the middle (right of
    // the centre, where a skin's title is not) is stretched smoothly.
    static QPixmap Stretch(const QPixmap &picture, const QSize &size);

    // Which edges a press at this point (window pixels) resizes; none off
    // the frame and the folded corner, and on a bullet.
    Qt::Edges EdgesAt(const QPoint &pos) const;
    // The note's mouse handlers ask these first; true when a resize took
    // the event.
    bool press(QMouseEvent *event);
    bool move(QMouseEvent *event);
    bool release(QMouseEvent *event);

private:
    frmNote &m_note;
    QSize m_full;
    Qt::Edges m_edges;
    QPoint m_startGlobal;
    QRect m_startTwips;
    // The last stretched skin and what it was made from.
    qint64 m_skinKey = 0;
    QPixmap m_skin;
    // Each control's place at the classic size.
    struct Place
    {
        QWidget *widget;
        QRect classic;
        bool stretchX, stretchY, right, bottom;
    };
    QList<Place> m_places;
};
