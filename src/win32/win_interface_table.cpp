#include "win32/win_interface_table.h"

namespace kelvor::win32 {

WinInterfaceTable::WinInterfaceTable()
    : iphlpapi_("iphlpapi.dll"), getIfTable_(iphlpapi_.Find(api::GetIfTable)) {}

int32_t WinInterfaceTable::QuerySize(uint32_t& size) {
    if (getIfTable_ == nullptr) return kInterfaceTableNotSupported;
    ULONG needed = 0;
    const DWORD status = getIfTable_(nullptr, &needed, FALSE);
    size = needed;
    return static_cast<int32_t>(status);
}

int32_t WinInterfaceTable::Read(std::vector<uint8_t>& table) {
    if (getIfTable_ == nullptr) return kInterfaceTableNotSupported;
    ULONG room = static_cast<ULONG>(table.size());
    return static_cast<int32_t>(getIfTable_(table.empty() ? nullptr : table.data(), &room, FALSE));
}

}  // namespace kelvor::win32
