#pragma once
// The platform's clocks: the high-resolution counter, the millisecond tick count and local time.

#include <cstdint>

namespace kelvor {

struct LocalDateTime {
    int year = 0;
    int month = 0;  // 1 to 12
    int day = 0;    // 1 to 31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    // Each returns the platform's success flag (1 on success) and fills its argument.
    virtual int32_t QueryPerformanceCounter(int64_t& count) = 0;
    virtual int32_t QueryPerformanceFrequency(int64_t& frequency) = 0;
    // Milliseconds since the system started, wrapping at 2^32.
    virtual uint32_t TickCount() = 0;
    virtual LocalDateTime Now() = 0;
};

}  // namespace kelvor
