#include "platform/DesktopShell.h"

#include <QDesktopServices>

void DesktopShell::open(const QUrl &target)
{
    QDesktopServices::openUrl(target);
}
