#pragma once

class QWidget;

// What a top-level window tells the window manager beyond its place and size:
// whether the taskbar and the pager list it, and whether it shows on every
// workspace. Only X11 window managers are told (through the freedesktop
// window-manager hints); elsewhere the calls change nothing.
namespace DesktopHints {

// The window system takes these hints.
bool offered();
// Called before the window is shown (the window manager reads them when it
// shows the window) and whenever a wish changes (a shown window is changed
// where it is).
void setSkipTaskbar(QWidget *window, bool skip);
void setOnAllWorkspaces(QWidget *window, bool all);

} // namespace DesktopHints
