#include "shell/WindowPlace.h"

#include "shell/Twips.h"

#include <QGuiApplication>

namespace {

// A stored coordinate stays exact while the window stands on the pixel it
// names, so positions read from a session are written back unchanged.
int coordinate(int storedTwips, int actualPixels)
{
    return Twips::toPixels(storedTwips) == actualPixels ? storedTwips
                                                        : Twips::fromPixels(actualPixels);
}

QPoint inTwips(const QPoint &pixels)
{
    return QPoint(Twips::fromPixels(pixels.x()), Twips::fromPixels(pixels.y()));
}

} // namespace

bool WindowPlace::systemReportsPositions()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

QPoint WindowPlace::place(const QPoint &actual) const
{
    if (!m_reported)
        return m_twips;
    return QPoint(coordinate(m_twips.x(), actual.x()), coordinate(m_twips.y(), actual.y()));
}

void WindowPlace::beginDrag(const QPoint &local, const QPoint &actual)
{
    m_dragStart = inTwips(local);
    m_placeAtDragStart = place(actual);
}

QPoint WindowPlace::dragTo(const QPoint &local, const QPoint &actual) const
{
    const QPoint delta = inTwips(local) - m_dragStart;
    // A window that follows the pointer keeps the grip under it: the step is
    // taken from where it stands now. One that stays put (its place is not
    // known) sees the whole drag in the pointer's offset from the grip.
    if (m_reported)
        return place(actual) + delta;
    return m_placeAtDragStart + delta;
}
