#include "probes/interface_table.h"

#include "probes/byte_view.h"

namespace kelvor {

namespace {

constexpr uint64_t kFirstRow = 4;
using Row = IfRowLayout;
using Row2 = IfRow2Layout;

// Operational statuses of MIB_IFROW that carry no traffic: not operational, unreachable, disconnected.
constexpr uint32_t kLastSilentStatus = 2;

int32_t AddUnlessOverflow(int32_t total, int32_t addend) {
    int32_t sum = 0;
    return __builtin_add_overflow(total, addend, &sum) ? total : sum;
}

// Adds a row's counters as signed 32-bit numbers; an addition that would overflow is left out.
void Add(OctetTotals& totals, int32_t received, int32_t sent) {
    totals.Received = AddUnlessOverflow(totals.Received, received);
    totals.Sent = AddUnlessOverflow(totals.Sent, sent);
}

// Calls `each` with the offset of every row, in order; false, without any call, when the rows do
// not all fit in the bytes given.
template <typename Each>
bool ForEachRow(const ByteView& bytes, Each each) {
    if (!bytes.Holds(0, kFirstRow)) return false;
    const uint64_t end = kFirstRow + uint64_t{bytes.U32(0)} * Row::kSize;
    if (!bytes.Holds(kFirstRow, end - kFirstRow)) return false;
    for (uint64_t row = kFirstRow; row < end; row += Row::kSize) each(row);
    return true;
}

}  // namespace

bool ReadInterfaceRows(std::span<const uint8_t> table, std::vector<InterfaceRow>& rows) {
    rows.clear();
    const ByteView bytes(table);
    return ForEachRow(bytes, [&](uint64_t row) {
        rows.push_back({bytes.U32(row + Row::kIndex), bytes.U32(row + Row::kOperStatus),
                        bytes.U32(row + Row::kInOctets), bytes.U32(row + Row::kOutOctets)});
    });
}

OctetTotals SumOctets(std::span<const InterfaceRow> rows) {
    OctetTotals totals;
    for (const InterfaceRow& row : rows) Add(totals, static_cast<int32_t>(row.Received), static_cast<int32_t>(row.Sent));
    return totals;
}

OctetTotals SumInterfaceOctets(std::span<const uint8_t> table) {
    const ByteView bytes(table);
    OctetTotals totals;
    ForEachRow(bytes, [&](uint64_t row) { Add(totals, bytes.I32(row + Row::kInOctets), bytes.I32(row + Row::kOutOctets)); });
    return totals;
}

bool CanPassTraffic(uint32_t operStatus) { return operStatus > kLastSilentStatus; }

std::vector<uint8_t> InterfaceEntryFor(InterfaceEntryLayout layout, uint32_t index) {
    const bool row2 = layout == InterfaceEntryLayout::IfRow2;
    std::vector<uint8_t> entry(row2 ? Row2::kSize : Row::kSize, 0);
    const uint64_t at = row2 ? Row2::kIndex : Row::kIndex;
    for (uint64_t byte = 0; byte < 4; ++byte) entry[at + byte] = static_cast<uint8_t>(index >> (8 * byte));
    return entry;
}

std::optional<InterfaceCounters> ReadInterfaceEntry(InterfaceEntryLayout layout, std::span<const uint8_t> entry) {
    const ByteView bytes(entry);
    switch (layout) {
    case InterfaceEntryLayout::IfRow:
        if (!bytes.Holds(0, Row::kSize)) return std::nullopt;
        return InterfaceCounters{bytes.U32(Row::kIndex), bytes.U32(Row::kInOctets), bytes.U32(Row::kOutOctets)};
    case InterfaceEntryLayout::IfRow2:
        // The 64-bit counters of this record are the same counters as the 32-bit ones of MIB_IFROW.
        if (!bytes.Holds(0, Row2::kSize)) return std::nullopt;
        return InterfaceCounters{bytes.U32(Row2::kIndex), bytes.U32(Row2::kInOctets), bytes.U32(Row2::kOutOctets)};
    case InterfaceEntryLayout::None:
        break;
    }
    return std::nullopt;
}

}  // namespace kelvor
