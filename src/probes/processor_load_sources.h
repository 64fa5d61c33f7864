#pragma once
// What the processor-load sampler needs from the platform besides the Windows version.

#include <cstdint>
#include <string>
#include <vector>

namespace kelvor {

inline constexpr int32_t kQuerySucceeded = 0;
inline constexpr int32_t kQueryMoreData = 234;  // ERROR_MORE_DATA

// The processor count the system reports (GetSystemInfo).
class ProcessorCountSource {
public:
    virtual ~ProcessorCountSource() = default;
    virtual int32_t NumberOfProcessors() = 0;
};

// NT family: the system's performance data (RegQueryValueExA on HKEY_PERFORMANCE_DATA).
class PerformanceDataSource {
public:
    virtual ~PerformanceDataSource() = default;
    // Fills `buffer` (its size is the room given) with the data requested under `valueName` and sets
    // `size` to the data's size. Returns the platform's status: kQuerySucceeded, kQueryMoreData when
    // the buffer is too small, or another error code.
    virtual int32_t Query(const std::string& valueName, std::vector<uint8_t>& buffer, uint32_t& size) = 0;
};

// 9x family: the kernel's processor-usage statistic in the dynamic data ("PerfStats" under
// HKEY_DYN_DATA, value "KERNEL\CPUUsage"). Each call returns the platform's status, 0 on success;
// `usage` is written only when a value was read.
class KernelStatistic {
public:
    virtual ~KernelStatistic() = default;
    // Opens "PerfStats\StartStat"; reading the value there starts the statistic. The status is the
    // opening's; the key is closed again.
    virtual int32_t Start(int32_t& usage) = 0;
    // Opens "PerfStats\StatData" for reading and keeps it open for Read.
    virtual int32_t OpenData() = 0;
    // Reads the current usage in percent from the open data key.
    virtual int32_t Read(int32_t& usage) = 0;
    // Closes the data key, then opens "PerfStats\StopStat"; reading the value there stops the
    // statistic. The status is the opening's.
    virtual int32_t Stop(int32_t& usage) = 0;
};

}  // namespace kelvor
