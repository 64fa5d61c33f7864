#pragma once
// The memory line on Linux: the kernel's commit charge, "Committed_AS" in /proc/meminfo, which like
// the Windows figure counts the memory that processes have been promised, in use or not.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "probes/kernel_text.h"

namespace kelvor {

class LocaleInfo;

// The kilobytes of the "Committed_AS:" line; nothing when the line is missing or damaged.
std::optional<int64_t> ReadCommittedKilobytes(std::string_view text);

// "1,336,604 K" (the same form as on Windows), or "memory query failed".
std::string CommittedMemoryText(KernelText& meminfo, LocaleInfo& locale);

}  // namespace kelvor
