#include "probes/proc_uptime.h"

#include "probes/kernel_text.h"

namespace kelvor {

namespace {

constexpr int kFractionDigits = 9;  // nanoseconds

}  // namespace

std::optional<int64_t> ReadUptimeNanoseconds(std::string_view text) {
    uint64_t seconds = 0;
    if (!TakeNumber(text, seconds)) return std::nullopt;
    uint64_t fraction = 0;
    int digits = 0;
    if (!text.empty() && text.front() == '.') {
        text.remove_prefix(1);
        // Digits past the ninth are below a nanosecond and dropped.
        for (; !text.empty() && text.front() >= '0' && text.front() <= '9'; text.remove_prefix(1), ++digits) {
            if (digits < kFractionDigits) fraction = fraction * 10 + static_cast<uint64_t>(text.front() - '0');
        }
        if (digits == 0) return std::nullopt;
    }
    for (int scale = digits; scale < kFractionDigits; ++scale) fraction *= 10;
    if (!text.empty() && text.front() != ' ' && text.front() != '\n') return std::nullopt;
    uint64_t nanoseconds = 0;
    if (__builtin_mul_overflow(seconds, uint64_t{1000000000}, &nanoseconds) ||
        __builtin_add_overflow(nanoseconds, fraction, &nanoseconds) || nanoseconds > INT64_MAX)
        return std::nullopt;
    return static_cast<int64_t>(nanoseconds);
}

}  // namespace kelvor
