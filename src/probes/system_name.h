#pragma once
// The name and version of Windows as people say it ("Windows 10 Pro 22H2 (build 19045)",
// "Windows 98 Second Edition (4.10.2222)"), from what the version query and the registry tell.

#include <cstdint>
#include <string>

namespace kelvor {

struct WindowsVersionFacts {
    // From the version query (GetVersionExA); all zero when it failed.
    int32_t PlatformId = 0;
    int32_t MajorVersion = 0;
    int32_t MinorVersion = 0;
    int32_t BuildNumber = 0;  // on the 9x family the low word only
    std::string CsdVersion;   // "Service Pack 1"; on the 9x family a letter such as " A"
    // From "SOFTWARE\Microsoft\Windows NT\CurrentVersion" (NT family); empty or 0 where not stored.
    std::string ProductName;     // "Windows 10 Pro", "Microsoft Windows XP"
    std::string DisplayVersion;  // "22H2", or the older ReleaseId "1909"
    int32_t RegistryBuild = 0;   // CurrentBuildNumber, else CurrentBuild
};

// The version query is the authority (under Wine it reports the version Wine is set to); the
// registry's product name and release are used only when its build is the one the query reports.
// Builds from 22000 on are Windows 11, though their product name still says Windows 10.
std::string WindowsSystemName(const WindowsVersionFacts& facts);

}  // namespace kelvor
