#include "probes/cpu_load.h"

#include <algorithm>
#include <exception>

#include "common/number_format.h"
#include "common/rounding.h"
#include "common/run_time_error.h"
#include "probes/cpu_load_errors.h"
#include "probes/os_version.h"
#include "probes/performance_data.h"

namespace kelvor {

namespace {

constexpr int32_t kBufferStep = 4096;
// Far more than the processor object of any machine needs; stops a source that always asks for
// more from growing the buffer without end.
constexpr int32_t kBufferLimit = 1024 * 1024;

}  // namespace

CPULoad::CPULoad(VersionSource& version, ProcessorCountSource& processors, PerformanceDataSource& performanceData,
                 KernelStatistic& kernelStatistic)
    : processors_(processors), performanceData_(performanceData), kernelStatistic_(kernelStatistic) {
    WindowsVersion windows;
    if (!version.QueryVersion(windows)) RaiseCpuLoadError(CpuLoadError::VersionUnreadable);
    isWinNT_ = windows.PlatformId >= kPlatformNt;
}

CPULoad::~CPULoad() { StopCPUMonitor(); }

std::string CPULoad::CPUString() {
    try {
        CollectCPUData();
        const int32_t count = GetCPUCount();
        std::string text;
        for (int32_t cpu = 1; cpu <= count; ++cpu) {
            const int32_t usage = GetCPUUsage(cpu);
            if (!text.empty()) text += ' ';
            text += FormatAtLeastTwoDigits(usage) + (count == 1 ? " %" : "%");
        }
        return text;
    } catch (const std::exception&) {
        return "CPU query failed";
    }
}

void CPULoad::CollectCPUData() {
    if (isWinNT_) {
        CollectPerformanceData();
    } else {
        CollectKernelStatistic();
    }
}

int32_t CPULoad::GetCPUCount() {
    if (cpuCount_ >= 1) return cpuCount_;
    cpuCount_ = processors_.NumberOfProcessors();
    const auto slots = static_cast<size_t>(std::max(cpuCount_, 0));
    counters_.assign(slots, 0);
    prevCounters_.assign(slots, 0);
    return cpuCount_;
}

int32_t CPULoad::GetCPUUsage(int32_t cpuIndex) {
    if (!isWinNT_) {
        if (cpuIndex != 1) RaiseCpuLoadError(CpuLoadError::IndexOutOfBounds);
        if (!monitorStarted_) CollectCPUData();
        return usage9x_;
    }
    if (cpuCount_ < 0) CollectCPUData();
    if (cpuIndex < 1 || cpuIndex > cpuCount_) RaiseCpuLoadError(CpuLoadError::IndexOutOfBounds);
    if (sampleTime_ == prevSampleTime_) return 0;
    const auto cpu = static_cast<size_t>(cpuIndex - 1);
    // Wrapping differences: the counters are the platform's raw 64-bit values.
    const auto idle =
        static_cast<int64_t>(static_cast<uint64_t>(counters_[cpu]) - static_cast<uint64_t>(prevCounters_[cpu]));
    const auto elapsed = static_cast<int64_t>(sampleTime_ - prevSampleTime_);
    // The counter measures idle time, so the busy share is what is left of the elapsed time.
    return RoundToInt32((1.0 - static_cast<double>(idle) / static_cast<double>(elapsed)) * 100.0);
}

std::span<const uint8_t> CPULoad::QueryPerformanceData() {
    const std::string processorObject = std::to_string(kProcessorObjectTitleIndex);
    for (;;) {
        buffer_.assign(static_cast<size_t>(bufferSize_), 0);
        uint32_t size = static_cast<uint32_t>(bufferSize_);
        const int32_t status = performanceData_.Query(processorObject, buffer_, size);
        if (status == kQuerySucceeded)
            return std::span<const uint8_t>(buffer_).first(std::min<size_t>(size, buffer_.size()));
        if (status != kQueryMoreData || bufferSize_ + kBufferStep > kBufferLimit)
            RaiseCpuLoadError(CpuLoadError::DataUnreadable);
        bufferSize_ += kBufferStep;
    }
}

void CPULoad::CollectPerformanceData() {
    const PerformanceData data(QueryPerformanceData());
    const ByteView processorObject = data.FindObject(kProcessorObjectTitleIndex);
    if (cpuCount_ < 1) GetCPUCount();
    const std::vector<InstanceCounter> processors =
        ReadNumberedInstances(processorObject, kProcessorTimeCounterTitleIndex);
    const uint64_t sampleTime = data.SampleTime();

    // The sample is taken as a whole or not at all, so a failed one cannot skew the next reading.
    for (const InstanceCounter& processor : processors) {
        if (processor.number < 0 || processor.number >= cpuCount_)
            throw RunTimeError(kErrSubscriptOutOfRange, "CPULoad", "Subscript out of range");
    }
    for (const InstanceCounter& processor : processors) {
        const auto cpu = static_cast<size_t>(processor.number);
        prevCounters_[cpu] = counters_[cpu];
        counters_[cpu] = processor.value;
    }
    prevSampleTime_ = sampleTime_;
    sampleTime_ = sampleTime;
}

void CPULoad::CollectKernelStatistic() {
    if (!monitorStarted_) {
        if (kernelStatistic_.Start(usage9x_) != kQuerySucceeded) RaiseCpuLoadError(CpuLoadError::MonitorNotStarted);
        if (kernelStatistic_.OpenData() != kQuerySucceeded) RaiseCpuLoadError(CpuLoadError::DataUnreadable);
        monitorStarted_ = true;
    }
    kernelStatistic_.Read(usage9x_);
}

void CPULoad::StopCPUMonitor() {
    if (isWinNT_ || !monitorStarted_) return;
    monitorStarted_ = false;
    kernelStatistic_.Stop(usage9x_);
}

}  // namespace kelvor
