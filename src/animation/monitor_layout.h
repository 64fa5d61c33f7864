#pragma once
// The monitors that show the display area: their rectangles in pixels relative to the area's
// top-left corner, and which of them is the primary one. Parts of the area that no monitor covers
// are drawn but never seen.

#include <cstddef>
#include <vector>

#include "common/geometry.h"

namespace kelvor {

struct MonitorLayout {
    // Empty: the whole area is one monitor (a preview pane, a window, or a system that cannot say).
    std::vector<PixelRect> monitors;
    size_t primary = 0;

    bool operator==(const MonitorLayout&) const = default;
};

}  // namespace kelvor
