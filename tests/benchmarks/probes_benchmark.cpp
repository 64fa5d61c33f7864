// The probes run once a second (the network line twice); each must stay well under 50 µs.

#include <benchmark/benchmark.h>

#include <algorithm>

#include "fakes/fake_clock.h"
#include "fakes/fake_interface_table.h"
#include "fakes/fake_locale.h"
#include "fakes/fake_performance_data.h"
#include "fakes/fake_processor_times.h"
#include "fakes/fake_system_info.h"
#include "fakes/interface_table_builder.h"
#include "fakes/performance_data_builder.h"
#include "probes/computer_name.h"
#include "probes/processor_load.h"
#include "probes/interface_table.h"
#include "probes/network_activity.h"
#include "probes/memory_usage.h"
#include "probes/performance_data.h"
#include "probes/processor_times.h"
#include "probes/uptime_clock.h"

namespace kelvor {
namespace {

std::vector<uint8_t> ProcessorData(int processors, uint16_t second) {
    std::vector<int64_t> idle;
    for (int cpu = 0; cpu < processors; ++cpu) idle.push_back(int64_t{second} * 5000000 + cpu * 1000);
    return BuildPerformanceData(PerfTime{.second = second}, {ProcessorObject(idle)});
}

std::vector<uint8_t> Table(int interfaces) {
    std::vector<InterfaceOctets> rows;
    for (int i = 0; i < interfaces; ++i)
        rows.push_back({static_cast<uint32_t>(i * 1000), static_cast<uint32_t>(i * 10)});
    return BuildInterfaceTable(rows);
}

void PerformanceDataWalk64(benchmark::State& state) {
    const std::vector<uint8_t> data = ProcessorData(64, 1);
    for (auto _ : state) {
        const PerformanceData block(data);
        benchmark::DoNotOptimize(block.SampleTime());
        benchmark::DoNotOptimize(
            ReadNumberedInstances(block.FindObject(kProcessorObjectTitleIndex), kProcessorTimeCounterTitleIndex));
    }
}
BENCHMARK(PerformanceDataWalk64);

// Hands over the same data on every query, noting nothing (the shared fake keeps a call log).
class ReplayedPerformanceData final : public PerformanceDataSource {
public:
    int32_t Query(const std::string&, std::vector<uint8_t>& buffer, uint32_t& size) override {
        if (data.size() > buffer.size()) return kQueryMoreData;
        std::copy(data.begin(), data.end(), buffer.begin());
        size = static_cast<uint32_t>(data.size());
        return kQuerySucceeded;
    }
    std::vector<uint8_t> data;
};

// One sample as the display takes it: query into the kept buffer, walk, compute and format.
void CpuString(benchmark::State& state) {
    const int processors = static_cast<int>(state.range(0));
    FakeSystemInfo system;
    system.processors = processors;
    ReplayedPerformanceData source;
    FakeKernelStatistic statistic;
    FakeProcessorTimes times;
    ProcessorLoadMonitor load(system, system, source, statistic, times);
    source.data = ProcessorData(processors, 1);
    load.LoadText();
    source.data = ProcessorData(processors, 2);
    for (auto _ : state) benchmark::DoNotOptimize(load.LoadText());
}
BENCHMARK(CpuString)->Arg(1)->Arg(64);

std::vector<uint8_t> KernelRecords(int processors, uint64_t second) {
    std::vector<KernelTimes> times;
    for (int cpu = 0; cpu < processors; ++cpu)
        times.push_back({second * 5000000 + static_cast<uint64_t>(cpu) * 1000, second * 10000000, 0});
    return BuildProcessorTimes(times);
}

void ProcessorTimesRead64(benchmark::State& state) {
    const std::vector<uint8_t> records = KernelRecords(64, 1);
    for (auto _ : state) benchmark::DoNotOptimize(ReadProcessorTimes(records));
}
BENCHMARK(ProcessorTimesRead64);

// One sample from the kernel's times, which lead on the NT family: their query, the records read,
// loads and text.
void CpuStringFromProcessorTimes(benchmark::State& state) {
    const int processors = static_cast<int>(state.range(0));
    FakeSystemInfo system;
    system.processors = processors;
    ReplayedPerformanceData counters;
    counters.data = BuildPerformanceData({}, {});
    FakeKernelStatistic statistic;
    FakeProcessorTimes times;
    ProcessorLoadMonitor load(system, system, counters, statistic, times);
    times.records = KernelRecords(processors, 1);
    times.status = 0;
    load.LoadText();
    times.records = KernelRecords(processors, 2);
    for (auto _ : state) benchmark::DoNotOptimize(load.LoadText());
}
BENCHMARK(CpuStringFromProcessorTimes)->Arg(1)->Arg(64);

void InterfaceTableWalk256(benchmark::State& state) {
    const std::vector<uint8_t> table = Table(256);
    for (auto _ : state) benchmark::DoNotOptimize(SumInterfaceOctets(table));
}
BENCHMARK(InterfaceTableWalk256);

// The whole network line: size query, table read into a fresh buffer, walk and marks.
void NetworkStatus256(benchmark::State& state) {
    FakeInterfaceTable source;
    source.table = Table(256);
    NetworkActivity helper(source);
    for (auto _ : state) benchmark::DoNotOptimize(helper.Status());
}
BENCHMARK(NetworkStatus256);

// The network line as it runs where the system answers for one interface: 256 interfaces of which
// 4 pass traffic; those four entries are read on most calls, the whole table on every 25th.
void NetworkStatusFromEntries256(benchmark::State& state) {
    FakeInterfaceTable source;
    std::vector<InterfaceOctets> rows;
    for (uint32_t i = 0; i < 256; ++i) rows.push_back({i * 1000, i * 10, i < 4 ? 5u : 2u});
    source.table = BuildInterfaceTable(rows);
    source.layout = InterfaceEntryLayout::IfRow2;
    NetworkActivity helper(source);
    for (auto _ : state) benchmark::DoNotOptimize(helper.Status());
}
BENCHMARK(NetworkStatusFromEntries256);

void UptimeText(benchmark::State& state) {
    FakeClock clock;
    FakeLocale locale;
    UptimeClock uptime(clock, locale);
    clock.counter = 200000LL * clock.frequency;
    for (auto _ : state) benchmark::DoNotOptimize(uptime.UptimeText());
}
BENCHMARK(UptimeText);

// The first call works the text out; every later one is served from the cache.
void StartTimeTextFirstCall(benchmark::State& state) {
    FakeClock clock;
    FakeLocale locale;
    clock.counter = 200000LL * clock.frequency;
    for (auto _ : state) {
        UptimeClock uptime(clock, locale);
        benchmark::DoNotOptimize(uptime.StartTimeText(0));
    }
}
BENCHMARK(StartTimeTextFirstCall);

void MemoryUsageText(benchmark::State& state) {
    FakeSystemInfo system;
    FakeLocale locale;
    system.memoryEx = PageFileStatusEx{10ull << 30, 4ull << 30};
    for (auto _ : state) benchmark::DoNotOptimize(MemoryUsageText(system, true, locale));
}
BENCHMARK(MemoryUsageText);

void ComputerName(benchmark::State& state) {
    FakeSystemInfo system;
    for (auto _ : state) benchmark::DoNotOptimize(ReadComputerName(system));
}
BENCHMARK(ComputerName);

}  // namespace
}  // namespace kelvor
