#pragma once
// The two number patterns the display uses.

#include <cstdint>
#include <string>

namespace kelvor {

// Pattern "0#": at least two digits (7 -> "07", 100 -> "100", -3 -> "-03").
std::string FormatAtLeastTwoDigits(int64_t value);

// Pattern "#,###": groups of three joined by the locale's separator, no leading zeros; 0 gives "".
std::string FormatGroupedThousands(int64_t value, const std::string& separator);

}  // namespace kelvor
