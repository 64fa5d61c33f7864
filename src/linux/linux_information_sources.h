#pragma once
// Where the lines come from on Linux: the clocks and the locale, the kernel's /proc files, the
// host name, os-release and the kernel's release, and the interfaces' addresses. The /proc files
// stay open for the life of the sources, which must outlive what they make.

#include <memory>
#include <optional>
#include <string>

#include "host/information_sources.h"
#include "linux/address_announcements.h"
#include "linux/linux_clock.h"
#include "linux/linux_kernel_text.h"
#include "linux/linux_locale.h"
#include "probes/processor_load_sampler.h"
#include "probes/uptime_clock.h"

namespace kelvor::x11 {

class LinuxInformationSources final : public InformationSources {
public:
    LocalDateTime Now() override { return clock_.Now(); }
    std::string UptimeText() override { return uptime_.UptimeText(); }
    std::string StartTimeText(uint8_t timeFormat) override { return uptime_.StartTimeText(timeFormat); }
    std::string MemoryUsageText() override;
    std::unique_ptr<NetworkStatus> CreateNetworkMonitor() override;
    std::string SystemText() override;
    std::unique_ptr<AddressSource> CreateAddressSource() override;

    std::unique_ptr<ProcessorLoadSampler> CreateCpuSampler();
    // The kernel's address announcements, once an address source was made: the module's poll
    // watches them.
    AddressAnnouncements* Announcements() { return announcements_ ? &*announcements_ : nullptr; }
    // The host name, blanks around it removed.
    std::string ComputerName();

private:
    LinuxClock clock_;
    LinuxLocale locale_;
    UptimeClock uptime_{clock_, locale_};
    LinuxKernelText stat_{"/proc/stat"};
    LinuxKernelText meminfo_{"/proc/meminfo"};
    LinuxKernelText netDev_{"/proc/net/dev"};
    std::optional<AddressAnnouncements> announcements_;
};

}  // namespace kelvor::x11
