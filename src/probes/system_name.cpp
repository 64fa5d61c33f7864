#include "probes/system_name.h"

#include <charconv>

#include "common/windows_family.h"
#include "settings/registry_helpers.h"

namespace kelvor {
namespace {

constexpr int32_t kFirstWindows11Build = 22000;

// "Windows 7" for 6.1 and so on; "Windows NT 7.2" for a version without a name of its own.
std::string NtNameFromNumbers(int32_t major, int32_t minor, int32_t build) {
    switch (major * 100 + minor) {
    case 351: return "Windows NT 3.51";
    case 400: return "Windows NT 4.0";
    case 500: return "Windows 2000";
    case 501: return "Windows XP";
    case 502: return "Windows Server 2003";
    case 600: return "Windows Vista";
    case 601: return "Windows 7";
    case 602: return "Windows 8";
    case 603: return "Windows 8.1";
    case 1000: return build >= kFirstWindows11Build ? "Windows 11" : "Windows 10";
    default: return "Windows NT " + std::to_string(major) + "." + std::to_string(minor);
    }
}

std::string TrimSpaces(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string NtName(const WindowsVersionFacts& facts) {
    std::string name;
    const std::string product = TrimSpaces(facts.ProductName);
    if (!product.empty() && facts.RegistryBuild == facts.Version.BuildNumber) {
        static constexpr std::string_view kMaker = "Microsoft ";
        static constexpr std::string_view kTen = "Windows 10";
        name = product.starts_with(kMaker) ? product.substr(kMaker.size()) : product;
        if (facts.Version.BuildNumber >= kFirstWindows11Build && name.starts_with(kTen) &&
            (name.size() == kTen.size() || name[kTen.size()] == ' '))
            name.replace(0, kTen.size(), "Windows 11");
        const std::string release = TrimSpaces(facts.DisplayVersion);
        if (!release.empty()) name += " " + release;
    } else {
        name = NtNameFromNumbers(facts.Version.MajorVersion, facts.Version.MinorVersion, facts.Version.BuildNumber);
    }
    const std::string servicePack = TrimSpaces(facts.Version.CsdVersion);
    if (!servicePack.empty()) name += " " + servicePack;
    return name + " (build " + std::to_string(facts.Version.BuildNumber) + ")";
}

// The 9x family names its updates by the letter in the CSD text: 95 B and C are the second OEM
// release (OSR2, OSR2.5), 98 A is the Second Edition.
std::string Win9xName(const WindowsVersionFacts& facts) {
    const std::string letter = TrimSpaces(facts.Version.CsdVersion);
    std::string name;
    switch (facts.Version.MajorVersion * 100 + facts.Version.MinorVersion) {
    case 400: name = letter == "B" ? "Windows 95 OSR2" : letter == "C" ? "Windows 95 OSR2.5" : "Windows 95"; break;
    case 410: name = letter == "A" ? "Windows 98 Second Edition" : "Windows 98"; break;
    case 490: name = "Windows Me"; break;
    default: name = "Windows"; break;
    }
    // The minor version has two digits, as the system shows it: 4.00, 4.10.
    const int32_t minor = facts.Version.MinorVersion;
    name += " (" + std::to_string(facts.Version.MajorVersion) + ".";
    if (minor < 10) name += '0';
    name += std::to_string(minor) + "." + std::to_string(facts.Version.BuildNumber) + ")";
    return name;
}

std::string ReadNtText(Registry& registry, const char* name) {
    std::string text;
    return ReadRegString(registry, RegistryRoot::LocalMachine, kWindowsNtVersionKey, name, text) ? text : "";
}

// A build number stored as text; 0 when there is none.
int32_t ReadNtBuild(Registry& registry, const char* name) {
    const std::string text = ReadNtText(registry, name);
    int32_t build = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), build);
    return error == std::errc() && end == text.data() + text.size() ? build : 0;
}

}  // namespace

std::string ReadWindowsSystemName(VersionSource& version, Registry& registry) {
    WindowsVersionFacts facts;
    if (!version.QueryVersion(facts.Version)) facts.Version = {};
    if (facts.Version.PlatformId == kPlatformNt) {
        facts.ProductName = ReadNtText(registry, "ProductName");
        facts.DisplayVersion = ReadNtText(registry, "DisplayVersion");
        if (facts.DisplayVersion.empty()) facts.DisplayVersion = ReadNtText(registry, "ReleaseId");
        facts.RegistryBuild = ReadNtBuild(registry, "CurrentBuildNumber");
        if (facts.RegistryBuild == 0) facts.RegistryBuild = ReadNtBuild(registry, "CurrentBuild");
    }
    return WindowsSystemName(facts);
}

std::string WindowsSystemName(const WindowsVersionFacts& facts) {
    if (facts.Version.PlatformId == kPlatformNt) return NtName(facts);
    if (facts.Version.PlatformId == kPlatform9x) return Win9xName(facts);
    return "unknown";
}

}  // namespace kelvor
