#pragma once
// The system's performance data as the platform delivers it: a raw block in the published layout
// (PERF_DATA_BLOCK, then objects with their counter definitions and instances). Everything is read
// through checked offsets; data that is short, inconsistent or not performance data at all raises
// the sampler's "Unable to read performance data".

#include <cstdint>
#include <span>
#include <vector>

#include "probes/byte_view.h"

namespace kelvor {

inline constexpr uint32_t kProcessorObjectTitleIndex = 238;
inline constexpr uint32_t kProcessorTimeCounterTitleIndex = 6;

// One instance whose name is a processor number, with its 64-bit counter value.
struct InstanceCounter {
    int64_t number = 0;
    int64_t value = 0;
};

class PerformanceData {
public:
    // Checks the header and its "PERF" signature.
    explicit PerformanceData(std::span<const uint8_t> data);

    // The header's sample time in 100-nanosecond units since 1 January 1601 (UTC).
    uint64_t SampleTime() const;

    // The bytes of the object with this title index; raises "Unable to locate the 'Processor'
    // performance object" when no object has it.
    ByteView FindObject(uint32_t titleIndex) const;

private:
    ByteView data_;
};

// The counter with this title index for every instance of `object` named with a decimal number
// (a leading sign allowed); other instances (such as the total) are left out. Raises "Unable to
// locate the '% of CPU usage' performance counter" when the object has no such counter. Instance
// numbers beyond the 32-bit range come back as 2^31 or -2^31.
std::vector<InstanceCounter> ReadNumberedInstances(const ByteView& object, uint32_t counterTitleIndex);

}  // namespace kelvor
