#include <gtest/gtest.h>

#include "common/run_time_error.h"
#include "fakes/fake_performance_data.h"
#include "fakes/fake_processor_times.h"
#include "fakes/fake_system_info.h"
#include "fakes/performance_data_builder.h"
#include "probes/processor_load.h"
#include "probes/processor_load_errors.h"
#include "probes/processor_times.h"

namespace kelvor {
namespace {

constexpr uint64_t kSecond = 10000000;
const int32_t kUnreadable = ProcessorLoadErrorNumber(ProcessorLoadError::DataUnreadable);

// The error number reading the records raises, or 0.
int32_t ReadError(const std::vector<uint8_t>& records) {
    try {
        ReadProcessorTimes(records);
    } catch (const RunTimeError& error) {
        return error.Number();
    }
    return 0;
}

TEST(ProcessorTimes, WholeRecordsGiveIdleAndKernelPlusUserTimeAndNothingElseIsRead) {
    const std::vector<uint8_t> two = BuildProcessorTimes({{5, 9, 4}, {7, 7, 0}});
    const std::vector<ProcessorTime> times = ReadProcessorTimes(two);
    ASSERT_EQ(times.size(), 2u);
    EXPECT_EQ(times[0].idle, 5u);
    EXPECT_EQ(times[0].elapsed, 13u);  // the deferred-call and interrupt times are not added
    EXPECT_EQ(times[1].elapsed, 7u);
    for (const std::ptrdiff_t length : {0, 47, 49, 95})
        EXPECT_EQ(ReadError(std::vector<uint8_t>(two.begin(), two.begin() + length)), kUnreadable) << length;
    EXPECT_EQ(ReadError(BuildProcessorTimes({{1, 2, 3}, {6, 5, 6}})), kUnreadable);  // idle beyond the kernel time
}

// Where the performance counters give nothing (as under Wine: a valid block without objects).
class CpuLoadFallback : public ::testing::Test {
protected:
    CpuLoadFallback() {
        system.processors = 2;
        perf.data = BuildPerformanceData({}, {});
    }

    // Both processors busy for `busy` seconds of every `elapsed`, added to what they had.
    void Advance(std::vector<KernelTimes>& now, const std::vector<double>& busy, double elapsed) {
        for (size_t cpu = 0; cpu < now.size(); ++cpu) {
            const auto idle = static_cast<uint64_t>((elapsed - busy[cpu]) * kSecond);
            now[cpu].idle += idle;
            now[cpu].kernel += idle + static_cast<uint64_t>(busy[cpu] * kSecond / 2);
            now[cpu].user += static_cast<uint64_t>(busy[cpu] * kSecond / 2);
        }
        times.Set(now);
    }

