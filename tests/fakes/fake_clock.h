#pragma once
// A clock whose readings the test sets.

#include "common/clock.h"

namespace kelvor {

class FakeClock final : public Clock {
public:
    int32_t QueryPerformanceCounter(int64_t& count) override {
        if (counterResult == 1) count = counter;
        return counterResult;
    }
    // Like the platform, a failed frequency query reports 0.
    int32_t QueryPerformanceFrequency(int64_t& value) override {
        value = frequencyResult == 1 ? frequency : 0;
        return frequencyResult;
    }
    uint32_t TickCount() override { return tickCount; }
    LocalDateTime Now() override { return now; }

    int32_t counterResult = 1;
    int64_t counter = 0;
    int32_t frequencyResult = 1;
    int64_t frequency = 10000000;
    uint32_t tickCount = 0;
    LocalDateTime now{2026, 12, 7, 12, 0, 0, 0};
};

}  // namespace kelvor
