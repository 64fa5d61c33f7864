#include <gtest/gtest.h>

#include "fakes/fake_kernel_text.h"
#include "fakes/fake_locale.h"
#include "probes/kernel_text.h"
#include "probes/proc_meminfo.h"
#include "probes/proc_net_dev.h"
#include "probes/proc_uptime.h"

namespace kelvor {
namespace {

constexpr char kNetDevHeading[] =
    "Inter-|   Receive                                                |  Transmit\n"
    " face |bytes    packets errs drop fifo frame compressed multicast|bytes    packets errs drop fifo colls carrier "
    "compressed\n";

std::string NetDevLine(const std::string& name, uint64_t received, uint64_t sent) {
    return "  " + name + ": " + std::to_string(received) + "    2241    0    0    0     0          0         0 " +
           std::to_string(sent) + "    2241    0    0    0     0       0          0\n";
}

TEST(KernelTextNumbers, TakenUpToTheLargest64BitValueAndSkippedAtAnyLength) {
    std::string_view text = " \t18446744073709551615 9999999999999999999 12x";
    uint64_t number = 0;
    ASSERT_TRUE(TakeNumber(text, number));
    EXPECT_EQ(number, UINT64_MAX);
    ASSERT_TRUE(TakeNumber(text, number));
    EXPECT_EQ(number, 9999999999999999999u);
    ASSERT_TRUE(TakeNumber(text, number));
    EXPECT_EQ(number, 12u);
    EXPECT_EQ(text, "x");
    EXPECT_FALSE(TakeNumber(text, number));
    EXPECT_FALSE(SkipNumber(text));
    EXPECT_EQ(text, "x");
    // One more than fits, and one digit more: refused, the text left as it was.
    for (const std::string_view tooLarge : {"18446744073709551616", "100000000000000000000"}) {
        text = tooLarge;
        EXPECT_FALSE(TakeNumber(text, number)) << tooLarge;
        EXPECT_EQ(text, tooLarge);
        EXPECT_TRUE(SkipNumber(text)) << tooLarge;
        EXPECT_TRUE(text.empty());
    }
}

TEST(ReadNetDevTotals, SumsEveryInterfaceButTheLoopback) {
    const std::string text = kNetDevHeading + NetDevLine("lo", 135987, 135987) + NetDevLine("ifb0", 0, 0) +
                             NetDevLine("eth0", 703843820, 490362) + NetDevLine("wlan0", 1000, 24);
    const NetDevTotals totals = ReadNetDevTotals(text);
    EXPECT_EQ(totals.received, 703844820);
    EXPECT_EQ(totals.sent, 490386);
    // Old kernels put large counters right after the colon.
    const NetDevTotals packed =
        ReadNetDevTotals(std::string(kNetDevHeading) + "  eth0:4294967296 1 0 0 0 0 0 0 12 1 0 0 0 0 0 0\n");
    EXPECT_EQ(packed.received, 4294967296);
    EXPECT_EQ(packed.sent, 12);
    // Only the headings: no interface yet.
    EXPECT_EQ(ReadNetDevTotals(kNetDevHeading).received, 0);
}

TEST(ReadNetDevTotals, DamagedLinesEmptyTheTotalsAndOverflowLeavesAnInterfaceOut) {
    const std::string good = kNetDevHeading + NetDevLine("eth0", 100, 200);
    const char* damaged[] = {
        "  eth1 100 1 0 0 0 0 0 0 200\n",                  // no colon
        "  eth1: 100 1 0 0 0 0 0 0\n",                     // the sent bytes missing
        "  eth1: 100 1 0 0 0 0 0 0 x 1\n",                 // not a number
        "  eth1: 18446744073709551615 1 0 0 0 0 0 0 1\n",  // beyond a signed 64-bit total
    };
    for (const char* line : damaged) {
        const NetDevTotals totals = ReadNetDevTotals(good + line);
        EXPECT_EQ(totals.received, 0) << line;
        EXPECT_EQ(totals.sent, 0) << line;
    }
    const NetDevTotals overflowing =
        ReadNetDevTotals(kNetDevHeading + NetDevLine("eth0", 9223372036854775000u, 5) + NetDevLine("eth1", 1000, 6));
    EXPECT_EQ(overflowing.received, 9223372036854775000);
    EXPECT_EQ(overflowing.sent, 11);
}

TEST(ProcNetDevActivity, MarksTurnWhileTheTotalsGrow) {
    FakeKernelText netDev;
    ProcNetDevActivity activity(netDev);
    netDev.text = kNetDevHeading + NetDevLine("eth0", 100, 0);
    EXPECT_EQ(activity.Status(), "Network activity: rx: /  tx: |");
    netDev.text = kNetDevHeading + NetDevLine("eth0", 150, 10) + NetDevLine("lo", 99999, 99999);
    EXPECT_EQ(activity.Status(), "Network activity: rx: \\  tx: /");
    EXPECT_EQ(activity.Status(), "Network activity: rx: |  tx: |");
    netDev.readable = false;
    EXPECT_EQ(activity.Status(), "??");
}

TEST(ReadCommittedKilobytes, TheCommittedLineOrNothing) {
    EXPECT_EQ(ReadCommittedKilobytes("MemTotal:       16374784 kB\nMemFree:          981228 kB\n"
                                     "CommitLimit:     8187392 kB\nCommitted_AS:    1336604 kB\n"
                                     "VmallocTotal:   34359738367 kB\n"),
              1336604);
    EXPECT_EQ(ReadCommittedKilobytes("MemTotal: 1 kB\n"), std::nullopt);
    EXPECT_EQ(ReadCommittedKilobytes("Committed_AS: kB\n"), std::nullopt);
    EXPECT_EQ(ReadCommittedKilobytes("Committed_AS: 12 MB\n"), std::nullopt);
    EXPECT_EQ(ReadCommittedKilobytes("Committed_AS: 99999999999999999999 kB\n"), std::nullopt);
    EXPECT_EQ(ReadCommittedKilobytes("Committed_AS:0 kB"), 0);
}

TEST(CommittedMemoryText, TheWindowsFormOrTheFailureText) {
    FakeKernelText meminfo;
    FakeLocale locale;
    meminfo.text = "Committed_AS:    1336604 kB\n";
    EXPECT_EQ(CommittedMemoryText(meminfo, locale), "1,336,604 K");
    locale.separator = ".";
    EXPECT_EQ(CommittedMemoryText(meminfo, locale), "1.336.604 K");
    meminfo.text = "Committed_AS:    junk\n";
    EXPECT_EQ(CommittedMemoryText(meminfo, locale), "memory query failed");
    meminfo.readable = false;
    EXPECT_EQ(CommittedMemoryText(meminfo, locale), "memory query failed");
}

TEST(ReadUptimeNanoseconds, TheFirstNumberExactly) {
    EXPECT_EQ(ReadUptimeNanoseconds("350735.47 234388.90\n"), 350735470000000);
    EXPECT_EQ(ReadUptimeNanoseconds("12 7\n"), 12000000000);
    EXPECT_EQ(ReadUptimeNanoseconds("1.1234567891 0"), 1123456789);
    const char* damaged[] = {"", "abc", ".5 1", "12. 1", "12.5x 1", "-1.0 1", "18446744073.709551616 0"};
    for (const char* text : damaged) EXPECT_EQ(ReadUptimeNanoseconds(text), std::nullopt) << text;
}

}  // namespace
}  // namespace kelvor
