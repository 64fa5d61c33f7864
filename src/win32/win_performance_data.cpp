#include "win32/win_performance_data.h"

#include <windows.h>

#include <algorithm>

namespace kelvor::win32 {

WinPerformanceData::~WinPerformanceData() {
    if (queried_) RegCloseKey(HKEY_PERFORMANCE_DATA);
}

int32_t WinPerformanceData::Query(const std::string& valueName, std::vector<uint8_t>& buffer, uint32_t& size) {
    queried_ = true;
    DWORD room = static_cast<DWORD>(std::min<size_t>(size, buffer.size()));
    const LONG status = RegQueryValueExA(HKEY_PERFORMANCE_DATA, valueName.c_str(), nullptr, nullptr,
                                         buffer.empty() ? nullptr : buffer.data(), &room);
    size = room;
    return status;
}

}  // namespace kelvor::win32
