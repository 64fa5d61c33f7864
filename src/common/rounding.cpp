#include "common/rounding.h"

#include <cmath>
#include <limits>

#include "common/run_time_error.h"

namespace kelvor {

double RoundHalfEven(double value) {
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff < 0.5) return floor;
    if (diff > 0.5) return floor + 1.0;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

double Int(double value) { return std::floor(value); }

namespace {

template <typename Target>
Target NarrowReal(double value) {
    if (!std::isfinite(value)) RaiseOverflow();
    const double rounded = RoundHalfEven(value);
    // Compare in double: the bounds of every target up to 32 bits are exact there.
    if (rounded < static_cast<double>(std::numeric_limits<Target>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Target>::max()))
        RaiseOverflow();
    return static_cast<Target>(rounded);
}

template <typename Target>
Target NarrowWhole(int64_t value) {
    if (value < static_cast<int64_t>(std::numeric_limits<Target>::min()) ||
        value > static_cast<int64_t>(std::numeric_limits<Target>::max()))
        RaiseOverflow();
    return static_cast<Target>(value);
}

}  // namespace

uint8_t RoundToByte(double value) { return NarrowReal<uint8_t>(value); }
int16_t RoundToInt16(double value) { return NarrowReal<int16_t>(value); }
int32_t RoundToInt32(double value) { return NarrowReal<int32_t>(value); }

int64_t RoundToInt64(double value) {
    if (!std::isfinite(value)) RaiseOverflow();
    const double rounded = RoundHalfEven(value);
    // 2^63 is exact in double; anything at or beyond it does not fit.
    if (rounded < -9223372036854775808.0 || rounded >= 9223372036854775808.0) RaiseOverflow();
    return static_cast<int64_t>(rounded);
}

uint8_t NarrowToByte(int64_t value) { return NarrowWhole<uint8_t>(value); }
int16_t NarrowToInt16(int64_t value) { return NarrowWhole<int16_t>(value); }
int32_t NarrowToInt32(int64_t value) { return NarrowWhole<int32_t>(value); }

}  // namespace kelvor
