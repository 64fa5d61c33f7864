#pragma once
// The network interface table as the platform delivers it (MIB_IFTABLE: a 32-bit row count, then
// 860-byte MIB_IFROW records), and one interface's own entry as the platform fills it when asked
// for that interface alone: a MIB_IFROW again (GetIfEntry), or the larger MIB_IF_ROW2 with 64-bit
// counters (GetIfEntry2).

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace kelvor {

// Where the fields lie in the platform's records (the platform layer checks them against its
// declarations, for each architecture it is built for).
struct IfRowLayout {  // MIB_IFROW, alone or as a row of the table
    static constexpr uint32_t kSize = 860;
    static constexpr uint32_t kIndex = 512;
    static constexpr uint32_t kOperStatus = 544;
    static constexpr uint32_t kInOctets = 552;
    static constexpr uint32_t kOutOctets = 576;
};
struct IfRow2Layout {  // MIB_IF_ROW2: the interface is looked up by its LUID when that is set
    static constexpr uint32_t kSize = 1352;
    static constexpr uint32_t kLuid = 0;
    static constexpr uint32_t kIndex = 8;
    static constexpr uint32_t kInOctets = 1208;
    static constexpr uint32_t kOutOctets = 1280;
};

struct OctetTotals {
    int32_t Received = 0;
    int32_t Sent = 0;
};

// What the network line takes from a row of the table.
struct InterfaceRow {
    uint32_t Index = 0;
    uint32_t OperStatus = 0;
    uint32_t Received = 0;
    uint32_t Sent = 0;
};

// Replaces `rows` with the rows of the table, in its order; false, with `rows` empty, when the rows
// do not all fit in the bytes given.
bool ReadInterfaceRows(std::span<const uint8_t> table, std::vector<InterfaceRow>& rows);

// Sums the received and sent octet counters of every row as signed 32-bit numbers, in the rows'
// order; a row whose addition would overflow is left out of that total.
OctetTotals SumOctets(std::span<const InterfaceRow> rows);

// The same straight from the table, where nothing else of it is needed; a table whose rows do not
// all fit counts as empty.
OctetTotals SumInterfaceOctets(std::span<const uint8_t> table);

// Whether an interface of this operational status can pass traffic at all. Those that cannot
// (not operational, unreachable, disconnected) keep their counters until their status changes.
bool CanPassTraffic(uint32_t operStatus);

// The record in which the platform answers for one interface; None where it cannot.
enum class InterfaceEntryLayout { None, IfRow, IfRow2 };

// A record of the layout (IfRow or IfRow2) that asks for the interface of `index` (the rest zero).
std::vector<uint8_t> InterfaceEntryFor(InterfaceEntryLayout layout, uint32_t index);

// What an interface's entry answers: its index and the low 32 bits of its octet counters.
struct InterfaceCounters {
    uint32_t Index = 0;
    uint32_t Received = 0;
    uint32_t Sent = 0;
};

// The counters from a filled record; nothing when the record is too short for its layout.
std::optional<InterfaceCounters> ReadInterfaceEntry(InterfaceEntryLayout layout, std::span<const uint8_t> entry);

}  // namespace kelvor
