#pragma once
// The kernel's own per-processor times on the NT family (SystemProcessorPerformanceInformation): what
// the processor line falls back on where the performance counters are switched off or damaged. The
// platform hands the records over as bytes; they are read through checked offsets.

#include <cstdint>
#include <span>
#include <vector>

namespace kelvor {

// One record per processor: IdleTime, KernelTime, UserTime, DpcTime, InterruptTime (64-bit each),
// InterruptCount (32-bit) and padding.
inline constexpr uint32_t kProcessorTimesRecordSize = 48;
// STATUS_NOT_IMPLEMENTED, as the platform answers where the system lacks the query.
inline constexpr int32_t kProcessorTimesNotSupported = static_cast<int32_t>(0xC0000002u);

class ProcessorTimesSource {
public:
    virtual ~ProcessorTimesSource() = default;
    // Fills `buffer` (its size is the room given) with as many records as fit and sets `size` to the
    // bytes written. Returns the platform's status: 0 on success, another value (such as
    // STATUS_INFO_LENGTH_MISMATCH when not even one record fits) otherwise.
    virtual int32_t Query(std::vector<uint8_t>& buffer, uint32_t& size) = 0;
};

// A processor's running times since the system started, in 100-nanosecond units.
struct ProcessorTime {
    uint64_t idle = 0;
    uint64_t elapsed = 0;  // kernel + user time; the kernel time includes the idle time
};

// The records in processor order. Raises "Unable to read performance data" unless the bytes are whole
// records, at least one, each with a kernel time no less than its idle time.
std::vector<ProcessorTime> ReadProcessorTimes(std::span<const uint8_t> records);

}  // namespace kelvor
