#pragma once
// The kernel's per-processor times from ntdll, looked up at run time: the 9x family has no such
// query, and the program must load there.

#include "probes/processor_times.h"
#include "win32/loaded_module.h"

namespace kelvor::win32 {

class WinProcessorTimes final : public ProcessorTimesSource {
public:
    WinProcessorTimes();

    int32_t Query(std::vector<uint8_t>& buffer, uint32_t& size) override;

private:
    LoadedModule ntdll_;
    LateBoundPointer<api::NtQuerySystemInformation> query_;
};

}  // namespace kelvor::win32
