#pragma once
// The system's version, computer name, memory status and processor count from kernel32.

#include "probes/computer_name.h"
#include "probes/processor_load_sources.h"
#include "probes/memory_usage.h"
#include "probes/os_version.h"
#include "win32/loaded_module.h"

namespace kelvor::win32 {

class WinSystemInfo final : public VersionSource,
                            public ComputerNameSource,
                            public MemoryStatusSource,
                            public ProcessorCountSource {
public:
    WinSystemInfo() : kernel_("kernel32.dll") {}

    bool QueryVersion(WindowsVersion& version) override;
    bool QueryComputerName(std::string& name) override;
    PageFileStatus MemoryStatus() override;
    // GlobalMemoryStatusEx exists from Windows 2000 on; it is looked up when asked for.
    std::optional<PageFileStatusEx> MemoryStatusEx() override;
    // The machine's own count, also for a 32-bit program on 64-bit Windows, where GetSystemInfo
    // stops at 32 while the performance data list every processor.
    int32_t NumberOfProcessors() override;

private:
    LoadedModule kernel_;
};

// The family of the Windows this program runs on.
WindowsFamily RunningWindowsFamily();

}  // namespace kelvor::win32
