#include "linux/linux_information_sources.h"

#include <limits.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <array>

#include "linux/linux_address_source.h"
#include "probes/computer_name.h"
#include "probes/os_release.h"
#include "probes/proc_meminfo.h"
#include "probes/proc_net_dev.h"
#include "probes/proc_stat.h"

namespace kelvor::x11 {

namespace {

class HostName final : public ComputerNameSource {
public:
    bool QueryComputerName(std::string& name) override {
        std::array<char, HOST_NAME_MAX + 1> buffer{};
        if (gethostname(buffer.data(), buffer.size() - 1) != 0) return false;
        name = buffer.data();
        return true;
    }
};

}  // namespace

std::string LinuxInformationSources::MemoryUsageText() { return CommittedMemoryText(meminfo_, locale_); }

std::unique_ptr<NetworkStatus> LinuxInformationSources::CreateNetworkMonitor() {
    return std::make_unique<ProcNetDevActivity>(netDev_);
}

std::unique_ptr<ProcessorLoadSampler> LinuxInformationSources::CreateCpuSampler() {
    return std::make_unique<ProcStatLoadMonitor>(stat_);
}

std::string LinuxInformationSources::ComputerName() {
    HostName host;
    return ReadComputerName(host);
}

std::string LinuxInformationSources::SystemText() {
    // /etc/os-release is the administrator's; the distribution's own copy stands in where it is missing.
    LinuxKernelText etcOsRelease("/etc/os-release");
    LinuxKernelText usrLibOsRelease("/usr/lib/os-release");
    utsname names{};
    return LinuxSystemText(etcOsRelease, usrLibOsRelease, uname(&names) == 0 ? names.release : "");
}

std::unique_ptr<AddressSource> LinuxInformationSources::CreateAddressSource() {
    if (!announcements_) announcements_.emplace();
    return std::make_unique<LinuxAddressSource>(*announcements_);
}

}  // namespace kelvor::x11
