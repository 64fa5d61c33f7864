#pragma once
// Number conversions used throughout: rounding half to even, Int (floor), and narrowing that
// checks the target's range and raises "Overflow" instead of clamping.

#include <cstdint>

namespace kelvor {

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -112.5 -> -112).
double RoundHalfEven(double value);

// Int(x): the largest whole number not above x (Int(-2.5) = -3).
double Int(double value);

// Round half to even, then check the range of the target; out of range raises run-time error 6.
uint8_t RoundToByte(double value);
int16_t RoundToInt16(double value);
int32_t RoundToInt32(double value);
int64_t RoundToInt64(double value);

// Checked narrowing of whole numbers.
uint8_t NarrowToByte(int64_t value);
int16_t NarrowToInt16(int64_t value);
int32_t NarrowToInt32(int64_t value);

// Round to the nearest value representable in single precision.
inline float ToSingle(double value) { return static_cast<float>(value); }

}  // namespace kelvor
