#pragma once

#include "platform/Notifier.h"

// Freedesktop notifications over the session D-Bus.
class DesktopNotifier : public Notifier
{
public:
    bool notify(const QString &summary, const QString &body) override;
};
