#pragma once
// The kernel's per-processor times as the test sets them, answered like the platform: as many
// records as the room holds, STATUS_INFO_LENGTH_MISMATCH when not even one fits. Until a test sets
// times it answers like a system without the query. It keeps no log, so benchmarks can use it too.

#include <algorithm>
#include <cstdint>
#include <vector>

#include "probes/processor_times.h"

namespace kelvor {

// One processor's running times in 100-nanosecond units; the kernel time includes the idle time.
struct KernelTimes {
    uint64_t idle = 0;
    uint64_t kernel = 0;
    uint64_t user = 0;
};

// The records as the kernel writes them, with filler in the fields that are not read.
inline std::vector<uint8_t> BuildProcessorTimes(const std::vector<KernelTimes>& processors) {
    std::vector<uint8_t> records;
    for (const KernelTimes& times : processors) {
        for (const uint64_t field : {times.idle, times.kernel, times.user, uint64_t{0x1111}, uint64_t{0x2222},
                                     uint64_t{0x33333333}}) {
            for (int byte = 0; byte < 8; ++byte) records.push_back(static_cast<uint8_t>(field >> (8 * byte)));
        }
    }
    return records;
}

inline constexpr int32_t kInfoLengthMismatch = static_cast<int32_t>(0xC0000004u);

class FakeProcessorTimes final : public ProcessorTimesSource {
public:
    int32_t Query(std::vector<uint8_t>& buffer, uint32_t& size) override {
        ++queries;
        roomOffered = size;
        if (status != 0) return status;
        const size_t room = std::min<size_t>(size, buffer.size());
        const size_t written = std::min(records.size(), room - room % kProcessorTimesRecordSize);
        if (written == 0) return kInfoLengthMismatch;
        std::copy_n(records.begin(), written, buffer.begin());
        size = static_cast<uint32_t>(written);
        return 0;
    }

    void Set(const std::vector<KernelTimes>& processors) {
        records = BuildProcessorTimes(processors);
        status = 0;
    }

    std::vector<uint8_t> records;
    int32_t status = kProcessorTimesNotSupported;  // answered instead of the records unless 0
    int queries = 0;
    uint32_t roomOffered = 0;  // by the last query
};

}  // namespace kelvor
