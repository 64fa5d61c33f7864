#include "win32/win_processor_times.h"

#include <algorithm>

namespace kelvor::win32 {

namespace {

constexpr ULONG kSystemProcessorPerformanceInformation = 8;

}  // namespace

WinProcessorTimes::WinProcessorTimes()
    : ntdll_("ntdll.dll"), query_(ntdll_.Find(api::NtQuerySystemInformation)) {}

int32_t WinProcessorTimes::Query(std::vector<uint8_t>& buffer, uint32_t& size) {
    if (query_ == nullptr) return kProcessorTimesNotSupported;
    ULONG written = 0;
    const LONG status = query_(kSystemProcessorPerformanceInformation, buffer.empty() ? nullptr : buffer.data(),
                               static_cast<ULONG>(std::min<size_t>(size, buffer.size())), &written);
    size = written;
    return status;
}

}  // namespace kelvor::win32
