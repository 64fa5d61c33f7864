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
    using NtQuerySystemInformationFunction = LONG WINAPI(ULONG informationClass, void* information, ULONG length,
                                                         ULONG* returnLength);

    LoadedModule ntdll_;
    NtQuerySystemInformationFunction* query_;
};

}  // namespace kelvor::win32
