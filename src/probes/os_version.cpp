#include "probes/os_version.h"

namespace kelvor {

OsCapabilities ReadOSVersion(VersionSource& source) {
    WindowsVersion version;
    if (!source.QueryVersion(version)) version = {};

    const int32_t platform = version.PlatformId;
    const int32_t major = version.MajorVersion;
    OsCapabilities capabilities;
    capabilities.PlatformId = platform;
    capabilities.HasMemoryStatusEx = (platform == kPlatformNt && major >= 5) || platform > kPlatformNt;
    // Windows 98 (4.10) brought the multi-monitor calls to the 9x family, 2000 (5.0) to NT.
    capabilities.HasMultiMonitor =
        (platform == kPlatform9x && (major >= 5 || (major == 4 && version.MinorVersion > 0))) ||
        (platform == kPlatformNt && major >= 5);
    return capabilities;
}

}  // namespace kelvor
