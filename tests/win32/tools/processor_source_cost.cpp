// What one sample of each source of the processor line costs on this system: the performance data
// (HKEY_PERFORMANCE_DATA, value "238"), the kernel's processor times, and a whole processor line as
// the saver builds it each second. Prints the first call and the mean of the calls after it,
// in time passed and in this process's processor time.
//   processor_source_cost [calls]   (default 500)

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "probes/processor_load.h"
#include "probes/processor_times.h"
#include "win32/win_kernel_statistic.h"
#include "win32/win_performance_data.h"
#include "win32/win_processor_times.h"
#include "win32/win_system_info.h"

namespace {

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to, const LARGE_INTEGER& frequency) {
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// This process's processor time (kernel + user) in seconds.
double ProcessorSeconds() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto ticks = [](const FILETIME& time) {
        return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 1e7;
}

// The first call's time, then the mean time and processor time of this process over the others.
void Measure(const char* name, int calls, const std::function<void()>& call) {
    LARGE_INTEGER frequency, start, first, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    call();
    QueryPerformanceCounter(&first);
    const double processorBefore = ProcessorSeconds();
    for (int i = 1; i < calls; ++i) call();
    QueryPerformanceCounter(&end);
    const double processor = ProcessorSeconds() - processorBefore;
    std::printf("%s\n  first %.1f us, then %.2f us per call (%.2f us of this process's processor time), %d calls\n",
                name, Seconds(start, first, frequency) * 1e6, Seconds(first, end, frequency) * 1e6 / (calls - 1),
                processor * 1e6 / (calls - 1), calls);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace kelvor;
    const int calls = argc > 1 ? std::max(2, std::atoi(argv[1])) : 500;
    win32::WinSystemInfo system;
    win32::WinPerformanceData performanceData;
    win32::WinProcessorTimes processorTimes;
    win32::WinKernelStatistic statistic;
    const auto processors = static_cast<size_t>(system.NumberOfProcessors());

    std::vector<uint8_t> block(64 * 1024);
    uint32_t blockSize = 0;
    int32_t blockStatus = 0;
    Measure("performance data, value \"238\" (64 KB room)", calls, [&] {
        blockSize = static_cast<uint32_t>(block.size());
        blockStatus = performanceData.Query("238", block, blockSize);
    });
    std::printf("  status %ld, %lu bytes\n", static_cast<long>(blockStatus), static_cast<unsigned long>(blockSize));

    std::vector<uint8_t> records((processors + 1) * kProcessorTimesRecordSize);
    uint32_t recordsSize = 0;
    int32_t recordsStatus = 0;
    Measure("kernel processor times (NtQuerySystemInformation)", calls, [&] {
        recordsSize = static_cast<uint32_t>(records.size());
        recordsStatus = processorTimes.Query(records, recordsSize);
    });
    std::printf("  status %ld, %lu bytes for %u processors\n", static_cast<long>(recordsStatus),
                static_cast<unsigned long>(recordsSize), static_cast<unsigned>(processors));

    ProcessorLoadMonitor load(system, system, performanceData, statistic, processorTimes);
    std::string line;
    Measure("whole processor line (LoadText)", calls, [&] { line = load.LoadText(); });
    std::printf("  \"%s\"\n", line.c_str());
    return 0;
}
