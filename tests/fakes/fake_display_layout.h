#pragma once
// A display layout built from a list of devices, each with a mode position (or none that can be
// read) and monitors that the positions are looked up in; it records the mode reads.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "animation/display_layout.h"

namespace kelvor {

class FakeDisplayLayout final : public DisplayLayout {
public:
    struct Device {
        std::string name;
        uint32_t stateFlags = kAttachedToDesktop;
        // The position each mode number gives; an empty one fails and leaves the record alone.
        std::optional<PixelPoint> current;
        std::optional<PixelPoint> registry;
    };

    struct ModeRead {
        std::string name;
        int32_t modeNumber = 0;
    };

    PixelRect DesktopWindowRect() override { return desktop; }

    bool DisplayDeviceAt(uint32_t index, DisplayDevice& device) override {
        if (index >= devices.size()) return false;
        device.name = devices[index].name;
        device.stateFlags = devices[index].stateFlags;
        return true;
    }

    bool ReadDisplayMode(const std::string& deviceName, int32_t modeNumber, PixelPoint& position) override {
        modeReads.push_back({deviceName, modeNumber});
        for (const Device& device : devices) {
            if (device.name != deviceName) continue;
            const std::optional<PixelPoint>& mode = modeNumber == kCurrentSettings ? device.current : device.registry;
            if (!mode) return false;
            position = *mode;
            return true;
        }
        return false;
    }

    bool MonitorRectAt(PixelPoint point, PixelRect& monitor) override {
        monitorLookups.push_back(point);
        for (const PixelRect& rect : monitors) {
            if (point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom) {
                monitor = rect;
                return true;
            }
        }
        return false;
    }

    PixelRect desktop{0, 0, 1024, 768};
    std::vector<Device> devices;
    std::vector<PixelRect> monitors;
    std::vector<ModeRead> modeReads;
    std::vector<PixelPoint> monitorLookups;
};

}  // namespace kelvor
