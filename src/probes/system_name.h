#pragma once
// The name and version of Windows as people say it ("Windows 10 Pro 22H2 (build 19045)",
// "Windows 98 Second Edition (4.10.2222)"), from what the version query and the registry tell.

#include <cstdint>
#include <string>

#include "probes/os_version.h"
#include "settings/registry.h"

namespace kelvor {

struct WindowsVersionFacts {
    // From the version query (GetVersionExA); all zero when it failed.
    WindowsVersion Version;
    // From "SOFTWARE\Microsoft\Windows NT\CurrentVersion" (NT family); empty or 0 where not stored.
    std::string ProductName;     // "Windows 10 Pro", "Microsoft Windows XP"
    std::string DisplayVersion;  // "22H2", or the older ReleaseId "1909"
    int32_t RegistryBuild = 0;   // CurrentBuildNumber, else CurrentBuild
};

// The version query is the authority (under Wine it reports the version Wine is set to); the
// registry's product name and release are used only when its build is the one the query reports.
// Builds from 22000 on are Windows 11, though their product name still says Windows 10.
std::string WindowsSystemName(const WindowsVersionFacts& facts);

// The key that describes the installed NT system.
inline constexpr char kWindowsNtVersionKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

// Asks the version query and, on the NT family, the registry, and names the system by the rule above.
std::string ReadWindowsSystemName(VersionSource& version, Registry& registry);

}  // namespace kelvor
