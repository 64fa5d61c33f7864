// Feeds arbitrary performance data to the processor-load sampler. The first byte chooses between
// the input taken as the raw block and the input taken as field edits of a well-formed block, which
// reaches the deeper records far sooner than raw bytes do.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "common/run_time_error.h"
#include "fakes/fake_performance_data.h"
#include "fakes/fake_processor_times.h"
#include "fakes/fake_system_info.h"
#include "fakes/performance_data_builder.h"
#include "probes/processor_load.h"
#include "probes/performance_data.h"

namespace {

using namespace kelvor;

std::vector<uint8_t> EditedBlock(const uint8_t* data, size_t size) {
    std::vector<uint8_t> block = BuildPerformanceData({}, {ProcessorObject({1, 2, 3})});
    // Each edit: a 16-bit offset into the block and a 32-bit value written there.
    for (size_t at = 0; at + 6 <= size; at += 6) {
        const size_t offset = (data[at] | (data[at + 1] << 8)) % block.size();
        const uint32_t value =
            data[at + 2] | (data[at + 3] << 8) | (data[at + 4] << 16) | (static_cast<uint32_t>(data[at + 5]) << 24);
        if (offset + 4 <= block.size()) PutU32(block, offset, value);
    }
    return block;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const std::vector<uint8_t> block =
        data[0] % 2 == 0 ? std::vector<uint8_t>(data + 1, data + size) : EditedBlock(data + 1, size - 1);

    try {
        const PerformanceData performanceData(block);
        performanceData.SampleTime();
        ReadNumberedInstances(performanceData.FindObject(kProcessorObjectTitleIndex), kProcessorTimeCounterTitleIndex);
    } catch (const RunTimeError&) {
    }

    FakeSystemInfo system;
    system.processors = 4;
    FakePerformanceData source;
    source.data = block;
    FakeKernelStatistic statistic;
    FakeProcessorTimes times;
    ProcessorLoadMonitor load(system, system, source, statistic, times);
    load.LoadText();
    load.LoadText();
    return 0;
}
