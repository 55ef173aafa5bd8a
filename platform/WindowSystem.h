#pragma once
// What the window system lets the program do with its own windows. A Wayland compositor places
// every window itself and takes no opacity from the program, so there the fades and the
// centring are left out rather than asked for in vain.

namespace platform {

// Whether setting a window's opacity has an effect (the fades).
bool windowOpacityWorks();
// Whether moving a top-level window has an effect (the centring).
bool windowPlacementWorks();

}  // namespace platform
