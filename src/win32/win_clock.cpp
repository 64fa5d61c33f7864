#include "win32/win_clock.h"

#include <windows.h>

namespace kelvor::win32 {

int32_t WinClock::QueryPerformanceCounter(int64_t& count) {
    LARGE_INTEGER value{};
    const BOOL result = ::QueryPerformanceCounter(&value);
    count = value.QuadPart;
    return result;
}

int32_t WinClock::QueryPerformanceFrequency(int64_t& frequency) {
    LARGE_INTEGER value{};
    const BOOL result = ::QueryPerformanceFrequency(&value);
    frequency = value.QuadPart;
    return result;
}

uint32_t WinClock::TickCount() { return GetTickCount(); }

LocalDateTime WinClock::Now() {
    SYSTEMTIME time{};
    GetLocalTime(&time);
    return {time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond, time.wMilliseconds};
}

}  // namespace kelvor::win32
