#include "probes/cpu_load_errors.h"

#include "common/run_time_error.h"

namespace kelvor {

namespace {

constexpr uint32_t kApplicationErrorBase = 0x80040000u;

struct ErrorText {
    const char* sourceSuffix;
    const char* description;
};

ErrorText TextOf(CpuLoadError error) {
    switch (error) {
        case CpuLoadError::VersionUnreadable: return {".Initialize", "Can't get the Windows version"};
        case CpuLoadError::MonitorNotStarted: return {".CollectCPRData()", "Unable to start performance monitoring"};
        case CpuLoadError::IndexOutOfBounds: return {".GetCPUUsage()", "CPU index out of bounds"};
        case CpuLoadError::NoProcessorObject:
            return {".CollectData", "Unable to locate the 'Processor' performance object"};
        case CpuLoadError::NoProcessorTimeCounter:
            return {".CollectData", "Unable to locate the '% of CPU usage' performance counter"};
        case CpuLoadError::DataUnreadable: break;
    }
    return {".CollectCPUData()", "Unable to read performance data"};
}

}  // namespace

int32_t CpuLoadErrorNumber(CpuLoadError error) {
    return static_cast<int32_t>(kApplicationErrorBase + static_cast<uint32_t>(error));
}

void RaiseCpuLoadError(CpuLoadError error) {
    const ErrorText text = TextOf(error);
    throw RunTimeError(CpuLoadErrorNumber(error), std::string("CPULoad") + text.sourceSuffix, text.description);
}

}  // namespace kelvor
