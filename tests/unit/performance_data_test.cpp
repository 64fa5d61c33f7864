#include <gtest/gtest.h>

#include "common/run_time_error.h"
#include "fakes/performance_data_builder.h"
#include "probes/processor_load_errors.h"
#include "probes/performance_data.h"

namespace kelvor {
namespace {

// The error number a full read of the processor counters raises, or 0.
int32_t ReadError(const std::vector<uint8_t>& data) {
    try {
        const PerformanceData block(data);
        ReadNumberedInstances(block.FindObject(kProcessorObjectTitleIndex), kProcessorTimeCounterTitleIndex);
        block.SampleTime();
    } catch (const RunTimeError& error) {
        return error.Number();
    }
    return 0;
}

const int32_t kUnreadable = ProcessorLoadErrorNumber(ProcessorLoadError::DataUnreadable);

TEST(PerformanceData, ReadsTheNumberedInstancesOfTheProcessorObjectOnly) {
    PerfObject disk = ProcessorObject({111});
    disk.titleIndex = 234;
    const PerfObject processors = ProcessorObject({5, 7});
    const std::vector<uint8_t> data = BuildPerformanceData({}, {disk, processors});
    const PerformanceData block(data);
    const std::vector<InstanceCounter> read = ReadNumberedInstances(block.FindObject(238), 6);
    ASSERT_EQ(read.size(), 2u);  // "_Total" is left out
    EXPECT_EQ(read[0].number, 0);
    EXPECT_EQ(read[0].value, 5);
    EXPECT_EQ(read[1].number, 1);
    EXPECT_EQ(read[1].value, 7);
}

TEST(PerformanceData, TheSampleTimeCountsHundredNanosecondsFrom1601) {
    const auto timeOf = [](const PerfTime& time) {
        return PerformanceData(BuildPerformanceData(time, {})).SampleTime();
    };
    EXPECT_EQ(timeOf({1601, 1, 1, 0, 0, 0, 0}), 0u);
    EXPECT_EQ(timeOf({2000, 1, 1, 0, 0, 0, 0}), 125911584000000000u);
    EXPECT_EQ(timeOf({2000, 2, 29, 23, 59, 59, 999}) - timeOf({2000, 2, 29, 0, 0, 0, 0}), 863999990000u);
    EXPECT_EQ(ReadError(BuildPerformanceData({2023, 2, 29}, {ProcessorObject({0})})), kUnreadable);
    EXPECT_EQ(ReadError(BuildPerformanceData({2024, 13, 1}, {ProcessorObject({0})})), kUnreadable);
}

TEST(PerformanceData, EveryTruncationIsUnreadable) {
    const std::vector<uint8_t> data = BuildPerformanceData({}, {ProcessorObject({1, 2})});
    ASSERT_EQ(ReadError(data), 0);
    for (size_t length = 0; length < data.size(); ++length) {
        const std::vector<uint8_t> cut(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(length));
        EXPECT_EQ(ReadError(cut), kUnreadable) << "cut to " << length;
    }
}

TEST(PerformanceData, LengthsAndCountsThatContradictTheDataAreUnreadable) {
    const PerfObject object = ProcessorObject({1, 2});
    const std::vector<uint8_t> good = BuildPerformanceData({}, {object});
    const size_t instance = FirstInstanceOffset(object);
    const size_t firstCounter = kPerfFirstObject + 64;
    const std::vector<std::pair<size_t, uint32_t>> edits{
        {kPerfFirstObject + kPerfObjectTotalByteLength, 0},           // an object that does not advance
        {kPerfFirstObject + kPerfObjectTotalByteLength, 0xFFFFFFF0},  // larger than the data
        {kPerfFirstObject + kPerfObjectNumInstances, 0x7FFFFFFF},     // more instances than bytes
        {firstCounter + 40 + 36, 0xFFFFFFF8},                         // processor time beyond its block
        {firstCounter, 0},                                            // a counter that does not advance
        {instance, 3},                                                // an instance shorter than its header
        {instance + 16, 0x10000},                                     // name outside the instance
        {instance + 20, 0xFFFFFFFF},                                  // name longer than the instance
        {24, 0xFFFFFF00},                                             // first object beyond the data
    };
    for (const auto& [offset, value] : edits) {
        std::vector<uint8_t> bad = good;
        PutU32(bad, offset, value);
        EXPECT_EQ(ReadError(bad), kUnreadable) << "offset " << offset;
    }

    // Huge counts stop where the data end.
    PerfObject other = object;
    other.titleIndex = 230;
    std::vector<uint8_t> manyObjects = BuildPerformanceData({}, {other});
    PutU32(manyObjects, 28, 0x7FFFFFFF);
    EXPECT_EQ(ReadError(manyObjects), kUnreadable);
    PerfObject noProcessorTime = object;
    noProcessorTime.counterTitles = {142};
    std::vector<uint8_t> manyCounters = BuildPerformanceData({}, {noProcessorTime});
    PutU32(manyCounters, kPerfFirstObject + kPerfObjectNumCounters, 0x7FFFFFFF);
    EXPECT_EQ(ReadError(manyCounters), kUnreadable);
}

TEST(PerformanceData, InstanceNamesCountOnlyWhenTheyAreDecimalNumbers) {
    PerfObject object;
    object.instances = {{u"3", 1},   {u"12", 2}, {u"_Total", 3}, {u"", 4},   {u"1a", 5},           {u"99999999999", 6},
                        {u"\u0660", 7}, {u"-1", 8}, {u"+2", 9},     {u"-", 10}, {u"1-", 11}, {u"-99999999999", 12}};
    const std::vector<uint8_t> data = BuildPerformanceData({}, {object});
    const std::vector<InstanceCounter> read = ReadNumberedInstances(PerformanceData(data).FindObject(238), 6);
    std::vector<std::pair<int64_t, int64_t>> numbered;
    for (const InstanceCounter& instance : read) numbered.emplace_back(instance.number, instance.value);
    EXPECT_EQ(numbered, (std::vector<std::pair<int64_t, int64_t>>{
                            {3, 1}, {12, 2}, {int64_t{1} << 31, 6}, {-1, 8}, {2, 9}, {-(int64_t{1} << 31), 12}}));
}

}  // namespace
}  // namespace kelvor
