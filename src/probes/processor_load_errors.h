#pragma once
// The errors the processor-load sampler raises: application error numbers 0x80041F41 to 0x80041F46.

#include <cstdint>

namespace kelvor {

// The source every error of the sampler names, before its routine's suffix.
inline constexpr char kProcessorLoadErrorSource[] = "CPULoad";

enum class ProcessorLoadError : uint32_t {
    VersionUnreadable = 8001,
    MonitorNotStarted = 8002,
    IndexOutOfBounds = 8003,
    NoProcessorObject = 8004,
    NoProcessorTimeCounter = 8005,
    DataUnreadable = 8006,
};

// The signed number carried by the raised error (0x80041F41 is -2147213503).
int32_t ProcessorLoadErrorNumber(ProcessorLoadError error);

[[noreturn]] void Raise(ProcessorLoadError error);

}  // namespace kelvor
