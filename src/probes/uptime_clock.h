#pragma once
// How long the computer has been running ("up for") and when it started ("up since").

#include <cstdint>
#include <string>

namespace kelvor {

class Clock;
class LocaleInfo;

// Uptime values are seconds in fixed point: ten-thousandths of a second in a 64-bit integer.
inline constexpr int64_t kUptimeUnitsPerSecond = 10000;
// -99 seconds: the measurement failed. Never a real uptime.
inline constexpr int64_t kUptimeFailed = -99 * kUptimeUnitsPerSecond;

class UptimeClock {
public:
    // Both must outlive the clock.
    UptimeClock(Clock& clock, LocaleInfo& locale) : clock_(clock), locale_(locale) {}

    // From the performance counter, or else the tick count in whole seconds; kUptimeFailed when
    // neither gives a usable figure.
    int64_t UptimeSeconds();
    // "2 days, 7:33:20", "uptime query failed" or "failed to calculate uptime: " + description.
    std::string UptimeText();
    // "06-Dec-26 3:06:10 pm" (time pattern from bit value 1 of `timeFormat`) or "unknown time";
    // worked out on the first call and then kept for the life of the object.
    std::string StartTimeText(uint8_t timeFormat);

private:
    Clock& clock_;
    LocaleInfo& locale_;
    std::string cachedStartTime_;
};

}  // namespace kelvor
