#include "win32/win_display_layout.h"

#include <cstddef>

namespace kelvor::win32 {

namespace {

// The mode record in its oldest form, which ends with the display frequency: every system that
// has the call accepts it, and the position lies well inside it.
constexpr WORD kModeRecordSize = offsetof(DEVMODEA, dmDisplayFrequency) + sizeof(DWORD);
static_assert(kModeRecordSize == 124);

// No flags: MonitorFromPoint reports no monitor when none contains the point.
constexpr DWORD kMonitorDefaultToNull = 0;

}  // namespace

WinDisplayLayout::WinDisplayLayout()
    : user32_("user32.dll"),
      enumDisplayDevices_(user32_.Find(api::EnumDisplayDevices)),
      enumDisplaySettingsEx_(user32_.Find(api::EnumDisplaySettingsEx)),
      monitorFromPoint_(user32_.Find(api::MonitorFromPoint)),
      getMonitorInfo_(user32_.Find(api::GetMonitorInfo)) {}

PixelRect WinDisplayLayout::DesktopWindowRect() {
    RECT rect{};
    GetWindowRect(GetDesktopWindow(), &rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

bool WinDisplayLayout::DisplayDeviceAt(uint32_t index, DisplayDevice& device) {
    if (enumDisplayDevices_ == nullptr) return false;
    DISPLAY_DEVICEA record{};
    record.cb = sizeof(record);
    if (enumDisplayDevices_(nullptr, index, &record, 0) == 0) return false;
    // The name is a fixed field; stop at its terminator or its end, whichever comes first.
    const char* const name = record.DeviceName;
    size_t length = 0;
    while (length < sizeof(record.DeviceName) && name[length] != '\0') ++length;
    device.name.assign(name, length);
    device.stateFlags = record.StateFlags;
    return true;
}

bool WinDisplayLayout::ReadDisplayMode(const std::string& deviceName, int32_t modeNumber, PixelPoint& position) {
    if (enumDisplaySettingsEx_ == nullptr) return false;
    DEVMODEA record{};
    record.dmSize = kModeRecordSize;
    record.dmPosition = {position.x, position.y};
    const BOOL read = enumDisplaySettingsEx_(deviceName.c_str(), static_cast<DWORD>(modeNumber), &record, 0);
    position = {record.dmPosition.x, record.dmPosition.y};
    return read != 0;
}

bool WinDisplayLayout::MonitorRectAt(PixelPoint point, PixelRect& monitor) {
    if (monitorFromPoint_ == nullptr || getMonitorInfo_ == nullptr) return false;
    const HMONITOR found = monitorFromPoint_(POINT{point.x, point.y}, kMonitorDefaultToNull);
    if (found == nullptr) return false;
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (getMonitorInfo_(found, &info) == 0) return false;
    monitor = {info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right, info.rcMonitor.bottom};
    return true;
}

}  // namespace kelvor::win32
