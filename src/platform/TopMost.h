#pragma once

class QWidget;

namespace TopMost {

// Keeps a window above all others or releases it, without re-creating a
// window that is already on the screen (it would flicker and lose its place).
void apply(QWidget *window, bool topMost);
bool isTopMost(const QWidget *window);

} // namespace TopMost
