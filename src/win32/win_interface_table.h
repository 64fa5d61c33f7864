#pragma once
// The network interface table and each interface's entry from iphlpapi, looked up at run time:
// systems without it (Windows 95 and NT 4 without the IP helper) answer as if the table were not
// supported. An interface's entry comes from GetIfEntry2 where there is one (Vista on: one look-up
// by the interface's LUID), otherwise from GetIfEntry.

#include "probes/network_activity.h"
#include "win32/loaded_module.h"

namespace kelvor::win32 {

class WinInterfaceTable final : public InterfaceTableSource {
public:
    WinInterfaceTable();

    int32_t QuerySize(uint32_t& size) override;
    int32_t Read(std::vector<uint8_t>& table) override;
    InterfaceEntryLayout EntryLayout() const override { return entryLayout_; }
    int32_t ReadEntry(std::vector<uint8_t>& entry) override;

private:
    LoadedModule iphlpapi_;
    LateBoundPointer<api::GetIfTable> getIfTable_;
    LateBoundPointer<api::GetIfEntry> getIfEntry_;
    LateBoundPointer<api::GetIfEntry2> getIfEntry2_;
    InterfaceEntryLayout entryLayout_;
};

}  // namespace kelvor::win32
