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

LONG OpenStatisticKey(const char* subkey, REGSAM access, ScopedRegistryKey& key) {
    HKEY opened = nullptr;
    const LONG status = RegOpenKeyExA(HKEY_DYN_DATA, subkey, 0, access, &opened);
    key.Reset(status == ERROR_SUCCESS ? opened : nullptr);
    return status;
}

// Opens a control key with full access, reads the value once and closes the key again.
int32_t Trigger(const char* subkey, int32_t& usage) {
    ScopedRegistryKey key;
    const LONG status = OpenStatisticKey(subkey, KEY_ALL_ACCESS, key);
    if (status == ERROR_SUCCESS) QueryUsage(key.Get(), usage);
    return status;
}

}  // namespace

int32_t WinKernelStatistic::Start(int32_t& usage) { return Trigger("PerfStats\\StartStat", usage); }

int32_t WinKernelStatistic::OpenData() {
    return OpenStatisticKey("PerfStats\\StatData", KEY_READ, data_);
}

int32_t WinKernelStatistic::Read(int32_t& usage) {
    if (data_.Get() == nullptr) return ERROR_INVALID_HANDLE;
    return QueryUsage(data_.Get(), usage);
}

int32_t WinKernelStatistic::Stop(int32_t& usage) {
    data_.Reset(nullptr);
    return Trigger("PerfStats\\StopStat", usage);
}

}  // namespace kelvor::win32
