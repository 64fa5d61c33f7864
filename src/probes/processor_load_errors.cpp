#include "probes/processor_load_errors.h"

#include "common/run_time_error.h"

namespace kelvor {

namespace {

constexpr uint32_t kApplicationErrorBase = 0x80040000u;

struct ErrorText {
    const char* sourceSuffix;
    const char* description;
};

ErrorText TextOf(ProcessorLoadError error) {
    switch (error) {
        case ProcessorLoadError::VersionUnreadable: return {".Initialize", "Can't get the Windows version"};
        case ProcessorLoadError::MonitorNotStarted:
            return {".CollectCPRData()", "Unable to start performance monitoring"};
        case ProcessorLoadError::IndexOutOfBounds: return {".GetCPUUsage()", "CPU index out of bounds"};
        case ProcessorLoadError::NoProcessorObject:
            return {".CollectData", "Unable to locate the 'Processor' performance object"};
        case ProcessorLoadError::NoProcessorTimeCounter:
            return {".CollectData", "Unable to locate the '% of CPU usage' performance counter"};
        case ProcessorLoadError::DataUnreadable: break;
    }
    return {".CollectCPUData()", "Unable to read performance data"};
}

}  // namespace

int32_t ProcessorLoadErrorNumber(ProcessorLoadError error) {
    return static_cast<int32_t>(kApplicationErrorBase + static_cast<uint32_t>(error));
}

void Raise(ProcessorLoadError error) {
    const ErrorText text = TextOf(error);
    throw RunTimeError(ProcessorLoadErrorNumber(error), std::string(kProcessorLoadErrorSource) + text.sourceSuffix,
                       text.description);
}

}  // namespace kelvor