    FakeSystemInfo system;
    FakePerformanceData perf;
    FakeKernelStatistic statistic;
    FakeProcessorTimes times;
    ProcessorLoadMonitor load{system, system, perf, statistic, times};
};

// The same times through either source: the performance data's sample time as the elapsed time of
// every processor, or each processor's kernel + user time.
TEST(CpuLoadSources, BothSourcesTurnTheSameTimesIntoTheSameText) {
    struct Case {
        int32_t elapsedMilliseconds;
        int64_t idleTicks;
        const char* text;
    };
    const std::vector<Case> cases{
        {1000, 5800000, "42 %"},  {1000, 0, "100 %"},       {1000, 10300000, "-03 %"},
        {1000, 8750000, "12 %"},  {1000, 6250000, "38 %"},  // 12.5 and 37.5: halves to even
        {0, 4000000, "00 %"},       // no time elapsed
        {1000, -5000000, "150 %"},  // an idle count that went backwards
        {-1000, -2500000, "75 %"},  // both went backwards
    };
    constexpr uint64_t kIdleBefore = 100 * kSecond;
    constexpr uint64_t kKernelBefore = 500 * kSecond;
    for (const Case& c : cases) {
        FakeSystemInfo system;
        FakeKernelStatistic statistic;

        FakePerformanceData perf;
        FakeProcessorTimes noTimes;
        ProcessorLoadMonitor fromCounters(system, system, perf, statistic, noTimes);
        const auto perfSample = [&](int32_t milliseconds, uint64_t idle) {
            const PerfTime time{.second = static_cast<uint16_t>(10 + milliseconds / 1000),
                                .millisecond = static_cast<uint16_t>(milliseconds % 1000)};
            perf.data = BuildPerformanceData(time, {ProcessorObject({static_cast<int64_t>(idle)})});
        };
        perfSample(0, kIdleBefore);
        fromCounters.LoadText();
        perfSample(c.elapsedMilliseconds, kIdleBefore + static_cast<uint64_t>(c.idleTicks));
        EXPECT_EQ(fromCounters.LoadText(), c.text) << "performance data, " << c.text;

        FakePerformanceData noCounters;
        FakeProcessorTimes kernel;
        ProcessorLoadMonitor fromKernel(system, system, noCounters, statistic, kernel);
        kernel.Set({{kIdleBefore, kKernelBefore, 0}});
        fromKernel.LoadText();
        const auto elapsed = static_cast<uint64_t>(int64_t{c.elapsedMilliseconds} * 10000);
        kernel.Set({{kIdleBefore + static_cast<uint64_t>(c.idleTicks), kKernelBefore + elapsed, 0}});
        EXPECT_EQ(fromKernel.LoadText(), c.text) << "kernel times, " << c.text;
    }
}

TEST_F(CpuLoadFallback, AChangedProcessorCountRefusesTheSampleAndKeepsTheOneBefore) {
    std::vector<KernelTimes> now{{kSecond, 2 * kSecond, 0}, {kSecond, 2 * kSecond, 0}};
    times.Set(now);
    load.LoadText();
    Advance(now, {0.5, 0.25}, 1.0);
    const std::vector<KernelTimes> two = now;
    now.push_back(now.back());
    times.Set(now);
    EXPECT_EQ(load.LoadText(), "CPU query failed");
    times.Set({two.front()});
    EXPECT_EQ(load.LoadText(), "CPU query failed");
    now = two;
    Advance(now, {0.5, 0.25}, 1.0);
    EXPECT_EQ(load.LoadText(), "50% 25%");
    // The kernel's times led from the first sample; each failed one sent the sampler to the counters.
    EXPECT_EQ(perf.valueNames.size(), 2u);
}

TEST_F(CpuLoadFallback, SixtyFourProcessorsAndMoreShowOneFigureEach) {
    for (const int32_t processors : {64, 130}) {
        system.processors = processors;
        ProcessorLoadMonitor many(system, system, perf, statistic, times);
        std::vector<KernelTimes> now(static_cast<size_t>(processors), {kSecond, kSecond, 0});
        times.Set(now);
        many.LoadText();
        std::vector<double> busy;
        std::string expected;
        for (int32_t cpu = 0; cpu < processors; ++cpu) {
            busy.push_back(static_cast<double>(cpu % 101) / 100.0);
            const int load = cpu % 101;
            expected += (cpu == 0 ? "" : " ") + std::string(load < 10 ? "0" : "") + std::to_string(load) + "%";
        }
        Advance(now, busy, 1.0);
        EXPECT_EQ(many.LoadText(), expected) << processors;
        EXPECT_EQ(times.roomOffered, static_cast<uint32_t>((processors + 1) * 48)) << processors;
    }
}

TEST_F(CpuLoadFallback, TheKernelTimesLeadFromTheFirstSampleWhereBothSourcesWork) {
    perf.data = BuildPerformanceData({}, {ProcessorObject({0, 0})});
    std::vector<KernelTimes> now{{kSecond, 2 * kSecond, 0}, {kSecond, 2 * kSecond, 0}};
    times.Set(now);
    load.LoadText();
    Advance(now, {0.5, 0.25}, 1.0);
    EXPECT_EQ(load.LoadText(), "50% 25%");
    EXPECT_EQ(times.queries, 2);
    EXPECT_TRUE(perf.valueNames.empty());  // the counters are never asked
}

TEST_F(CpuLoadFallback, TheSourceThatGaveTheLastSampleIsAskedFirstAndEachChangeStartsFromZero) {
    const auto counters = [this](uint16_t second, std::vector<int64_t> idle) {
        perf.data = BuildPerformanceData(PerfTime{.second = second}, {ProcessorObject(idle)});
    };
    counters(0, {0, 0});
    load.LoadText();
    counters(1, {8800000, 9700000});
    times.Set({{kSecond, 2 * kSecond, 0}, {kSecond, 2 * kSecond, 0}});
    EXPECT_EQ(load.LoadText(), "12% 03%");
    // The kernel was asked first once, when it had no times; since the counters gave a sample they lead.
    EXPECT_EQ(times.queries, 1);

    perf.data = BuildPerformanceData({}, {});
    EXPECT_EQ(load.LoadText(), "50% 50%");  // the kernel's times since the start, not against the counters
    counters(3, {17600000, 19400000});
    times.Set({{3 * kSecond, 4 * kSecond, 0}, {kSecond, 3 * kSecond, 0}});
    EXPECT_EQ(load.LoadText(), "00% 100%");
    EXPECT_EQ(perf.valueNames.size(), 3u);  // the kernel led and gave a sample

    times.status = kInfoLengthMismatch;
    EXPECT_EQ(load.LoadText(), "100% 100%");  // the counters again, against zero
    counters(4, {27600000, 29400000});
    EXPECT_EQ(load.LoadText(), "00% 00%");
    EXPECT_EQ(times.queries, 4);

    perf.data = BuildPerformanceData({}, {});
    try {
        load.CollectSample();
        ADD_FAILURE() << "no error with neither source";
    } catch (const RunTimeError& error) {
        EXPECT_EQ(error.Number(), ProcessorLoadErrorNumber(ProcessorLoadError::NoProcessorObject));
    }
    EXPECT_EQ(load.LoadText(), "CPU query failed");
}

}  // namespace
}  // namespace kelvor
