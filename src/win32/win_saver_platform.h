#pragma once
// The system behind the display window's logic: the real probes, registry, monitors and services.
// Declared before the program state, since the state's samplers read from its sources.

#include <memory>
#include <optional>

#include "host/information_sources.h"
#include "host/saver_platform.h"
#include "probes/os_version.h"
#include "probes/uptime_clock.h"
#include "win32/win_clock.h"
#include "win32/win_interface_table.h"
#include "win32/win_kernel_statistic.h"
#include "win32/win_locale.h"
#include "win32/win_performance_data.h"
#include "win32/win_processor_times.h"
#include "win32/win_registry.h"
#include "win32/win_system_info.h"

namespace kelvor::win32 {

class WinSaverPlatform final : public SaverPlatform, public InformationSources {
public:
    WinSaverPlatform();
    WinSaverPlatform(const WinSaverPlatform&) = delete;
    WinSaverPlatform& operator=(const WinSaverPlatform&) = delete;
    ~WinSaverPlatform() override;

    uint32_t RandomSeed() override;
    void ReadOSVersion(OsCapabilities& os) override;
    std::string ReadComputerName() override;
    std::unique_ptr<ProcessorLoadSampler> CreateCpuSampler() override;
    void GetDesktopBounds(bool hasMultiMonitor, DesktopBounds& bounds) override;
    bool TopLevelWindowExists(const std::string& title) override;
    void SetScreenSaverRunning(bool running) override;
    Registry& SystemRegistry() override { return registry_; }
    PasswordServices& Passwords() override { return *passwords_; }
    void ShowCriticalError(const std::string& title, const std::string& text) override;

    LocalDateTime Now() override { return clock_.Now(); }
    std::string UptimeText() override { return uptime_.UptimeText(); }
    std::string StartTimeText(uint8_t timeFormat) override { return uptime_.StartTimeText(timeFormat); }
    std::string MemoryUsageText() override;
    std::unique_ptr<NetworkStatus> CreateNetworkMonitor() override;
    std::string SystemText() override;
    std::unique_ptr<AddressSource> CreateAddressSource() override;

private:
    WinRegistry registry_;
    WinLocale locale_;
    WinClock clock_;
    WinSystemInfo systemInfo_;
    WinPerformanceData performanceData_;
    WinKernelStatistic kernelStatistic_;
    WinProcessorTimes processorTimes_;
    // Made with the network monitor: iphlpapi is loaded only where the network line shows.
    std::optional<WinInterfaceTable> interfaceTable_;
    UptimeClock uptime_{clock_, locale_};
    std::unique_ptr<PasswordServices> passwords_;
    bool hasMemoryStatusEx_ = false;
};

}  // namespace kelvor::win32
