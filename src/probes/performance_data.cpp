#include "probes/performance_data.h"

#include <algorithm>
#include <array>
#include <optional>
#include <stdexcept>

#include "common/date_time_format.h"
#include "probes/processor_load_errors.h"

namespace kelvor {

namespace {

// PERF_DATA_BLOCK
constexpr uint64_t kDataBlockSize = 84;
constexpr uint64_t kDataHeaderLength = 24;
constexpr uint64_t kDataNumObjectTypes = 28;
constexpr uint64_t kDataSystemTime = 36;
constexpr std::array<uint8_t, 8> kSignature{'P', 0, 'E', 0, 'R', 0, 'F', 0};

// PERF_OBJECT_TYPE
constexpr uint64_t kObjectSize = 64;
constexpr uint64_t kObjectTotalByteLength = 0;
constexpr uint64_t kObjectDefinitionLength = 4;
constexpr uint64_t kObjectHeaderLength = 8;
constexpr uint64_t kObjectTitleIndex = 12;
constexpr uint64_t kObjectNumCounters = 32;
constexpr uint64_t kObjectNumInstances = 40;

// PERF_COUNTER_DEFINITION
constexpr uint64_t kCounterSize = 40;
constexpr uint64_t kCounterByteLength = 0;
constexpr uint64_t kCounterTitleIndex = 4;
constexpr uint64_t kCounterOffset = 36;

// PERF_INSTANCE_DEFINITION and PERF_COUNTER_BLOCK
constexpr uint64_t kInstanceSize = 24;
constexpr uint64_t kInstanceByteLength = 0;
constexpr uint64_t kInstanceNameOffset = 16;
constexpr uint64_t kInstanceNameLength = 20;
constexpr uint64_t kBlockByteLength = 0;
constexpr uint64_t kBlockMinimumSize = 4;

constexpr int64_t kInstanceNumberLimit = int64_t{INT32_MAX} + 1;
constexpr uint64_t kFileTimeUnitsPerSecond = 10000000;  // of 100 ns

[[noreturn]] void RaiseUnreadable() { Raise(ProcessorLoadError::DataUnreadable); }

// Runs a walk whose reads throw std::out_of_range when the data lead outside themselves.
template <typename Walk>
auto Checked(Walk walk) {
    try {
        return walk();
    } catch (const std::out_of_range&) {
        RaiseUnreadable();
    }
}

// Lengths that chain one record to the next must at least cover the record, so that every step
// moves forward and a walk can never take more steps than the data has room for.
uint32_t ChainLength(const ByteView& record, uint64_t offset, uint64_t minimum) {
    const uint32_t length = record.U32(offset);
    if (length < minimum) RaiseUnreadable();
    return length;
}

// The UTF-16 name as a decimal number with an optional sign, or nullopt when it is not one. A
// negative number is still a number: it names no processor, which the sampler reports.
std::optional<int64_t> InstanceNumber(const ByteView& name) {
    const uint64_t units = name.Size() / 2;
    uint64_t at = 0;
    const bool negative = units > 0 && name.U16(0) == u'-';
    if (units > 0 && (negative || name.U16(0) == u'+')) ++at;
    if (at == units) return std::nullopt;
    int64_t magnitude = 0;
    for (; at < units; ++at) {
        const uint16_t unit = name.U16(2 * at);
        if (unit < u'0' || unit > u'9') return std::nullopt;
        magnitude = std::min(magnitude * 10 + (unit - u'0'), kInstanceNumberLimit);
    }
    return negative ? -magnitude : magnitude;
}

bool IsLeapYear(uint32_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

uint32_t DaysInMonth(uint32_t year, uint32_t month) {
    constexpr std::array<uint32_t, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

}  // namespace

PerformanceData::PerformanceData(std::span<const uint8_t> data) : data_(data) {
    if (!data_.Holds(0, kDataBlockSize)) RaiseUnreadable();
    for (size_t i = 0; i < kSignature.size(); ++i) {
        if (data[i] != kSignature[i]) RaiseUnreadable();
    }
}

uint64_t PerformanceData::SampleTime() const {
    const auto field = [this](uint64_t index) -> uint32_t { return data_.U16(kDataSystemTime + 2 * index); };
    const uint32_t year = field(0), month = field(1), day = field(3);
    const uint32_t hour = field(4), minute = field(5), second = field(6), millisecond = field(7);
    // The same range the platform's own conversion accepts.
    if (year < 1601 || year > 30827 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) ||
        hour > 23 || minute > 59 || second > 59 || millisecond > 999)
        RaiseUnreadable();
    const auto days = static_cast<uint64_t>(DaysFromCivil(year, month, day) - DaysFromCivil(1601, 1, 1));
    const uint64_t seconds = days * 86400 + hour * 3600 + minute * 60 + second;
    return seconds * kFileTimeUnitsPerSecond + uint64_t{millisecond} * (kFileTimeUnitsPerSecond / 1000);
}

ByteView PerformanceData::FindObject(uint32_t titleIndex) const {
    return Checked([&] {
        uint64_t at = data_.U32(kDataHeaderLength);
        const int32_t objects = data_.I32(kDataNumObjectTypes);
        for (int32_t i = 0; i < objects; ++i) {
            const ByteView header = data_.Sub(at, kObjectSize);
            const uint32_t totalLength = ChainLength(header, kObjectTotalByteLength, kObjectSize);
            if (header.U32(kObjectTitleIndex) == titleIndex) return data_.Sub(at, totalLength);
            at += totalLength;
        }
        Raise(ProcessorLoadError::NoProcessorObject);
    });
}

std::vector<InstanceCounter> ReadNumberedInstances(const ByteView& object, uint32_t counterTitleIndex) {
    return Checked([&] {
        const ByteView header = object.Sub(0, kObjectSize);

        uint64_t definition = header.U32(kObjectHeaderLength);
        const int32_t counters = header.I32(kObjectNumCounters);
        int32_t found = 0;
        uint32_t counterOffset = 0;
        for (; found < counters; ++found) {
            const ByteView counter = object.Sub(definition, kCounterSize);
            if (counter.U32(kCounterTitleIndex) == counterTitleIndex) {
                counterOffset = counter.U32(kCounterOffset);
                break;
            }
            definition += ChainLength(counter, kCounterByteLength, kCounterSize);
        }
        if (found >= counters) Raise(ProcessorLoadError::NoProcessorTimeCounter);

        std::vector<InstanceCounter> numbered;
        uint64_t at = header.U32(kObjectDefinitionLength);
        const int32_t instances = header.I32(kObjectNumInstances);
        for (int32_t i = 0; i < instances; ++i) {
            const uint32_t instanceLength =
                ChainLength(object.Sub(at, kInstanceSize), kInstanceByteLength, kInstanceSize);
            const ByteView instance = object.Sub(at, instanceLength);
            // The name's length counts its terminating zero character, which is not part of it.
            const uint32_t nameLength = instance.U32(kInstanceNameLength);
            const ByteView name = instance.Sub(instance.U32(kInstanceNameOffset), nameLength < 2 ? 0 : nameLength - 2);

            const uint64_t blockStart = at + instanceLength;
            const uint32_t blockLength =
                ChainLength(object.Sub(blockStart, kBlockMinimumSize), kBlockByteLength, kBlockMinimumSize);
            const ByteView block = object.Sub(blockStart, blockLength);
            const std::optional<int64_t> number = InstanceNumber(name);
            if (number) numbered.push_back({*number, static_cast<int64_t>(block.U64(counterOffset))});
            at = blockStart + blockLength;
        }
        return numbered;
    });
}

}  // namespace kelvor
