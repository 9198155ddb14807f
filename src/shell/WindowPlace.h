#pragma once

#include <QPoint>

// Where a window stands as the program stores it, in twips. Window systems
// that tell a program where its windows are (X11) are asked each time, so a
// window moved by others is stored where it went. Where the window system does
// not tell (Qt's Wayland platforms: the compositor places windows and reports
// no position), the stored place stays exactly as set, and only a drag by the
// user moves it, by the drag's delta.
class WindowPlace
{
public:
    // False on the platforms whose windows' positions are not known.
    static bool systemReportsPositions();

    explicit WindowPlace(bool reported = true) : m_reported(reported) {}

    bool reported() const { return m_reported; }
    // The place to store for the window the system shows at `actual` (pixels).
    QPoint place(const QPoint &actual) const;
    // The program puts the window at `twips`.
    void set(const QPoint &twips) { m_twips = twips; }

    // The pointer went down at `local` (pixels within the window) on the
    // window shown at `actual`.
    void beginDrag(const QPoint &local, const QPoint &actual);
    // Where the dragged window goes with the pointer at `local`, in twips.
    QPoint dragTo(const QPoint &local, const QPoint &actual) const;

private:
    bool m_reported;
    QPoint m_twips;
    QPoint m_dragStart;        // twips within the window
    QPoint m_placeAtDragStart; // twips
};
