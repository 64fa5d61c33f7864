#include "probes/processor_load.h"

#include <algorithm>
#include <exception>

#include "common/run_time_error.h"
#include "probes/processor_load_errors.h"
#include "probes/os_version.h"
#include "probes/performance_data.h"

namespace kelvor {

namespace {

constexpr int32_t kBufferStep = 4096;
// Far more than the processor object of any machine needs; stops a source that always asks for
// more from growing the buffer without end.
constexpr int32_t kBufferLimit = 1024 * 1024;

}  // namespace

ProcessorLoadMonitor::ProcessorLoadMonitor(VersionSource& version, ProcessorCountSource& processors,
                                           PerformanceDataSource& performanceData, KernelStatistic& kernelStatistic,
                                           ProcessorTimesSource& processorTimes)
    : processors_(processors),
      performanceData_(performanceData),
      kernelStatistic_(kernelStatistic),
      processorTimes_(processorTimes) {
    WindowsVersion windows;
    if (!version.QueryVersion(windows)) Raise(ProcessorLoadError::VersionUnreadable);
    ntFamily_ = windows.PlatformId >= kPlatformNt;
}

ProcessorLoadMonitor::~ProcessorLoadMonitor() { StopKernelStatistic(); }

std::string ProcessorLoadMonitor::LoadText() {
    try {
        CollectSample();
        const int32_t count = ProcessorCount();
        std::vector<int32_t> loads;
        for (int32_t cpu = 1; cpu <= count; ++cpu) loads.push_back(Usage(cpu));
        return ProcessorLoadText(loads);
    } catch (const std::exception&) {
        return "CPU query failed";
    }
}

void ProcessorLoadMonitor::CollectSample() {
    if (ntFamily_) {
        CollectNtData();
    } else {
        CollectKernelStatistic();
    }
}

int32_t ProcessorLoadMonitor::ProcessorCount() {
    if (cpuCount_ >= 1) return cpuCount_;
    cpuCount_ = processors_.NumberOfProcessors();
    readings_.assign(static_cast<size_t>(std::max(cpuCount_, 0)), {});
    return cpuCount_;
}

int32_t ProcessorLoadMonitor::Usage(int32_t cpuIndex) {
    if (!ntFamily_) {
        if (cpuIndex != 1) Raise(ProcessorLoadError::IndexOutOfBounds);
        if (!monitorStarted_) CollectSample();
        return usage9x_;
    }
    if (cpuCount_ < 0) CollectSample();
    if (cpuIndex < 1 || cpuIndex > cpuCount_) Raise(ProcessorLoadError::IndexOutOfBounds);
    return readings_[static_cast<size_t>(cpuIndex - 1)].BusyPercent();
}

void ProcessorLoadMonitor::CollectNtData() {
    // The source of the last sample is asked first (the kernel's times before any sample, see
    // ntSource_), the other only when it fails. The performance data's error stands when both fail.
    const bool timesLead = ntSource_ == NtSource::ProcessorTimes;
    if (timesLead && TryProcessorTimes()) return;
    try {
        CollectPerformanceData();
    } catch (const RunTimeError&) {
        if (timesLead || !TryProcessorTimes()) throw;
    }
}

std::span<const uint8_t> ProcessorLoadMonitor::QueryPerformanceData() {
    const std::string processorObject = std::to_string(kProcessorObjectTitleIndex);
    for (;;) {
        buffer_.assign(static_cast<size_t>(bufferSize_), 0);
        uint32_t size = static_cast<uint32_t>(bufferSize_);
        const int32_t status = performanceData_.Query(processorObject, buffer_, size);
        if (status == kQuerySucceeded)
            return std::span<const uint8_t>(buffer_).first(std::min<size_t>(size, buffer_.size()));
        if (status != kQueryMoreData || bufferSize_ + kBufferStep > kBufferLimit)
            Raise(ProcessorLoadError::DataUnreadable);
        bufferSize_ += kBufferStep;
    }
}

void ProcessorLoadMonitor::CollectPerformanceData() {
    const PerformanceData data(QueryPerformanceData());
    const ByteView processorObject = data.FindObject(kProcessorObjectTitleIndex);
    if (cpuCount_ < 1) ProcessorCount();
    const std::vector<InstanceCounter> processors =
        ReadNumberedInstances(processorObject, kProcessorTimeCounterTitleIndex);
    const uint64_t sampleTime = data.SampleTime();

    // The sample is taken as a whole or not at all, so a failed one cannot skew the next reading.
    for (const InstanceCounter& processor : processors) {
        if (processor.number < 0 || processor.number >= cpuCount_)
            Raise(kErrSubscriptOutOfRange, kProcessorLoadErrorSource);
    }
    UseSource(NtSource::PerformanceData);
    // The counter measures idle time; the sample time is the elapsed time of every processor.
    for (const InstanceCounter& processor : processors)
        readings_[static_cast<size_t>(processor.number)].idle.Record(static_cast<uint64_t>(processor.value));
    for (ProcessorReadings& readings : readings_) readings.elapsed.Record(sampleTime);
}

bool ProcessorLoadMonitor::TryProcessorTimes() {
    try {
        CollectProcessorTimes();
        return true;
    } catch (const RunTimeError&) {
        return false;
    }
}

void ProcessorLoadMonitor::CollectProcessorTimes() {
    if (cpuCount_ < 1) ProcessorCount();
    const auto count = static_cast<size_t>(std::max(cpuCount_, 0));
    // Room for one record more than the processors counted: a system with more of them answers with
    // that extra record, and its sample is refused below instead of being cut short unnoticed.
    buffer_.assign((count + 1) * kProcessorTimesRecordSize, 0);
    uint32_t size = static_cast<uint32_t>(buffer_.size());
    if (processorTimes_.Query(buffer_, size) != kQuerySucceeded) Raise(ProcessorLoadError::DataUnreadable);
    const std::vector<ProcessorTime> times =
        ReadProcessorTimes(std::span<const uint8_t>(buffer_).first(std::min<size_t>(size, buffer_.size())));
    // Like the performance data, the sample is taken as a whole for the processors counted or not at all.
    if (times.size() != count) Raise(ProcessorLoadError::DataUnreadable);
    UseSource(NtSource::ProcessorTimes);
    for (size_t cpu = 0; cpu < count; ++cpu) {
        readings_[cpu].idle.Record(times[cpu].idle);
        readings_[cpu].elapsed.Record(times[cpu].elapsed);
    }
}

void ProcessorLoadMonitor::UseSource(NtSource source) {
    if (source == ntSource_) return;
    ntSource_ = source;
    readings_.assign(readings_.size(), {});
}

void ProcessorLoadMonitor::CollectKernelStatistic() {
    if (!monitorStarted_) {
        if (kernelStatistic_.Start(usage9x_) != kQuerySucceeded) Raise(ProcessorLoadError::MonitorNotStarted);
        if (kernelStatistic_.OpenData() != kQuerySucceeded) Raise(ProcessorLoadError::DataUnreadable);
        monitorStarted_ = true;
    }
    kernelStatistic_.Read(usage9x_);
}

void ProcessorLoadMonitor::StopKernelStatistic() {
    if (ntFamily_ || !monitorStarted_) return;
    monitorStarted_ = false;
    kernelStatistic_.Stop(usage9x_);
}

}  // namespace kelvor
