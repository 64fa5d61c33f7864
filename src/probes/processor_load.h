#pragma once
// The processor-load sampler of Windows: per-processor busy share between two consecutive samples, from the
// kernel's processor times on the NT family (or the performance data where those times fail) or from
// the kernel statistic on the 9x family.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "probes/processor_load_sources.h"
#include "probes/processor_load_sampler.h"
#include "probes/processor_readings.h"
#include "probes/processor_times.h"

namespace kelvor {

class VersionSource;

class ProcessorLoadMonitor final : public ProcessorLoadSampler {
public:
    // Reads the Windows version to choose the way of measuring; raises 0x80041F41 when it cannot.
    // The sources must outlive the sampler.
    ProcessorLoadMonitor(VersionSource& version, ProcessorCountSource& processors,
                         PerformanceDataSource& performanceData, KernelStatistic& kernelStatistic,
                         ProcessorTimesSource& processorTimes);
    ProcessorLoadMonitor(const ProcessorLoadMonitor&) = delete;
    ProcessorLoadMonitor& operator=(const ProcessorLoadMonitor&) = delete;
    // Stops the kernel statistic if this sampler started it.
    ~ProcessorLoadMonitor() override;

    // "42 %" for one processor, "12% 03%" for several, "CPU query failed" on any failure.
    std::string LoadText() override;
    // Takes one sample.
    void CollectSample();
    // Fixed from the system's count on first use.
    int32_t ProcessorCount();
    // Load of processor `cpuIndex` (from 1) in percent between the last two samples; not clamped.
    int32_t Usage(int32_t cpuIndex);

private:
    // Which NT source gave the last sample; it is asked first next time.
    enum class NtSource { PerformanceData, ProcessorTimes };

    void CollectNtData();
    void CollectPerformanceData();
    // Whether the kernel's processor times gave a sample.
    bool TryProcessorTimes();
    void CollectProcessorTimes();
    // Readings of another source do not compare with the last ones: start again from zero.
    void UseSource(NtSource source);
    void CollectKernelStatistic();
    // The valid part of the buffer after querying until the data fit.
    std::span<const uint8_t> QueryPerformanceData();
    void StopKernelStatistic();

    ProcessorCountSource& processors_;
    PerformanceDataSource& performanceData_;
    KernelStatistic& kernelStatistic_;
    ProcessorTimesSource& processorTimes_;

    int32_t cpuCount_ = -1;
    int32_t bufferSize_ = 4096;
    bool ntFamily_ = false;
    bool monitorStarted_ = false;
    int32_t usage9x_ = 0;
    // The kernel's processor times lead from the first sample: the same figures (the performance
    // data's "% Processor Time" is worked out from these idle, kernel and user times) for about a
    // two-thousandth of the cost per call, and no counter libraries loaded into this process (they
    // run inside their caller, where a faulty one of another vendor can hang or crash it). The
    // performance data answer only where the kernel's query is missing or fails.
    NtSource ntSource_ = NtSource::ProcessorTimes;
    std::vector<ProcessorReadings> readings_;
    std::vector<uint8_t> buffer_;
};

}  // namespace kelvor
