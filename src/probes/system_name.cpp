#include "probes/system_name.h"

#include "common/windows_family.h"

namespace kelvor {
namespace {

constexpr int32_t kFirstWindows11Build = 22000;

// "Windows 7" for 6.1 and so on; empty for a version without a name of its own.
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
    if (!product.empty() && facts.RegistryBuild == facts.BuildNumber) {
        static constexpr std::string_view kMaker = "Microsoft ";
        static constexpr std::string_view kTen = "Windows 10";
        name = product.starts_with(kMaker) ? product.substr(kMaker.size()) : product;
        if (facts.BuildNumber >= kFirstWindows11Build && name.starts_with(kTen) &&
            (name.size() == kTen.size() || name[kTen.size()] == ' '))
            name.replace(0, kTen.size(), "Windows 11");
        const std::string release = TrimSpaces(facts.DisplayVersion);
        if (!release.empty()) name += " " + release;
    } else {
        name = NtNameFromNumbers(facts.MajorVersion, facts.MinorVersion, facts.BuildNumber);
    }
    const std::string servicePack = TrimSpaces(facts.CsdVersion);
    if (!servicePack.empty()) name += " " + servicePack;
    return name + " (build " + std::to_string(facts.BuildNumber) + ")";
}

// The 9x family names its updates by the letter in the CSD text: 95 B and C are the second OEM
// release (OSR2, OSR2.5), 98 A is the Second Edition.
std::string Win9xName(const WindowsVersionFacts& facts) {
    const std::string letter = TrimSpaces(facts.CsdVersion);
    std::string name;
    switch (facts.MajorVersion * 100 + facts.MinorVersion) {
    case 400: name = letter == "B" ? "Windows 95 OSR2" : letter == "C" ? "Windows 95 OSR2.5" : "Windows 95"; break;
    case 410: name = letter == "A" ? "Windows 98 Second Edition" : "Windows 98"; break;
    case 490: name = "Windows Me"; break;
    default: name = "Windows"; break;
    }
    // Padded in place: a temporary joined of the two trips GCC 12's -Wrestrict at -O3.
    std::string minor = std::to_string(facts.MinorVersion);
    if (facts.MinorVersion < 10) minor.insert(0, 1, '0');
    return name + " (" + std::to_string(facts.MajorVersion) + "." + minor + "." + std::to_string(facts.BuildNumber) +
           ")";
}

}  // namespace

std::string WindowsSystemName(const WindowsVersionFacts& facts) {
    if (facts.PlatformId == kPlatformNt) return NtName(facts);
    if (facts.PlatformId == kPlatform9x) return Win9xName(facts);
    return "unknown";
}

}  // namespace kelvor
