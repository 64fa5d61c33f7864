#include "probes/memory_usage.h"

#include "common/locale_info.h"
#include "common/number_format.h"
#include "common/rounding.h"
#include "common/run_time_error.h"

namespace kelvor {

namespace {

// Bytes in use, never negative: figures in which more is available than there is in all cannot be
// shown, and raise the failure.
uint64_t Used(uint64_t total, uint64_t available) {
    if (available > total) Raise(kErrOverflow, "MemStats");
    return total - available;
}

uint64_t UsedBytesEx(MemoryStatusSource& source) {
    const std::optional<PageFileStatusEx> status = source.MemoryStatusEx();
    if (!status) Raise(kErrEntryPointNotFound, "MemStats", "GlobalMemoryStatusEx");
    return Used(status->TotalPageFile, status->AvailPageFile);
}

uint64_t UsedBytes(MemoryStatusSource& source, bool hasMemoryStatusEx) {
    if (hasMemoryStatusEx) return UsedBytesEx(source);
    // The 32-bit figures are unsigned, and capped where the machine has more: capped figures can
    // contradict each other, and then the 64-bit call answers where the system has it.
    const PageFileStatus status = source.MemoryStatus();
    if (status.AvailPageFile > status.TotalPageFile && source.MemoryStatusEx()) return UsedBytesEx(source);
    return Used(status.TotalPageFile, status.AvailPageFile);
}

}  // namespace

std::string MemoryKilobytesText(int64_t kilobytes, LocaleInfo& locale) {
    return FormatGroupedThousands(kilobytes, locale.ThousandsSeparator()) + " K";
}

std::string MemoryUsageText(MemoryStatusSource& source, bool hasMemoryStatusEx, LocaleInfo& locale) {
    try {
        const auto used = static_cast<double>(UsedBytes(source, hasMemoryStatusEx));
        return MemoryKilobytesText(RoundToInt32(used / 1024.0), locale);
    } catch (const RunTimeError&) {
        return kMemoryQueryFailed;
    }
}

}  // namespace kelvor
