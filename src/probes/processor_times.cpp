#include "probes/processor_times.h"

#include "probes/byte_view.h"
#include "probes/processor_load_errors.h"

namespace kelvor {

namespace {

constexpr uint64_t kIdleTime = 0;
constexpr uint64_t kKernelTime = 8;
constexpr uint64_t kUserTime = 16;

}  // namespace

std::vector<ProcessorTime> ReadProcessorTimes(std::span<const uint8_t> records) {
    const ByteView bytes(records);
    if (bytes.Size() == 0 || bytes.Size() % kProcessorTimesRecordSize != 0)
        Raise(ProcessorLoadError::DataUnreadable);
    std::vector<ProcessorTime> times;
    times.reserve(bytes.Size() / kProcessorTimesRecordSize);
    for (uint64_t at = 0; at < bytes.Size(); at += kProcessorTimesRecordSize) {
        const ByteView record = bytes.Sub(at, kProcessorTimesRecordSize);
        const uint64_t idle = record.U64(kIdleTime);
        const uint64_t kernel = record.U64(kKernelTime);
        // A kernel time short of the idle time it includes is not the kernel's count.
        if (kernel < idle) Raise(ProcessorLoadError::DataUnreadable);
        times.push_back({idle, kernel + record.U64(kUserTime)});
    }
    return times;
}

}  // namespace kelvor
