#include "WindowSystem.h"

#include <QGuiApplication>

namespace platform {

namespace {

// "wayland", and the variants for particular graphics drivers ("wayland-egl", ...).
bool onWayland() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

}  // namespace

bool windowOpacityWorks() { return !onWayland(); }

bool windowPlacementWorks() { return !onWayland(); }

}  // namespace platform
