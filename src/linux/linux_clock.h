#pragma once
// Linux's clocks: the boot-time clock (which, unlike the monotonic one, counts suspended time too)
// as the high-resolution counter, /proc/uptime where that clock cannot be read, and local time.

#include "common/clock.h"
#include "linux/linux_kernel_text.h"

namespace kelvor::x11 {

class LinuxClock final : public Clock {
public:
    // Nanoseconds since the system started.
    int32_t QueryPerformanceCounter(int64_t& count) override;
    int32_t QueryPerformanceFrequency(int64_t& frequency) override;
    uint32_t TickCount() override;
    LocalDateTime Now() override;

private:
    LinuxKernelText uptime_{"/proc/uptime"};
    std::string text_;
};

}  // namespace kelvor::x11
