#include "fakes/performance_data_builder.h"

#include <algorithm>

namespace kelvor {

namespace {

constexpr size_t kDataBlockSize = 88;
constexpr size_t kObjectSize = 64;
constexpr size_t kCounterSize = 40;
constexpr size_t kInstanceSize = 24;
constexpr uint32_t kTimer100nsInverse = 0x20570500;  // PERF_100NSEC_TIMER_INV
constexpr char16_t kSystemName[] = u"KELVOR";

size_t Align8(size_t size) { return (size + 7) & ~size_t{7}; }

void PutBytes(std::vector<uint8_t>& bytes, size_t offset, uint64_t value, size_t length) {
    if (bytes.size() < offset + length) bytes.resize(offset + length);
    for (size_t i = 0; i < length; ++i) bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

void PutU16(std::vector<uint8_t>& bytes, size_t offset, uint16_t value) { PutBytes(bytes, offset, value, 2); }
void PutU64(std::vector<uint8_t>& bytes, size_t offset, uint64_t value) { PutBytes(bytes, offset, value, 8); }

// A UTF-16 name with its terminating zero, padded to 8 bytes; returns the bytes written.
size_t PutName(std::vector<uint8_t>& bytes, size_t offset, const std::u16string& name) {
    const size_t length = (name.size() + 1) * 2;
    for (size_t i = 0; i < name.size(); ++i) PutU16(bytes, offset + 2 * i, name[i]);
    PutU16(bytes, offset + 2 * name.size(), 0);
    bytes.resize(std::max(bytes.size(), offset + Align8(length)));
    return Align8(length);
}

void PutObject(std::vector<uint8_t>& bytes, size_t start, const PerfObject& object) {
    const size_t counters = object.counterTitles.size();
    const size_t definitionLength = kObjectSize + counters * kCounterSize;
    PutU32(bytes, start + 4, static_cast<uint32_t>(definitionLength));
    PutU32(bytes, start + 8, kObjectSize);
    PutU32(bytes, start + 12, object.titleIndex);
    PutU32(bytes, start + 20, object.titleIndex + 1);
    PutU32(bytes, start + 28, 100);  // PERF_DETAIL_NOVICE
    PutU32(bytes, start + kPerfObjectNumCounters, static_cast<uint32_t>(counters));
    PutU32(bytes, start + kPerfObjectNumInstances, static_cast<uint32_t>(object.instances.size()));

    for (size_t c = 0; c < counters; ++c) {
        const size_t at = start + kObjectSize + c * kCounterSize;
        PutU32(bytes, at, kCounterSize);
        PutU32(bytes, at + 4, object.counterTitles[c]);
        PutU32(bytes, at + 12, object.counterTitles[c] + 1);
        PutU32(bytes, at + 28, kTimer100nsInverse);
        PutU32(bytes, at + 32, 8);
        PutU32(bytes, at + 36, static_cast<uint32_t>(8 + 8 * c));
    }

    size_t at = start + definitionLength;
    for (const PerfInstance& instance : object.instances) {
        PutU32(bytes, at + 12, 0xFFFFFFFF);  // PERF_NO_UNIQUE_ID
        PutU32(bytes, at + 16, kInstanceSize);
        PutU32(bytes, at + 20, static_cast<uint32_t>((instance.name.size() + 1) * 2));
        const size_t instanceLength = kInstanceSize + PutName(bytes, at + kInstanceSize, instance.name);
        PutU32(bytes, at, static_cast<uint32_t>(instanceLength));
        at += instanceLength;

        const size_t blockLength = 8 + 8 * counters;
        PutU32(bytes, at, static_cast<uint32_t>(blockLength));
        for (size_t c = 0; c < counters; ++c) {
            const bool processorTime = object.counterTitles[c] == 6;
            PutU64(bytes, at + 8 + 8 * c,
                   processorTime ? static_cast<uint64_t>(instance.value) : 0x5A5A5A5A5A5A5A5Aull);
        }
        at += blockLength;
    }
    PutU32(bytes, start + kPerfObjectTotalByteLength, static_cast<uint32_t>(at - start));
}

}  // namespace

void PutU32(std::vector<uint8_t>& bytes, size_t offset, uint32_t value) { PutBytes(bytes, offset, value, 4); }

std::vector<uint8_t> BuildPerformanceData(const PerfTime& time, const std::vector<PerfObject>& objects) {
    std::vector<uint8_t> bytes;
    const std::u16string name(kSystemName);
    for (size_t i = 0; i < 4; ++i) PutU16(bytes, 2 * i, static_cast<uint16_t>("PERF"[i]));
    PutU32(bytes, 8, 1);   // LittleEndian
    PutU32(bytes, 12, 1);  // Version
    PutU32(bytes, 16, 1);  // Revision
    PutU32(bytes, 28, static_cast<uint32_t>(objects.size()));
    const uint16_t fields[] = {time.year, time.month,  1,           time.day,
                               time.hour, time.minute, time.second, time.millisecond};
    for (size_t i = 0; i < 8; ++i) PutU16(bytes, 36 + 2 * i, fields[i]);
    PutU32(bytes, 80, static_cast<uint32_t>((name.size() + 1) * 2));
    PutU32(bytes, 84, kDataBlockSize);
    const size_t headerLength = kDataBlockSize + PutName(bytes, kDataBlockSize, name);
    PutU32(bytes, 24, static_cast<uint32_t>(headerLength));

    size_t at = headerLength;
    for (const PerfObject& object : objects) {
        PutObject(bytes, at, object);
        at = bytes.size();
    }
    PutU32(bytes, 20, static_cast<uint32_t>(bytes.size()));
    return bytes;
}

PerfObject ProcessorObject(const std::vector<int64_t>& idleTimes) {
    PerfObject object;
    int64_t total = 0;
    for (size_t cpu = 0; cpu < idleTimes.size(); ++cpu) {
        const std::string digits = std::to_string(cpu);
        object.instances.push_back({std::u16string(digits.begin(), digits.end()), idleTimes[cpu]});
        total += idleTimes[cpu];
    }
    object.instances.push_back({u"_Total", total});
    return object;
}

size_t FirstInstanceOffset(const PerfObject& object) {
    return kPerfFirstObject + kObjectSize + object.counterTitles.size() * kCounterSize;
}

}  // namespace kelvor
