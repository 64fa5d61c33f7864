#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include <regex>

#include "common/run_time_error.h"
#include "fakes/fake_locale.h"
#include "probes/computer_name.h"
#include "probes/processor_load.h"
#include "probes/processor_load_errors.h"
#include "probes/interface_table.h"
#include "probes/network_activity.h"
#include "probes/memory_usage.h"
#include "probes/os_version.h"
#include "probes/performance_data.h"
#include "probes/processor_times.h"
#include "probes/uptime_clock.h"
#include "win32/win_clock.h"
#include "win32/win_interface_table.h"
#include "win32/win_kernel_statistic.h"
#include "win32/win_performance_data.h"
#include "win32/win_processor_times.h"
#include "win32/win_system_info.h"

namespace kelvor::win32 {
namespace {

bool Matches(const std::string& text, const char* pattern) { return std::regex_match(text, std::regex(pattern)); }

TEST(WinProbes, VersionFlagsFitTheReportedFamily) {
    WinSystemInfo system;
    WindowsVersion version;
    ASSERT_TRUE(system.QueryVersion(version));
    const OsCapabilities capabilities = ReadOSVersion(system);
    ASSERT_TRUE(capabilities.PlatformId == kPlatform9x || capabilities.PlatformId == kPlatformNt);
    if (capabilities.PlatformId == kPlatformNt) {
        EXPECT_GE(version.MajorVersion, 5);
        EXPECT_TRUE(capabilities.HasMultiMonitor && capabilities.HasMemoryStatusEx);
    } else {
        EXPECT_EQ(version.MajorVersion, 4);
        EXPECT_EQ(capabilities.HasMultiMonitor, version.MinorVersion > 0);
        EXPECT_FALSE(capabilities.HasMemoryStatusEx);
    }
    EXPECT_GE(system.NumberOfProcessors(), 1);
}

TEST(WinProbes, ComputerNameIsTheHostsNameAsWindowsHoldsIt) {
    WinSystemInfo system;
    const std::string name = ReadComputerName(system);
    EXPECT_FALSE(name.empty());
    EXPECT_TRUE(Matches(name, "[A-Z0-9_-]+")) << name;
    // The test runner passes the host's name; Wine gives it in capitals, without the domain and
    // cut to the 15 characters a computer name holds.
    const char* host = std::getenv("KELVOR_HOST_NAME");
    ASSERT_NE(host, nullptr) << "run through run_wine_tests.py, which sets KELVOR_HOST_NAME";
    std::string expected(host);
    expected = expected.substr(0, std::min(expected.find('.'), size_t{15}));
    for (char& c : expected) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(name, expected);
}

TEST(WinProbes, MemoryFigureEndsInKilobytes) {
    WinSystemInfo system;
    FakeLocale locale;
    const OsCapabilities capabilities = ReadOSVersion(system);
    // On a machine with much memory the 32-bit figures of the 9x path are capped, and under Wine
    // the available one can exceed the total: the figure still shows, never negative.
    const std::string text = MemoryUsageText(system, capabilities.HasMemoryStatusEx, locale);
    EXPECT_TRUE(Matches(text, "[1-9][0-9]{0,2}(,[0-9]{3})* K")) << text;
    const std::string extended = MemoryUsageText(system, true, locale);
    EXPECT_TRUE(Matches(extended, "[1-9][0-9]{0,2}(,[0-9]{3})* K")) << extended;
}

TEST(WinProbes, UptimeGrowsAndBothTextsAreWellFormed) {
    WinClock clock;
    FakeLocale locale;
    UptimeClock uptime(clock, locale);
    const int64_t first = uptime.UptimeSeconds();
    Sleep(30);
    const int64_t second = uptime.UptimeSeconds();
    EXPECT_GT(first, 0);
    EXPECT_GE(second - first, 200);  // at least 20 ms in ten-thousandths of a second
    EXPECT_TRUE(Matches(uptime.UptimeText(), "[0-9]+ days?, [0-9]+:[0-5][0-9]:[0-5][0-9]")) << uptime.UptimeText();
    EXPECT_TRUE(
        Matches(uptime.StartTimeText(0), "[0-3][0-9]-[A-Z][a-z]{2}-[0-9]{2} [0-9]{1,2}:[0-5][0-9]:[0-5][0-9] [ap]m"))
        << uptime.StartTimeText(0);
    EXPECT_GE(clock.Now().year, 2020);
}

TEST(WinProbes, NetworkLineHasItsFixedForm) {
    WinInterfaceTable table;
    uint32_t size = 0;
    EXPECT_EQ(table.QuerySize(size), ERROR_INSUFFICIENT_BUFFER);
    std::vector<uint8_t> bytes(size);
    ASSERT_EQ(table.Read(bytes), 0);
    ASSERT_GE(bytes.size(), 4u);
    uint32_t rows = 0;
    std::copy_n(bytes.begin(), 4, reinterpret_cast<uint8_t*>(&rows));
    EXPECT_GE(rows, 1u);  // the loopback interface at least
    EXPECT_GE(bytes.size(), 4 + rows * 860u);

    NetworkActivity helper(table);
    EXPECT_TRUE(Matches(helper.Status(), R"(Network activity: rx: [/\\|]  tx: [/\\|])")) << helper.Status();
}

// The counters an interface's entry answers with are those of its row in the table: compared for
// every row whose counters did not move between two readings of the table around the entries.
TEST(WinProbes, EachInterfaceEntryAnswersWithTheCountersOfItsTableRow) {
    WinInterfaceTable source;
    const InterfaceEntryLayout layout = source.EntryLayout();
    ASSERT_NE(layout, InterfaceEntryLayout::None);
    const auto readRows = [&] {
        uint32_t size = 0;
        source.QuerySize(size);
        std::vector<uint8_t> table(size);
        std::vector<InterfaceRow> rows;
        EXPECT_EQ(source.Read(table), 0);
        EXPECT_TRUE(ReadInterfaceRows(table, rows));
        return rows;
    };
    const std::vector<InterfaceRow> before = readRows();
    std::vector<std::vector<uint8_t>> entries;
    for (const InterfaceRow& row : before) {
        entries.push_back(InterfaceEntryFor(layout, row.Index));
        ASSERT_EQ(source.ReadEntry(entries.back()), 0) << row.Index;
        ASSERT_EQ(source.ReadEntry(entries.back()), 0) << row.Index;  // named by what the first answer filled in
    }
    const std::vector<InterfaceRow> after = readRows();
    ASSERT_EQ(after.size(), before.size());
    int compared = 0;
    for (size_t row = 0; row < before.size(); ++row) {
        const std::optional<InterfaceCounters> counters = ReadInterfaceEntry(layout, entries[row]);
        ASSERT_TRUE(counters.has_value());
        EXPECT_EQ(counters->Index, before[row].Index);
        if (before[row].Received != after[row].Received || before[row].Sent != after[row].Sent) continue;
        EXPECT_EQ(counters->Received, before[row].Received) << before[row].Index;
        EXPECT_EQ(counters->Sent, before[row].Sent) << before[row].Index;
        ++compared;
    }
    EXPECT_GE(compared, 1);

    std::vector<uint8_t> missing = InterfaceEntryFor(layout, 0x7FFFFFF0u);
    EXPECT_NE(source.ReadEntry(missing), 0);
}

// The processor line's form for `processors` figures, each a whole percentage from 0 to 100.
std::string ProcessorLinePattern(int32_t processors) {
    const std::string figure = "(0[0-9]|[1-9][0-9]|100)";
    if (processors == 1) return figure + " %";
    std::string pattern = figure + "%";
    for (int32_t cpu = 1; cpu < processors; ++cpu) pattern += " " + figure + "%";
    return pattern;
}

TEST(WinProbes, ProcessorLineComesFromTheKernelTimesWhereTheDataLackTheProcessorObject) {
    WinSystemInfo system;
    WinPerformanceData performanceData;
    WinKernelStatistic statistic;
    WinProcessorTimes times;

    std::vector<uint8_t> buffer(4096);
    uint32_t size = 4096;
    ASSERT_EQ(performanceData.Query("238", buffer, size), ERROR_SUCCESS);
    const PerformanceData block(std::span<const uint8_t>(buffer).first(size));
    try {
        block.FindObject(kProcessorObjectTitleIndex);
        ADD_FAILURE() << "a processor object where none was expected";
    } catch (const RunTimeError& error) {
        EXPECT_EQ(error.Number(), ProcessorLoadErrorNumber(ProcessorLoadError::NoProcessorObject));
    }

    ProcessorLoadMonitor load(system, system, performanceData, statistic, times);
    load.LoadText();
    Sleep(300);
    const std::string text = load.LoadText();
    if (ReadOSVersion(system).PlatformId >= kPlatformNt) {
        EXPECT_TRUE(Matches(text, ProcessorLinePattern(system.NumberOfProcessors()).c_str())) << text;
    } else {
        EXPECT_TRUE(text == "CPU query failed" || Matches(text, "-?[0-9]{2,} %")) << text;
    }
}

TEST(WinProbes, KernelTimesHaveARecordPerProcessorThatAdvancesWithTheClock) {
    WinSystemInfo system;
    WinProcessorTimes times;
    const auto processors = static_cast<size_t>(system.NumberOfProcessors());
    const auto sample = [&times, processors] {
        std::vector<uint8_t> records((processors + 1) * kProcessorTimesRecordSize);
        uint32_t size = static_cast<uint32_t>(records.size());
        EXPECT_EQ(times.Query(records, size), 0);
        records.resize(std::min<size_t>(size, records.size()));
        return ReadProcessorTimes(records);
    };

    std::vector<uint8_t> tooSmall(kProcessorTimesRecordSize - 1);
    uint32_t size = static_cast<uint32_t>(tooSmall.size());
    EXPECT_EQ(times.Query(tooSmall, size), static_cast<int32_t>(0xC0000004));  // STATUS_INFO_LENGTH_MISMATCH

    WinClock clock;
    int64_t frequency = 0, started = 0, ended = 0;
    clock.QueryPerformanceFrequency(frequency);
    const std::vector<ProcessorTime> before = sample();
    clock.QueryPerformanceCounter(started);
    Sleep(300);
    const std::vector<ProcessorTime> after = sample();
    clock.QueryPerformanceCounter(ended);
    ASSERT_EQ(before.size(), processors);
    ASSERT_EQ(after.size(), processors);

    // Each processor's kernel + user time runs with the clock (the count has a coarse step).
    double elapsed = 0;
    for (size_t cpu = 0; cpu < processors; ++cpu) {
        EXPECT_LE(after[cpu].idle - before[cpu].idle, after[cpu].elapsed - before[cpu].elapsed) << cpu;
        elapsed += static_cast<double>(after[cpu].elapsed - before[cpu].elapsed) / 1e7;
    }
    const double wall = static_cast<double>(ended - started) / static_cast<double>(frequency);
    EXPECT_GT(elapsed, 0.25 * wall * static_cast<double>(processors));
    EXPECT_LT(elapsed, 2.0 * (wall + 0.05) * static_cast<double>(processors));
}

TEST(WinProbes, KernelStatisticKeysAnswer) {
    WinKernelStatistic statistic;
    int32_t usage = -1;
    EXPECT_EQ(statistic.Read(usage), ERROR_INVALID_HANDLE);
    EXPECT_EQ(statistic.OpenData(), ERROR_SUCCESS);
    const int32_t read = statistic.Read(usage);
    EXPECT_TRUE(read == ERROR_SUCCESS || read == ERROR_FILE_NOT_FOUND) << read;
    statistic.Stop(usage);  // closes the data key whatever the control key answers
    EXPECT_EQ(statistic.Read(usage), ERROR_INVALID_HANDLE);
}

}  // namespace
}  // namespace kelvor::win32
