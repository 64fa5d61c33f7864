#include <gtest/gtest.h>

#include "fakes/fake_kernel_text.h"
#include "probes/proc_stat.h"

namespace kelvor {
namespace {

// As a two-processor kernel of today writes it: ten times a line, other counters after.
constexpr char kTwoProcessors[] =
    "cpu  509964 1 262970 309228 2584 0 4432 0 0 0\n"
    "cpu0 248774 1 127799 165504 577 0 2113 0 0 0\n"
    "cpu1 261189 0 135170 143723 2007 0 2319 0 0 0\n"
    "intr 20289716 0 0 0 0 0 0 0 0 0 1099 639\n"
    "ctxt 66328650\n"
    "btime 1765140000\n"
    "processes 52213\n"
    "procs_running 3\n"
    "procs_blocked 0\n"
    "softirq 9474112 0 1716063 1 4402 0 0 7 3151244 0 4602395\n";

std::string ProcessorLine(int number, uint64_t busy, uint64_t idle) {
    // Busy time split over user, system and irq; idle over idle and iowait.
    return "cpu" + std::to_string(number) + " " + std::to_string(busy / 2) + " 0 " +
           std::to_string(busy - busy / 2 - 1) + " " + std::to_string(idle - 1) + " 1 1 0 0 0 0\n";
}

TEST(ReadProcStat, EachProcessorsIdleAndElapsedTimes) {
    const auto processors = ReadProcStat(kTwoProcessors);
    ASSERT_TRUE(processors.has_value());
    ASSERT_EQ(processors->size(), 2u);
    EXPECT_EQ((*processors)[0].number, 0u);
    EXPECT_EQ((*processors)[0].idle, 165504u + 577u);
    EXPECT_EQ((*processors)[0].elapsed, 248774u + 1 + 127799 + 165504 + 577 + 0 + 2113 + 0);
    EXPECT_EQ((*processors)[1].number, 1u);
    EXPECT_EQ((*processors)[1].idle, 143723u + 2007u);

    // The oldest kernels give four times a line, and processors taken off line leave gaps.
    const auto old = ReadProcStat("cpu  10 0 10 80\ncpu0 5 0 5 40\ncpu2 5 0 5 40\n");
    ASSERT_TRUE(old.has_value());
    ASSERT_EQ(old->size(), 2u);
    EXPECT_EQ((*old)[1].number, 2u);
    EXPECT_EQ((*old)[1].idle, 40u);
    EXPECT_EQ((*old)[1].elapsed, 50u);
}

TEST(ReadProcStat, DamagedTextGivesNothing) {
    const char* damaged[] = {
        "",
        "cpu  1 2 3 4\n",                     // the summary alone
        "cpu0 1 2 3\n",                       // three times
        "cpu0 1 2 x 4\n",                     // not a number
        "cpu0 1 2 3 4 5 6 7 8 9 10 junk\n",   // trailing junk
        "cpu0 1 2 3 4\ncpu0 1 2 3 4\n",       // twice the same processor
        "cpu0 18446744073709551615 1 0 0\n",  // total beyond 64 bits
        "cpu0 99999999999999999999 1 2 3\n",  // number beyond 64 bits
        "cpu4294967296 1 2 3 4\n",            // processor number beyond 32 bits
        "cpu0 -1 2 3 4\n",
    };
    for (const char* text : damaged) EXPECT_FALSE(ReadProcStat(text).has_value()) << text;
    // Other lines that start with "cpu" but name no processor are not processor lines.
    EXPECT_TRUE(ReadProcStat("cpufreq whatever\ncpu0 1 2 3 4\n").has_value());
}

TEST(ProcStatLoadMonitor, LoadsBetweenTheLastTwoReadings) {
    FakeKernelText stat;
    ProcStatLoadMonitor monitor(stat);
    stat.text = "cpu  0 0 0 0\n" + ProcessorLine(0, 300, 700) + ProcessorLine(1, 900, 100);
    // The first reading covers the time since the system started.
    EXPECT_EQ(monitor.LoadText(), "30% 90%");
    stat.text = ProcessorLine(0, 300 + 25, 700 + 75) + ProcessorLine(1, 900 + 3, 100 + 97);
    EXPECT_EQ(monitor.LoadText(), "25% 03%");
    stat.text = ProcessorLine(0, 325, 775) + ProcessorLine(1, 1003, 197);
    EXPECT_EQ(monitor.LoadText(), "00% 100%");  // no time at all on the first counts as no load
    EXPECT_EQ(stat.reads, 3);
}

TEST(ProcStatLoadMonitor, OneProcessorHasASpaceBeforeThePercentSign) {
    FakeKernelText stat;
    ProcStatLoadMonitor monitor(stat);
    stat.text = ProcessorLine(0, 42, 58);
    EXPECT_EQ(monitor.LoadText(), "42 %");
}

TEST(ProcStatLoadMonitor, FailuresShowAndANewSetOfProcessorsStartsAfresh) {
    FakeKernelText stat;
    ProcStatLoadMonitor monitor(stat);
    stat.readable = false;
    EXPECT_EQ(monitor.LoadText(), "CPU query failed");
    stat.readable = true;
    stat.text = "cpu0 1 2\n";
    EXPECT_EQ(monitor.LoadText(), "CPU query failed");

    stat.text = ProcessorLine(0, 100, 100) + ProcessorLine(1, 100, 100);
    EXPECT_EQ(monitor.LoadText(), "50% 50%");
    // A damaged reading leaves the last good one as the base of the next.
    stat.text = "garbage";
    EXPECT_EQ(monitor.LoadText(), "CPU query failed");
    stat.text = ProcessorLine(0, 110, 190) + ProcessorLine(1, 190, 110);
    EXPECT_EQ(monitor.LoadText(), "10% 90%");
    // Busy time gone back by a hundred million while idle time went on: a share no whole number
    // holds fails that reading only, and every processor's counts still become the next base.
    stat.text = ProcessorLine(0, 100000110, 190) + ProcessorLine(1, 200, 200);
    EXPECT_EQ(monitor.LoadText(), "100% 10%");
    stat.text = ProcessorLine(0, 110, 100000191) + ProcessorLine(1, 290, 210);
    EXPECT_EQ(monitor.LoadText(), "CPU query failed");
    stat.text = ProcessorLine(0, 160, 100000241) + ProcessorLine(1, 300, 300);
    EXPECT_EQ(monitor.LoadText(), "50% 10%");
    // Processor 1 went off line and 2 came on: the readings of processor 2 start from zero rather
    // than from processor 1's.
    stat.text = ProcessorLine(0, 120, 280) + ProcessorLine(2, 20, 80);
    EXPECT_EQ(monitor.LoadText(), "30% 20%");
}

}  // namespace
}  // namespace kelvor
