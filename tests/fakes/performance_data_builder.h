#pragma once
// Builds performance-data blocks in the platform's published layout (PERF_DATA_BLOCK, objects,
// counter definitions, instances and counter blocks), as RegQueryValueExA delivers them.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kelvor {

struct PerfTime {
    uint16_t year = 2026, month = 12, day = 7, hour = 12, minute = 0, second = 0, millisecond = 0;
};

struct PerfInstance {
    std::u16string name;
    int64_t value = 0;  // of the processor-time counter; the object's other counters hold filler
};

struct PerfObject {
    uint32_t titleIndex = 238;
    std::vector<uint32_t> counterTitles{142, 6, 144};  // processor time among others, not first
    std::vector<PerfInstance> instances;
};

// Where the first object starts in a built block.
inline constexpr size_t kPerfFirstObject = 104;
// Offsets inside an object of a built block.
inline constexpr size_t kPerfObjectTotalByteLength = 0;
inline constexpr size_t kPerfObjectNumCounters = 32;
inline constexpr size_t kPerfObjectNumInstances = 40;

std::vector<uint8_t> BuildPerformanceData(const PerfTime& time, const std::vector<PerfObject>& objects);

// The processor object: an instance per idle counter, named "0", "1", ..., then "_Total".
PerfObject ProcessorObject(const std::vector<int64_t>& idleTimes);

// The offset of the first instance of the first object in a built block.
size_t FirstInstanceOffset(const PerfObject& object);

void PutU32(std::vector<uint8_t>& bytes, size_t offset, uint32_t value);

}  // namespace kelvor
