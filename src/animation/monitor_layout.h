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

// The monitors given in desktop coordinates, made relative to an area whose top-left corner lies
// at `origin` on the desktop.
inline MonitorLayout LayoutInArea(const std::vector<PixelRect>& monitors, size_t primary, PixelPoint origin) {
    MonitorLayout layout{{}, primary};
    layout.monitors.reserve(monitors.size());
    for (const PixelRect& m : monitors)
        layout.monitors.push_back({m.left - origin.x, m.top - origin.y, m.right - origin.x, m.bottom - origin.y});
    return layout;
}

}  // namespace kelvor
