#pragma once
// Work that the first sight of a window does not need waits until the window has been painted.

#include <functional>

class QWidget;

namespace platform {

// Runs job once, from the event loop, right after the window's first paint (its first exposure;
// the paint follows in the same turn). A window not yet shown has no exposure to wait for: the
// job then runs from the event loop at once.
void afterFirstPaint(QWidget &window, std::function<void()> job);

}  // namespace platform
