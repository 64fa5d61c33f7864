#include "probes/uptime_clock.h"

#include <cstdint>

#include "common/clock.h"
#include "common/date_time_format.h"
#include "common/rounding.h"
#include "common/run_time_error.h"

namespace kelvor {

namespace {

// Nearest whole second, halves to even; an uptime beyond the 32-bit range raises Overflow.
int32_t WholeSeconds(int64_t uptime) { return RoundToInt32(static_cast<double>(uptime) / kUptimeUnitsPerSecond); }

std::string PaddedTwo(int32_t value) { return (value < 10 ? ":0" : ":") + std::to_string(value); }

}  // namespace

int64_t UptimeClock::UptimeSeconds() {
    int64_t count = 0;
    if (clock_.QueryPerformanceCounter(count) == 1) {
        int64_t frequency = 0;
        clock_.QueryPerformanceFrequency(frequency);
        if (frequency == 0) return kUptimeFailed;
        try {
            const double seconds = static_cast<double>(count) / static_cast<double>(frequency);
            return RoundToInt64(seconds * kUptimeUnitsPerSecond);
        } catch (const RunTimeError&) {
            return kUptimeFailed;
        }
    }
    // The tick count turns negative as a signed number after 2^31 ms (about 24.8 days). The sign
    // is tested before dividing, so that the last second before the count wraps does not read as 0.
    const auto ticks = static_cast<int32_t>(clock_.TickCount());
    if (ticks < 0) return kUptimeFailed;
    return int64_t{ticks / 1000} * kUptimeUnitsPerSecond;
}

std::string UptimeClock::UptimeText() {
    int64_t uptime = UptimeSeconds();
    if (uptime == kUptimeFailed) return "uptime query failed";
    try {
        // Each unit is taken from the remainder rounded afresh, so a fraction that rounds up
        // carries into the larger units (86399.6 s reads 1 day, 0:00:00).
        const int32_t days = WholeSeconds(uptime) / 86400;
        if (days > 0) uptime -= int64_t{days} * 86400 * kUptimeUnitsPerSecond;
        const int32_t hours = WholeSeconds(uptime) / 3600;
        if (hours > 0) uptime -= int64_t{hours} * 3600 * kUptimeUnitsPerSecond;
        const int32_t minutes = WholeSeconds(uptime) / 60;
        const int32_t seconds = WholeSeconds(uptime) % 60;
        return std::to_string(days) + (days == 1 ? " day, " : " days, ") + std::to_string(hours) + PaddedTwo(minutes) +
               PaddedTwo(seconds);
    } catch (const RunTimeError& error) {
        return "failed to calculate uptime: " + error.Description();
    }
}

std::string UptimeClock::StartTimeText(uint8_t timeFormat) {
    if (!cachedStartTime_.empty()) return cachedStartTime_;
    int32_t seconds = -99;
    try {
        seconds = WholeSeconds(UptimeSeconds());
    } catch (const RunTimeError&) {
        // An uptime beyond whole 32-bit seconds is as unusable as a failed measurement.
    }
    if (seconds == -99) {
        cachedStartTime_ = "unknown time";
    } else {
        const LocalDateTime start = SubtractSeconds(clock_.Now(), seconds);
        cachedStartTime_ = FormatDateDdMmmYy(start, locale_) + " " + FormatTimeOfDay(start, timeFormat);
    }
    return cachedStartTime_;
}

}  // namespace kelvor
