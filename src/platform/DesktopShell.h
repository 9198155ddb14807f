#pragma once

#include "platform/ShellOpener.h"

class DesktopShell : public ShellOpener
{
public:
    void open(const QUrl &target) override;
};
