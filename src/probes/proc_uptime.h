#pragma once
// The time since the system started as the kernel's /proc/uptime gives it: where the boot-time
// clock cannot be read.

#include <cstdint>
#include <optional>
#include <string_view>

namespace kelvor {

// The first number of the text, "350735.47", in nanoseconds; nothing when it is missing, damaged or
// beyond 64 bits.
std::optional<int64_t> ReadUptimeNanoseconds(std::string_view text);

}  // namespace kelvor
