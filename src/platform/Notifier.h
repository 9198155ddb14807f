#pragma once

#include <QString>
#include <QtGlobal>

// Desktop notifications: seen on another virtual desktop or over a locked
// screen, where a window is not.
class Notifier
{
public:
    virtual ~Notifier() = default;
    // Hands a notification to the desktop, silently (the caller plays its own
    // sound). False when the desktop has no notification service.
    virtual bool notify(const QString &summary, const QString &body) = 0;
    // The same for a notification that can be taken back: `key` names it
    // for withdraw().
    virtual bool notifyKeyed(const QString &key, const QString &summary, const QString &body)
    {
        Q_UNUSED(key);
        return notify(summary, body);
    }
    // Closes the notification raised under `key`, if it is still shown.
    virtual void withdraw(const QString &key) { Q_UNUSED(key); }
};
