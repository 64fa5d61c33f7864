#pragma once
// The system's version, name, memory status and processor count as the test sets them.

#include <optional>
#include <string>

#include "probes/computer_name.h"
#include "probes/processor_load_sources.h"
#include "probes/memory_usage.h"
#include "probes/os_version.h"

namespace kelvor {

class FakeSystemInfo final : public VersionSource,
                             public ComputerNameSource,
                             public MemoryStatusSource,
                             public ProcessorCountSource {
public:
    // Like the platform, a failed query leaves the record zero.
    bool QueryVersion(WindowsVersion& result) override {
        result = versionReadable ? version : WindowsVersion{};
        return versionReadable;
    }
    bool QueryComputerName(std::string& name) override {
        if (computerName) name = *computerName;
        return computerName.has_value();
    }
    PageFileStatus MemoryStatus() override { return memory; }
    std::optional<PageFileStatusEx> MemoryStatusEx() override { return memoryEx; }
    int32_t NumberOfProcessors() override { return processors; }

    bool versionReadable = true;
    WindowsVersion version{2, 5, 1, 2600, ""};
    std::optional<std::string> computerName = "KELVOR";
    PageFileStatus memory;
    std::optional<PageFileStatusEx> memoryEx = PageFileStatusEx{};
    int32_t processors = 1;
};

}  // namespace kelvor
