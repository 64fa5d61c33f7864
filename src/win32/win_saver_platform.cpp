#include "win32/win_saver_platform.h"

#include <windows.h>

#include "animation/desktop_bounds.h"
#include "host/program_state.h"
#include "probes/computer_name.h"
#include "probes/processor_load.h"
#include "probes/network_activity.h"
#include "probes/memory_usage.h"
#include "probes/system_name.h"
#include "win32/win_address_source.h"
#include "win32/win_password_services.h"
#include "win32/win_display_layout.h"

namespace kelvor::win32 {

namespace {

// SPI_SETSCREENSAVERRUNNING: the 9x family's "a screen saver is running" state.
constexpr UINT kSetScreenSaverRunning = 97;

}  // namespace

WinSaverPlatform::WinSaverPlatform() : passwords_(CreatePasswordServices(registry_)) {}

WinSaverPlatform::~WinSaverPlatform() = default;

uint32_t WinSaverPlatform::RandomSeed() {
    int64_t counter = 0;
    clock_.QueryPerformanceCounter(counter);
    return clock_.TickCount() ^ static_cast<uint32_t>(counter) ^ static_cast<uint32_t>(counter >> 32);
}

void WinSaverPlatform::ReadOSVersion(OsCapabilities& os) {
    os = kelvor::ReadOSVersion(systemInfo_);
    hasMemoryStatusEx_ = os.HasMemoryStatusEx;
}

std::string WinSaverPlatform::ReadComputerName() { return kelvor::ReadComputerName(systemInfo_); }

std::unique_ptr<ProcessorLoadSampler> WinSaverPlatform::CreateCpuSampler() {
    return std::make_unique<ProcessorLoadMonitor>(systemInfo_, systemInfo_, performanceData_, kernelStatistic_,
                                                  processorTimes_);
}

void WinSaverPlatform::GetDesktopBounds(bool hasMultiMonitor, DesktopBounds& bounds) {
    WinDisplayLayout layout;
    kelvor::GetDesktopBounds(layout, hasMultiMonitor, bounds.Left, bounds.Right, bounds.Top, bounds.Bottom,
                             bounds.Monitors);
    bounds.Primary = PrimaryMonitor(bounds.Monitors);
}

bool WinSaverPlatform::TopLevelWindowExists(const std::string& title) {
    return FindWindowA(nullptr, title.c_str()) != nullptr;
}

void WinSaverPlatform::SetScreenSaverRunning(bool running) {
    SystemParametersInfoA(kSetScreenSaverRunning, running ? 1 : 0, nullptr, 0);
}

void WinSaverPlatform::ShowCriticalError(const std::string& title, const std::string& text) {
    MessageBoxA(nullptr, text.c_str(), title.c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

std::string WinSaverPlatform::MemoryUsageText() {
    return kelvor::MemoryUsageText(systemInfo_, hasMemoryStatusEx_, locale_);
}

std::string WinSaverPlatform::SystemText() { return ReadWindowsSystemName(systemInfo_, registry_); }

std::unique_ptr<AddressSource> WinSaverPlatform::CreateAddressSource() {
    return std::make_unique<WinAddressSource>();
}

std::unique_ptr<NetworkStatus> WinSaverPlatform::CreateNetworkMonitor() {
    if (!interfaceTable_) interfaceTable_.emplace();
    return std::make_unique<NetworkActivity>(*interfaceTable_);
}

}  // namespace kelvor::win32
