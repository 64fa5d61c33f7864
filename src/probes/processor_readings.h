#pragma once
// One processor's times in the last two samples and the busy share between them, the same whether
// the performance data, the kernel's processor times or Linux's /proc/stat gave the samples; and the
// processor line made of the shares.

#include <cstdint>
#include <span>
#include <string>

namespace kelvor {

// The last two readings of a running time, in whatever unit the source counts (only the ratio of
// two changes is used).
struct TimeReadings {
    uint64_t latest = 0;
    uint64_t previous = 0;

    void Record(uint64_t value) {
        previous = latest;
        latest = value;
    }
    // Wrapping difference of the platform's raw 64-bit values: a count that went backwards comes out
    // negative.
    int64_t Change() const { return static_cast<int64_t>(latest - previous); }
};

struct ProcessorReadings {
    TimeReadings idle;
    // The time that passed for the processor: the sample time of the performance data, or the
    // processor's kernel + user time.
    TimeReadings elapsed;

    // What is left of the elapsed time after the idle time, in percent, rounded half to even; 0 when
    // no time elapsed. Not clamped: an idle time ahead of the elapsed time reads negative.
    int32_t BusyPercent() const;
};

// "42 %" for one processor, "12% 03%" for several (at least two digits each).
std::string ProcessorLoadText(std::span<const int32_t> loads);

}  // namespace kelvor
