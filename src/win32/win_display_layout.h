#pragma once
// The display layout of the running system. The device, mode and monitor calls are looked up at
// run time: Windows 95 and NT 4.0 lack them, and there every such call reports nothing.

#include <windows.h>

#include "animation/display_layout.h"
#include "win32/loaded_module.h"

namespace kelvor::win32 {

class WinDisplayLayout final : public DisplayLayout {
public:
    WinDisplayLayout();

    PixelRect DesktopWindowRect() override;
    bool DisplayDeviceAt(uint32_t index, DisplayDevice& device) override;
    bool ReadDisplayMode(const std::string& deviceName, int32_t modeNumber, PixelPoint& position) override;
    bool MonitorRectAt(PixelPoint point, PixelRect& monitor) override;

private:
    LoadedModule user32_;
    LateBoundPointer<api::EnumDisplayDevices> enumDisplayDevices_;
    LateBoundPointer<api::EnumDisplaySettingsEx> enumDisplaySettingsEx_;
    LateBoundPointer<api::MonitorFromPoint> monitorFromPoint_;
    LateBoundPointer<api::GetMonitorInfo> getMonitorInfo_;
};

}  // namespace kelvor::win32
