#include <gtest/gtest.h>

#include "common/run_time_error.h"
#include "fakes/fake_performance_data.h"
#include "fakes/fake_processor_times.h"
#include "fakes/fake_system_info.h"
#include "fakes/performance_data_builder.h"
#include "probes/processor_load.h"

namespace kelvor {
namespace {

constexpr int64_t kTicksPerSecond = 10000000;

// Runs `call` and returns the error it raised, or an error numbered 0 when it raised none.
template <typename Call>
RunTimeError ErrorFrom(Call call) {
    try {
        call();
    } catch (const RunTimeError& error) {
        return error;
    }
    return RunTimeError(0, "", "no error raised");
}

class CpuLoadNt : public ::testing::Test {
protected:
    // A sample taken `second` seconds past the minute with these idle counters (in seconds).
    void Sample(uint16_t second, const std::vector<double>& idleSeconds) {
        std::vector<int64_t> idle;
        for (const double seconds : idleSeconds) idle.push_back(static_cast<int64_t>(seconds * kTicksPerSecond));
        perf.data = BuildPerformanceData(PerfTime{.second = second}, {ProcessorObject(idle)});
    }

    FakeSystemInfo system;
    FakePerformanceData perf;
    FakeKernelStatistic statistic;
    FakeProcessorTimes times;  // a system without the kernel's processor times
    ProcessorLoadMonitor load{system, system, perf, statistic, times};
};

TEST(CpuLoadCreation, AnUnreadableVersionRaisesTheFirstError) {
    FakeSystemInfo system;
    system.versionReadable = false;
    FakePerformanceData perf;
    FakeKernelStatistic statistic;
    FakeProcessorTimes times;
    const RunTimeError error = ErrorFrom([&] { ProcessorLoadMonitor load(system, system, perf, statistic, times); });
    EXPECT_EQ(error.Number(), -2147213503);
    EXPECT_EQ(error.Source(), "CPULoad.Initialize");
    EXPECT_EQ(error.Description(), "Can't get the Windows version");
}

TEST_F(CpuLoadNt, OneProcessorShowsTwoDigitsABlankAndThePercentSign) {
    Sample(0, {0.0});
    EXPECT_EQ(load.LoadText(), "100 %");  // the first sample is measured from 1601
    Sample(1, {0.58});
    EXPECT_EQ(load.LoadText(), "42 %");
    Sample(2, {1.53});
    EXPECT_EQ(load.LoadText(), "05 %");
    Sample(3, {1.53});
    EXPECT_EQ(load.LoadText(), "100 %");
    EXPECT_EQ(perf.valueNames, std::vector<std::string>(4, "238"));
}

TEST_F(CpuLoadNt, SeveralProcessorsAreJoinedWithoutBlankBeforeThePercentSign) {
    system.processors = 2;
    Sample(0, {10.0, 10.0});
    load.LoadText();
    Sample(1, {10.88, 10.97});
    EXPECT_EQ(load.LoadText(), "12% 03%");
    EXPECT_EQ(load.Usage(1), 12);
    EXPECT_EQ(load.Usage(2), 3);
}

TEST_F(CpuLoadNt, SixtyFourProcessorsAreReadInInstanceOrder) {
    system.processors = 64;
    std::vector<double> idle(64, 0.0);
    Sample(0, idle);
    load.LoadText();
    std::string expected;
    for (size_t cpu = 0; cpu < 64; ++cpu) {
        idle[cpu] = 1.0 - static_cast<double>(cpu) / 100.0;
        expected += (cpu == 0 ? "" : " ") + std::string(cpu < 10 ? "0" : "") + std::to_string(cpu) + "%";
    }
    Sample(1, idle);
    EXPECT_EQ(load.LoadText(), expected);
    EXPECT_EQ(load.ProcessorCount(), 64);
}

TEST_F(CpuLoadNt, EqualSampleTimesReadZeroAndAnIdleCounterAheadOfTheClockReadsNegative) {
    system.processors = 2;
    Sample(5, {1.0, 1.0});
    load.LoadText();
    Sample(5, {1.5, 1.2});
    EXPECT_EQ(load.LoadText(), "00% 00%");
    system.processors = 1;
    ProcessorLoadMonitor single(system, system, perf, statistic, times);
    Sample(0, {0.0});
    single.LoadText();
    Sample(1, {1.03});
    EXPECT_EQ(single.LoadText(), "-03 %");
}

TEST_F(CpuLoadNt, AnInstanceNumberOutsideTheProcessorsFailsTheWholeLine) {
    Sample(0, {0.0, 0.0});  // two instances, one processor reported
    EXPECT_EQ(ErrorFrom([&] { load.CollectSample(); }).Number(), 9);
    EXPECT_EQ(load.LoadText(), "CPU query failed");
    const RunTimeError badIndex = ErrorFrom([&] { load.Usage(2); });
    EXPECT_EQ(badIndex.Number(), static_cast<int32_t>(0x80041F43));
    EXPECT_EQ(badIndex.Source(), "CPULoad.GetCPUUsage()");
    EXPECT_EQ(badIndex.Description(), "CPU index out of bounds");
    EXPECT_EQ(ErrorFrom([&] { load.Usage(0); }).Number(), static_cast<int32_t>(0x80041F43));

    // A negative number is a number too, and names no processor.
    PerfObject negative = ProcessorObject({0});
    negative.instances.front().name = u"-1";
    perf.data = BuildPerformanceData({}, {negative});
    EXPECT_EQ(ErrorFrom([&] { load.CollectSample(); }).Number(), 9);
    EXPECT_EQ(load.LoadText(), "CPU query failed");
}

TEST_F(CpuLoadNt, AFailedSampleLeavesThePreviousOneToCompareWith) {
    system.processors = 2;
    Sample(0, {0.0, 0.0});
    load.LoadText();
    Sample(1, {0.5, 0.5, 0.5});  // a third processor: the sample is refused as a whole
    EXPECT_EQ(load.LoadText(), "CPU query failed");
    Sample(2, {1.0, 1.5});
    EXPECT_EQ(load.LoadText(), "50% 25%");
}

TEST_F(CpuLoadNt, TheBufferGrowsInStepsAndKeepsTheSizeThatWorked) {
    system.processors = 2;
    Sample(0, {0.0, 0.0});
    perf.data.resize(9000);  // room for the data needs three steps of 4096 bytes
    load.LoadText();
    Sample(1, {0.5, 0.5});
    perf.data.resize(9000);
    EXPECT_EQ(load.LoadText(), "50% 50%");
    EXPECT_EQ(perf.roomOffered, (std::vector<uint32_t>{4096, 8192, 12288, 12288}));
}

TEST_F(CpuLoadNt, EachMissingPieceRaisesItsOwnError) {
    struct Case {
        const char* what;
        std::vector<uint8_t> data;
        uint32_t number;
        const char* source;
        const char* description;
    };
    PerfObject withoutCounter = ProcessorObject({0});
    withoutCounter.counterTitles = {142, 144};
    PerfObject otherObject = ProcessorObject({0});
    otherObject.titleIndex = 230;
    std::vector<uint8_t> wrongSignature = BuildPerformanceData({}, {ProcessorObject({0})});
    wrongSignature[6] = 'X';
    const char* const noObject = "Unable to locate the 'Processor' performance object";
    const std::vector<Case> cases{
        {"no processor object", BuildPerformanceData({}, {otherObject}), 0x80041F44, "CPULoad.CollectData", noObject},
        {"no objects at all", BuildPerformanceData({}, {}), 0x80041F44, "CPULoad.CollectData", noObject},
        {"no processor-time counter", BuildPerformanceData({}, {otherObject, withoutCounter}), 0x80041F45,
         "CPULoad.CollectData", "Unable to locate the '% of CPU usage' performance counter"},
        {"wrong signature", wrongSignature, 0x80041F46, "CPULoad.CollectCPUData()", "Unable to read performance data"},
    };
    for (const Case& c : cases) {
        perf.data = c.data;
        const RunTimeError error = ErrorFrom([&] { load.CollectSample(); });
        EXPECT_EQ(error.Number(), static_cast<int32_t>(c.number)) << c.what;
        EXPECT_EQ(error.Source(), c.source) << c.what;
        EXPECT_EQ(error.Description(), c.description) << c.what;
        EXPECT_EQ(load.LoadText(), "CPU query failed") << c.what;
    }

    perf.failure = 5;  // any query error other than "more data"
    EXPECT_EQ(ErrorFrom([&] { load.CollectSample(); }).Description(), "Unable to read performance data");
}

class CpuLoad9x : public ::testing::Test {
protected:
    CpuLoad9x() { system.version = {1, 4, 10, 2222, ""}; }

