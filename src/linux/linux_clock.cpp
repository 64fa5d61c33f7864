#include "linux/linux_clock.h"

#include <time.h>

#include <optional>

#include "probes/proc_uptime.h"

namespace kelvor::x11 {

namespace {

constexpr int64_t kNanosecondsPerSecond = 1000000000;

}  // namespace

int32_t LinuxClock::QueryPerformanceCounter(int64_t& count) {
    timespec now{};
    if (clock_gettime(CLOCK_BOOTTIME, &now) == 0) {
        count = now.tv_sec * kNanosecondsPerSecond + now.tv_nsec;
        return 1;
    }
    const std::optional<int64_t> uptime = uptime_.Read(text_) ? ReadUptimeNanoseconds(text_) : std::nullopt;
    if (!uptime) return 0;
    count = *uptime;
    return 1;
}

int32_t LinuxClock::QueryPerformanceFrequency(int64_t& frequency) {
    frequency = kNanosecondsPerSecond;
    return 1;
}

uint32_t LinuxClock::TickCount() {
    int64_t count = 0;
    if (QueryPerformanceCounter(count) != 1) return 0;
    return static_cast<uint32_t>(count / (kNanosecondsPerSecond / 1000));
}

LocalDateTime LinuxClock::Now() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    localtime_r(&now.tv_sec, &local);
    return {local.tm_year + 1900,
            local.tm_mon + 1,
            local.tm_mday,
            local.tm_hour,
            local.tm_min,
            local.tm_sec,
            static_cast<int>(now.tv_nsec / 1000000)};
}

}  // namespace kelvor::x11
