#include "probes/memory_usage.h"

#include "common/locale_info.h"
#include "common/number_format.h"
#include "common/rounding.h"
#include "common/run_time_error.h"

namespace kelvor {

namespace {

// Bytes in use; the 64-bit counts subtract exactly, the 32-bit ones as signed numbers that must
// not overflow.
double UsedBytes(MemoryStatusSource& source, bool hasMemoryStatusEx) {
    if (hasMemoryStatusEx) {
        const std::optional<PageFileStatusEx> status = source.MemoryStatusEx();
        if (!status) Raise(kErrEntryPointNotFound, "MemStats", "GlobalMemoryStatusEx");
        if (status->TotalPageFile >= status->AvailPageFile)
            return static_cast<double>(status->TotalPageFile - status->AvailPageFile);
        return -static_cast<double>(status->AvailPageFile - status->TotalPageFile);
    }
    const PageFileStatus status = source.MemoryStatus();
    const auto total = static_cast<int32_t>(status.TotalPageFile);
    const auto available = static_cast<int32_t>(status.AvailPageFile);
    return NarrowToInt32(static_cast<int64_t>(total) - available);
}

}  // namespace

std::string MemoryKilobytesText(int64_t kilobytes, LocaleInfo& locale) {
    return FormatGroupedThousands(kilobytes, locale.ThousandsSeparator()) + " K";
}

std::string MemoryUsageText(MemoryStatusSource& source, bool hasMemoryStatusEx, LocaleInfo& locale) {
    try {
        return MemoryKilobytesText(RoundToInt32(UsedBytes(source, hasMemoryStatusEx) / 1024.0), locale);
    } catch (const RunTimeError&) {
        return kMemoryQueryFailed;
    }
}

}  // namespace kelvor
