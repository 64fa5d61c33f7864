#include "win32/win_system_info.h"

#include <windows.h>

namespace kelvor::win32 {

bool WinSystemInfo::QueryVersion(WindowsVersion& version) {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(info);
    const bool read = GetVersionExA(&info) != FALSE;
    if (!read) {
        version = {};
        return false;
    }
    const auto platform = static_cast<int32_t>(info.dwPlatformId);
    // The 9x family keeps the major and minor version in the build number's high word.
    const DWORD build = platform == kPlatformNt ? info.dwBuildNumber : LOWORD(info.dwBuildNumber);
    info.szCSDVersion[sizeof(info.szCSDVersion) - 1] = '\0';
    version = {platform, static_cast<int32_t>(info.dwMajorVersion), static_cast<int32_t>(info.dwMinorVersion),
               static_cast<int32_t>(build), info.szCSDVersion};
    return true;
}

WindowsFamily RunningWindowsFamily() {
    WindowsVersion version;
    WinSystemInfo().QueryVersion(version);
    return FamilyOf(version.PlatformId);
}

bool WinSystemInfo::QueryComputerName(std::string& name) {
    char buffer[50] = {};
    DWORD size = sizeof(buffer);
    if (GetComputerNameA(buffer, &size) == FALSE) return false;
    name.assign(buffer, size);
    return true;
}

PageFileStatus WinSystemInfo::MemoryStatus() {
    MEMORYSTATUS status{};
    status.dwLength = sizeof(status);
    GlobalMemoryStatus(&status);
    return {static_cast<uint32_t>(status.dwTotalPageFile), static_cast<uint32_t>(status.dwAvailPageFile)};
}

std::optional<PageFileStatusEx> WinSystemInfo::MemoryStatusEx() {
    auto* const query = kernel_.Find(api::GlobalMemoryStatusEx);
    if (query == nullptr) return std::nullopt;
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof(status);
    query(&status);
    return PageFileStatusEx{status.ullTotalPageFile, status.ullAvailPageFile};
}

int32_t WinSystemInfo::NumberOfProcessors() {
    auto* const native = kernel_.Find(api::GetNativeSystemInfo);
    SYSTEM_INFO info{};
    if (native != nullptr) {
        native(&info);
    } else {
        GetSystemInfo(&info);
    }
    return static_cast<int32_t>(info.dwNumberOfProcessors);
}

}  // namespace kelvor::win32
