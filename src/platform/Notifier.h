#pragma once

#include <QString>

// Desktop notifications: seen on another virtual desktop or over a locked
// screen, where a window is not.
class Notifier
{
public:
    virtual ~Notifier() = default;
    // Hands a notification to the desktop, silently (the caller plays its own
    // sound). False when the desktop has no notification service.
    virtual bool notify(const QString &summary, const QString &body) = 0;
};
