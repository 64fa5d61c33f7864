#pragma once
// Breaks a line of items separated by blanks (the processor figures) onto continuation lines.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace kelvor {

// The line with a lone carriage return in place of each blank where the next item would make the
// line measure more than `width`; the first `keep` characters (a caption) stay with the first item.
// A line that fits comes back as it is; an item wider than `width` alone gets a line of its own.
std::string WrapAtBlanks(std::string_view line, size_t keep, int32_t width,
                         const std::function<int32_t(std::string_view)>& measure);

}  // namespace kelvor
