#pragma once

#include <QUrl>

// Hands a web address or a mailto: link to the desktop. Failures are ignored.
class ShellOpener
{
public:
    virtual ~ShellOpener() = default;
    virtual void open(const QUrl &target) = 0;
};