    FakeSystemInfo system;
    FakePerformanceData perf;
    FakeKernelStatistic statistic;
    FakeProcessorTimes times;
};

TEST_F(CpuLoad9x, StartsTheStatisticOnceReadsItEveryTimeAndStopsItOnRelease) {
    times.Set({{1, 2, 0}});  // there, but not for the 9x family
    {
        ProcessorLoadMonitor load(system, system, perf, statistic, times);
        statistic.usage = 7;
        EXPECT_EQ(load.LoadText(), "07 %");
        statistic.usage = 63;
        EXPECT_EQ(load.LoadText(), "63 %");
        EXPECT_EQ(ErrorFrom([&] { load.Usage(2); }).Number(), static_cast<int32_t>(0x80041F43));
        EXPECT_TRUE(perf.valueNames.empty());
        EXPECT_EQ(times.queries, 0);
    }
    EXPECT_EQ(statistic.calls, (std::vector<std::string>{"start", "open", "read", "read", "stop"}));
}

TEST_F(CpuLoad9x, AFailedStartIsRetriedOnEveryCallAndNothingIsStopped) {
    {
        ProcessorLoadMonitor load(system, system, perf, statistic, times);
        statistic.startStatus = 2;
        const RunTimeError error = ErrorFrom([&] { load.CollectSample(); });
        EXPECT_EQ(error.Number(), static_cast<int32_t>(0x80041F42));
        EXPECT_EQ(error.Source(), "CPULoad.CollectCPRData()");
        EXPECT_EQ(error.Description(), "Unable to start performance monitoring");
        EXPECT_EQ(load.LoadText(), "CPU query failed");
        statistic.startStatus = 0;
        statistic.openStatus = 2;
        EXPECT_EQ(ErrorFrom([&] { load.CollectSample(); }).Number(), static_cast<int32_t>(0x80041F46));
    }
    EXPECT_EQ(statistic.calls, (std::vector<std::string>{"start", "start", "start", "open"}));
}

TEST_F(CpuLoad9x, MoreThanOneReportedProcessorFailsTheLine) {
    system.processors = 2;
    ProcessorLoadMonitor load(system, system, perf, statistic, times);
    EXPECT_EQ(load.LoadText(), "CPU query failed");
}

}  // namespace
}  // namespace kelvor
