// Feeds arbitrary kernel processor times to the processor-load sampler. The first byte is the number
// of processors the system reports; the rest, cut in two, are the records of two samples. The
// performance data fail throughout but for a last sample, so the sampler also changes source.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "common/run_time_error.h"
#include "fakes/fake_performance_data.h"
#include "fakes/fake_processor_times.h"
#include "fakes/fake_system_info.h"
#include "fakes/performance_data_builder.h"
#include "probes/processor_load.h"
#include "probes/processor_times.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kelvor;
    if (size == 0) return 0;
    const size_t half = 1 + (size - 1) / 2;
    const std::vector<std::vector<uint8_t>> samples{std::vector<uint8_t>(data + 1, data + half),
                                                    std::vector<uint8_t>(data + half, data + size)};
    for (const std::vector<uint8_t>& records : samples) {
        try {
            ReadProcessorTimes(records);
        } catch (const RunTimeError&) {
        }
    }

    FakeSystemInfo system;
    system.processors = data[0] % 140;
    FakePerformanceData counters;
    FakeKernelStatistic statistic;
    FakeProcessorTimes times;
    ProcessorLoadMonitor load(system, system, counters, statistic, times);
    for (const std::vector<uint8_t>& records : samples) {
        times.records = records;
        times.status = 0;
        load.LoadText();
    }
    times.status = kProcessorTimesNotSupported;
    counters.data = BuildPerformanceData({}, {ProcessorObject(std::vector<int64_t>(system.processors, 1))});
    load.LoadText();
    return 0;
}
