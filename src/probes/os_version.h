#pragma once
// Which family and version of Windows the program runs on, and what that version offers.

#include <cstdint>
#include <string>

#include "common/windows_family.h"

namespace kelvor {

struct WindowsVersion {
    int32_t PlatformId = 0;
    int32_t MajorVersion = 0;
    int32_t MinorVersion = 0;
    int32_t BuildNumber = 0;  // on the 9x family the low word only
    std::string CsdVersion;   // "Service Pack 1"; on the 9x family a letter such as " A"
};

// The platform's version query (GetVersionExA).
class VersionSource {
public:
    virtual ~VersionSource() = default;
    // Returns the platform's success flag; on failure `version` is left all zero.
    virtual bool QueryVersion(WindowsVersion& version) = 0;
};

// Read once at start-up; only PlatformId 2 counts as the NT family.
struct OsCapabilities {
    int32_t PlatformId = 0;
    bool HasMultiMonitor = false;
    bool HasMemoryStatusEx = false;
    WindowsFamily Family() const { return FamilyOf(PlatformId); }
};

// A version that cannot be read counts as platform 0 without either capability.
OsCapabilities ReadOSVersion(VersionSource& source);

}  // namespace kelvor
