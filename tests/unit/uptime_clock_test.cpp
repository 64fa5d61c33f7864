#include <gtest/gtest.h>

#include "fakes/fake_clock.h"
#include "fakes/fake_locale.h"
#include "probes/uptime_clock.h"

namespace kelvor {
namespace {

class Uptime : public ::testing::Test {
protected:
    // A performance counter that ticks 10,000 times a second shows the uptime exactly.
    void RunningFor(double seconds) {
        clock.counterResult = 1;
        clock.frequency = 10000;
        clock.counter = static_cast<int64_t>(seconds * 10000);
    }
    void WithoutCounter(uint32_t milliseconds) {
        clock.counterResult = 0;
        clock.tickCount = milliseconds;
    }

    FakeClock clock;
    FakeLocale locale;
    UptimeClock uptime{clock, locale};
};

TEST_F(Uptime, TheCounterGivesTenThousandthsAndTheTickCountWholeSeconds) {
    clock.counter = 12345678;
    clock.frequency = 3;
    EXPECT_EQ(uptime.UptimeSeconds(), 41152260000);
    clock.counter = 10;
    EXPECT_EQ(uptime.UptimeSeconds(), 33333);
    clock.counterResult = 2;  // only a result of exactly 1 counts
    clock.tickCount = 90061999;
    EXPECT_EQ(uptime.UptimeSeconds(), 900610000);
    clock.tickCount = 0x7FFFFFFF;
    EXPECT_EQ(uptime.UptimeSeconds(), 21474830000);
}

TEST_F(Uptime, UnusableReadingsGiveTheFailureValue) {
    clock.frequency = 0;
    EXPECT_EQ(uptime.UptimeSeconds(), kUptimeFailed);
    clock.frequency = 1000;
    clock.frequencyResult = 0;
    EXPECT_EQ(uptime.UptimeSeconds(), kUptimeFailed);
    clock.frequencyResult = 1;
    clock.counter = INT64_MAX;  // beyond the fixed-point range
    clock.frequency = 1;
    EXPECT_EQ(uptime.UptimeSeconds(), kUptimeFailed);
    WithoutCounter(0x80000000u);  // 24.8 days: the signed tick count turns negative
    EXPECT_EQ(uptime.UptimeSeconds(), kUptimeFailed);
    WithoutCounter(0xFFFFFFFFu);  // just before the count wraps: -1 ms, not 0 s
    EXPECT_EQ(uptime.UptimeSeconds(), kUptimeFailed);
    EXPECT_EQ(kUptimeFailed, -990000);
}

TEST_F(Uptime, TextSplitsIntoDaysHoursMinutesAndSeconds) {
    const std::vector<std::pair<double, std::string>> cases{
        {0, "0 days, 0:00:00"},      {90061, "1 day, 1:01:01"},       {200000, "2 days, 7:33:20"},
        {59.5, "0 days, 0:01:00"},   {58.5, "0 days, 0:00:58"},       {36000, "0 days, 10:00:00"},
        {3600, "0 days, 1:00:00"},   {86399.6, "1 day, 0:00:00"},     {3599.5, "0 days, 1:00:00"},
        {172800, "2 days, 0:00:00"}, {86400 + 609, "1 day, 0:10:09"},
    };
    for (const auto& [seconds, text] : cases) {
        RunningFor(seconds);
        EXPECT_EQ(uptime.UptimeText(), text) << seconds;
    }
}

TEST_F(Uptime, FailuresBecomeTheirTexts) {
    WithoutCounter(25u * 86400 * 1000);
    EXPECT_EQ(uptime.UptimeText(), "uptime query failed");
    EXPECT_EQ(uptime.StartTimeText(1), "unknown time");
    WithoutCounter(1000);  // the failure stays for the rest of the run
    EXPECT_EQ(uptime.StartTimeText(1), "unknown time");
    EXPECT_EQ(uptime.UptimeText(), "0 days, 0:00:01");

    RunningFor(3e9);  // more whole seconds than 32 bits hold
    EXPECT_EQ(uptime.UptimeText(), "failed to calculate uptime: Overflow");
    UptimeClock fresh(clock, locale);
    EXPECT_EQ(fresh.StartTimeText(1), "unknown time");

    // The largest uptime whose whole seconds still fit: 2^31 - 1 s (and a fraction that rounds
    // down) before 7 Dec 2026 12:00:00 is 19 Nov 1958 08:45:53.
    clock.counter = int64_t{INT32_MAX} * 10000 + 4999;
    UptimeClock longest(clock, locale);
    EXPECT_EQ(longest.StartTimeText(1), "19-Nov-58 08:45:53");
    clock.counter += 1;  // rounds up past the 32-bit range
    UptimeClock tooLong(clock, locale);
    EXPECT_EQ(tooLong.StartTimeText(1), "unknown time");
}

TEST_F(Uptime, StartTimeIsWorkedOutOnceInTheFormatThenInForce) {
    clock.now = {2026, 12, 6, 15, 7, 50, 0};
    RunningFor(100);
    EXPECT_EQ(uptime.StartTimeText(1), "06-Dec-26 15:06:10");
    clock.now = {2027, 1, 1, 0, 0, 30, 0};
    EXPECT_EQ(uptime.StartTimeText(0), "06-Dec-26 15:06:10");

    UptimeClock twelveHour(clock, locale);
    RunningFor(60.5);  // rounds to the even 60
    EXPECT_EQ(twelveHour.StartTimeText(0), "31-Dec-26 11:59:30 pm");
    UptimeClock byTicks(clock, locale);
    WithoutCounter(86400999);
    EXPECT_EQ(byTicks.StartTimeText(0), "31-Dec-26 12:00:30 am");
}

}  // namespace
}  // namespace kelvor
