#include "platform/TopMost.h"

#include <QWidget>
#include <QWindow>

namespace TopMost {

void apply(QWidget *window, bool topMost)
{
    if (!window)
        return;
    Qt::WindowFlags flags = window->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, topMost);
    if (flags == window->windowFlags())
        return;
    // setWindowFlags() would hide and re-create the native window; telling the
    // widget and its window separately keeps it where it is.
    window->overrideWindowFlags(flags);
    if (QWindow *handle = window->windowHandle())
        handle->setFlags(flags);
}

bool isTopMost(const QWidget *window)
{
    return window && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

} // namespace TopMost
