// MIB_IF_ROW2 is declared only for Vista and later; the layout checks below need its declaration.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0600

#include "win32/win_interface_table.h"

#include <winsock2.h>
#include <ws2ipdef.h>
#include <iphlpapi.h>
#include <netioapi.h>

#include <cstddef>

namespace kelvor::win32 {

namespace {

static_assert(sizeof(MIB_IFROW) == IfRowLayout::kSize && offsetof(MIB_IFROW, dwIndex) == IfRowLayout::kIndex &&
              offsetof(MIB_IFROW, dwOperStatus) == IfRowLayout::kOperStatus &&
              offsetof(MIB_IFROW, dwInOctets) == IfRowLayout::kInOctets &&
              offsetof(MIB_IFROW, dwOutOctets) == IfRowLayout::kOutOctets);
static_assert(sizeof(MIB_IF_ROW2) == IfRow2Layout::kSize && offsetof(MIB_IF_ROW2, InterfaceLuid) == IfRow2Layout::kLuid &&
              offsetof(MIB_IF_ROW2, InterfaceIndex) == IfRow2Layout::kIndex &&
              offsetof(MIB_IF_ROW2, InOctets) == IfRow2Layout::kInOctets &&
              offsetof(MIB_IF_ROW2, OutOctets) == IfRow2Layout::kOutOctets);

}  // namespace

WinInterfaceTable::WinInterfaceTable()
    : iphlpapi_("iphlpapi.dll"), getIfTable_(iphlpapi_.Find(api::GetIfTable)),
      getIfEntry_(iphlpapi_.Find(api::GetIfEntry)), getIfEntry2_(iphlpapi_.Find(api::GetIfEntry2)),
      entryLayout_(getIfEntry2_ != nullptr  ? InterfaceEntryLayout::IfRow2
                   : getIfEntry_ != nullptr ? InterfaceEntryLayout::IfRow
                                            : InterfaceEntryLayout::None) {}

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

int32_t WinInterfaceTable::ReadEntry(std::vector<uint8_t>& entry) {
    switch (entryLayout_) {
    case InterfaceEntryLayout::IfRow2:
        if (entry.size() < sizeof(MIB_IF_ROW2)) return kInterfaceTableInsufficientBuffer;
        return static_cast<int32_t>(getIfEntry2_(entry.data()));
    case InterfaceEntryLayout::IfRow:
        if (entry.size() < sizeof(MIB_IFROW)) return kInterfaceTableInsufficientBuffer;
        return static_cast<int32_t>(getIfEntry_(entry.data()));
    case InterfaceEntryLayout::None:
        break;
    }
    return kInterfaceTableNotSupported;
}

}  // namespace kelvor::win32
