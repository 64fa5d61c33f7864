#pragma once
// The memory figure of the information display: the commit charge (page-file total minus
// available) in kilobytes.

#include <cstdint>
#include <optional>
#include <string>

namespace kelvor {

class LocaleInfo;

struct PageFileStatus {
    uint32_t TotalPageFile = 0;
    uint32_t AvailPageFile = 0;
};

struct PageFileStatusEx {
    uint64_t TotalPageFile = 0;
    uint64_t AvailPageFile = 0;
};

// The platform's memory status calls.
class MemoryStatusSource {
public:
    virtual ~MemoryStatusSource() = default;
    // GlobalMemoryStatus: 32-bit figures.
    virtual PageFileStatus MemoryStatus() = 0;
    // GlobalMemoryStatusEx: 64-bit figures; nullopt when the system lacks the call.
    virtual std::optional<PageFileStatusEx> MemoryStatusEx() = 0;
};

inline constexpr char kMemoryQueryFailed[] = "memory query failed";

// "262,144 K" with the locale's thousands separator; " K" for 0.
std::string MemoryKilobytesText(int64_t kilobytes, LocaleInfo& locale);

// The kilobytes in use as MemoryKilobytesText shows them (" K" below half a kilobyte), or
// kMemoryQueryFailed, also where the figures claim more available than there is.
std::string MemoryUsageText(MemoryStatusSource& source, bool hasMemoryStatusEx, LocaleInfo& locale);

}  // namespace kelvor
