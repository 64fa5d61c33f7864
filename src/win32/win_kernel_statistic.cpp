#include "win32/win_kernel_statistic.h"

namespace kelvor::win32 {

namespace {

constexpr char kCpuUsage[] = "KERNEL\\CPUUsage";

// Reading the value is what starts, samples or stops the statistic, depending on the key.
LONG QueryUsage(HKEY key, int32_t& usage) {
    DWORD value = 0;
    DWORD size = sizeof(value);
    const LONG status = RegQueryValueExA(key, kCpuUsage, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
    if (status == ERROR_SUCCESS) usage = static_cast<int32_t>(value);
    return status;
}

// Opens a control key with full access, reads the value once and closes the key again.
int32_t Trigger(const char* subkey, int32_t& usage) {
    const ScopedRegistryKey key(HKEY_DYN_DATA, subkey, KEY_ALL_ACCESS);
    if (key.Status() != ERROR_SUCCESS) return key.Status();
    QueryUsage(key.Get(), usage);
    return ERROR_SUCCESS;
}

}  // namespace

int32_t WinKernelStatistic::Start(int32_t& usage) { return Trigger("PerfStats\\StartStat", usage); }

int32_t WinKernelStatistic::OpenData() {
    data_ = ScopedRegistryKey(HKEY_DYN_DATA, "PerfStats\\StatData", KEY_READ);
    return data_.Status();
}

int32_t WinKernelStatistic::Read(int32_t& usage) {
    if (data_.Get() == nullptr) return ERROR_INVALID_HANDLE;
    return QueryUsage(data_.Get(), usage);
}

int32_t WinKernelStatistic::Stop(int32_t& usage) {
    data_ = ScopedRegistryKey();
    return Trigger("PerfStats\\StopStat", usage);
}

}  // namespace kelvor::win32
