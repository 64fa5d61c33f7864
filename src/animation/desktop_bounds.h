#pragma once
// The bounds of the virtual desktop, the rectangle covering every monitor attached to it.

#include <cstdint>

#include "animation/display_layout.h"

namespace kelvor {

// Widens left/right/top/bottom (pixels, right and bottom exclusive) by every attached monitor when
// the system can report them (hasMultiMonitor); falls back to the primary screen when nothing lies
// left or right of the origin, and always without multi-monitor support.
void GetDesktopBounds(DisplayLayout& layout, bool hasMultiMonitor, int32_t& left, int32_t& right, int32_t& top,
                      int32_t& bottom);

}  // namespace kelvor
