#pragma once
// What the desktop-bounds calculation asks of the platform: the desktop window, the display
// devices, their current modes and the monitors. Coordinates are pixels in the desktop's system
// (origin at the primary monitor's top-left corner).

#include <cstdint>
#include <string>

#include "common/geometry.h"

namespace kelvor {

struct DisplayDevice {
    std::string name;
    uint32_t stateFlags = 0;
};

class DisplayLayout {
public:
    // Device state flags.
    static constexpr uint32_t kAttachedToDesktop = 0x1;
    static constexpr uint32_t kMirroringDriver = 0x8;
    // Mode numbers: the current settings and those stored in the registry.
    static constexpr int32_t kCurrentSettings = -1;
    static constexpr int32_t kRegistrySettings = -2;

    virtual ~DisplayLayout() = default;

    // The desktop window's rectangle: the primary screen.
    virtual PixelRect DesktopWindowRect() = 0;

    // The display device with the given number (from 0); false when there is none, which ends the
    // enumeration.
    virtual bool DisplayDeviceAt(uint32_t index, DisplayDevice& device) = 0;

    // Reads a device's display mode into a mode record of which only the position is of interest.
    // The record is the caller's and is reused across calls: position comes in holding what the
    // record held and goes out holding what the call left there, whether it succeeded or not.
    virtual bool ReadDisplayMode(const std::string& deviceName, int32_t modeNumber, PixelPoint& position) = 0;

    // The rectangle of the monitor that contains the point; false when no monitor is there (or its
    // information cannot be read).
    virtual bool MonitorRectAt(PixelPoint point, PixelRect& monitor) = 0;
};

}  // namespace kelvor
