#pragma once

#include "platform/Notifier.h"

#include <QHash>
#include <QObject>
#include <QSet>

// Freedesktop notifications over the session D-Bus.
class DesktopNotifier : public Notifier
{
public:
    bool notify(const QString &summary, const QString &body) override;
    bool notifyKeyed(const QString &key, const QString &summary, const QString &body) override;
    void withdraw(const QString &key) override;

private:
    // The service's id of each keyed notification, once its answer came;
    // 0 while it is awaited.
    QHash<QString, uint> m_ids;
    QSet<QString> m_withdrawn; // withdrawn while their answer was awaited
    QObject m_replies;         // the context of the awaited answers
};
