#pragma once
// The refresh timer's interval: the display window's timer and the movers' dwell time both use it.

#include <cstdint>

namespace kelvor {

inline constexpr int32_t kTimerIntervalMs = 100;

}  // namespace kelvor
