#pragma once
// The bounds of the virtual desktop, the rectangle covering every monitor attached to it.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "animation/display_layout.h"

namespace kelvor {

// Widens left/right/top/bottom (pixels, right and bottom exclusive) by every attached monitor when
// the system can report them (hasMultiMonitor); falls back to the primary screen when nothing lies
// left or right of the origin, and always without multi-monitor support.
void GetDesktopBounds(DisplayLayout& layout, bool hasMultiMonitor, int32_t& left, int32_t& right, int32_t& top,
                      int32_t& bottom);
// The same, also listing the monitors found, each once (the primary screen alone where the bounds
// fall back to it).
void GetDesktopBounds(DisplayLayout& layout, bool hasMultiMonitor, int32_t& left, int32_t& right, int32_t& top,
                      int32_t& bottom, std::vector<PixelRect>& monitors);

// The primary monitor's index: the one whose top-left corner is the desktop's origin (the first
// when none is).
size_t PrimaryMonitor(const std::vector<PixelRect>& monitors);

}  // namespace kelvor
