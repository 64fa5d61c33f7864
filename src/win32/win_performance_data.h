#pragma once
// The NT family's performance data, read from HKEY_PERFORMANCE_DATA.

#include "probes/processor_load_sources.h"

namespace kelvor::win32 {

class WinPerformanceData final : public PerformanceDataSource {
public:
    WinPerformanceData() = default;
    WinPerformanceData(const WinPerformanceData&) = delete;
    WinPerformanceData& operator=(const WinPerformanceData&) = delete;
    // Lets the system unload the counter providers the queries loaded.
    ~WinPerformanceData() override;

    int32_t Query(const std::string& valueName, std::vector<uint8_t>& buffer, uint32_t& size) override;

private:
    bool queried_ = false;
};

}  // namespace kelvor::win32
