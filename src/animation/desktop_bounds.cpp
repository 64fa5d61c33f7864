#include "animation/desktop_bounds.h"

#include <algorithm>

namespace kelvor {

namespace {

void WidenByMonitors(DisplayLayout& layout, int32_t& left, int32_t& right, int32_t& top, int32_t& bottom,
                     std::vector<PixelRect>& monitors) {
    // One mode record for all devices: a device whose mode cannot be read is looked up at the
    // position read for the one before it.
    PixelPoint position;
    DisplayDevice device;
    for (uint32_t index = 0; layout.DisplayDeviceAt(index, device); ++index) {
        if ((device.stateFlags & DisplayLayout::kMirroringDriver) != 0) continue;
        if (!layout.ReadDisplayMode(device.name, DisplayLayout::kCurrentSettings, position))
            layout.ReadDisplayMode(device.name, DisplayLayout::kRegistrySettings, position);
        if ((device.stateFlags & DisplayLayout::kAttachedToDesktop) == 0) continue;
        PixelRect monitor;
        if (!layout.MonitorRectAt(position, monitor)) continue;
        // Devices whose positions fall on the same monitor find it more than once.
        if (std::find(monitors.begin(), monitors.end(), monitor) == monitors.end()) monitors.push_back(monitor);
        left = std::min(left, monitor.left);
        right = std::max(right, monitor.right);
        top = std::min(top, monitor.top);
        bottom = std::max(bottom, monitor.bottom);
    }
}

}  // namespace

void GetDesktopBounds(DisplayLayout& layout, bool hasMultiMonitor, int32_t& left, int32_t& right, int32_t& top,
                      int32_t& bottom) {
    std::vector<PixelRect> monitors;
    GetDesktopBounds(layout, hasMultiMonitor, left, right, top, bottom, monitors);
}

void GetDesktopBounds(DisplayLayout& layout, bool hasMultiMonitor, int32_t& left, int32_t& right, int32_t& top,
                      int32_t& bottom, std::vector<PixelRect>& monitors) {
    const PixelRect desktop = layout.DesktopWindowRect();
    monitors.clear();
    if (hasMultiMonitor) WidenByMonitors(layout, left, right, top, bottom, monitors);
    // Without the monitor calls, or when no monitor reached left or right of the origin, the
    // primary screen is the desktop.
    if (!hasMultiMonitor || (left == 0 && right == 0)) {
        left = 0;
        right = desktop.right;
        top = 0;
        bottom = desktop.bottom;
        monitors = {PixelRect{0, 0, right, bottom}};
    }
}

size_t PrimaryMonitor(const std::vector<PixelRect>& monitors) {
    const auto primary = std::find_if(monitors.begin(), monitors.end(),
                                      [](const PixelRect& m) { return m.left == 0 && m.top == 0; });
    return primary == monitors.end() ? 0 : static_cast<size_t>(primary - monitors.begin());
}

}  // namespace kelvor
