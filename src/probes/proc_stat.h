#pragma once
// The processor line on Linux: each processor's idle and total time from the kernel's /proc/stat,
// turned into loads by the same readings as on Windows.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "probes/kernel_text.h"
#include "probes/processor_load_sampler.h"
#include "probes/processor_readings.h"

namespace kelvor {

// One "cpuN" line: its number and its times in clock ticks since the system started.
struct ProcStatProcessor {
    uint32_t number = 0;
    uint64_t idle = 0;     // idle + iowait
    uint64_t elapsed = 0;  // user + nice + system + idle + iowait + irq + softirq + steal
};

// The "cpuN" lines in the order of the text (the summary "cpu" line aside). Nothing when a cpuN
// line is damaged (fewer than the four times of the oldest kernels, a number out of range, a total
// beyond 64 bits), a processor appears twice, or there is no cpuN line at all.
std::optional<std::vector<ProcStatProcessor>> ReadProcStat(std::string_view text);

class ProcStatLoadMonitor final : public ProcessorLoadSampler {
public:
    // The file must outlive the sampler.
    explicit ProcStatLoadMonitor(KernelText& stat) : stat_(stat) {}

    // "42 %" for one processor, "12% 03%" for several, "CPU query failed" when the file cannot be
    // read or parsed, or a share is beyond a whole number's range. The first call measures since the system started; a change in the set of
    // processors (one taken off or brought on line) starts the readings afresh.
    std::string LoadText() override;

private:
    KernelText& stat_;
    std::string text_;
    std::vector<uint32_t> numbers_;
    std::vector<ProcessorReadings> readings_;
    std::vector<int32_t> loads_;
};

}  // namespace kelvor
