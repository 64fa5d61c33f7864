#pragma once
// The network interface table from iphlpapi, looked up at run time: systems without it (Windows 95
// and NT 4 without the IP helper) answer as if the table were not supported.

#include "probes/network_activity.h"
#include "win32/loaded_module.h"

namespace kelvor::win32 {

class WinInterfaceTable final : public InterfaceTableSource {
public:
    WinInterfaceTable();

    int32_t QuerySize(uint32_t& size) override;
    int32_t Read(std::vector<uint8_t>& table) override;

private:
    LoadedModule iphlpapi_;
    LateBoundPointer<api::GetIfTable> getIfTable_;
};

}  // namespace kelvor::win32
