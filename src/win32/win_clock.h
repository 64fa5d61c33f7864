#pragma once
// The platform's clocks from kernel32.

#include "common/clock.h"

namespace kelvor::win32 {

class WinClock final : public Clock {
public:
    int32_t QueryPerformanceCounter(int64_t& count) override;
    int32_t QueryPerformanceFrequency(int64_t& frequency) override;
    uint32_t TickCount() override;
    LocalDateTime Now() override;
};

}  // namespace kelvor::win32
