#include "probes/interface_table.h"

#include "probes/byte_view.h"

namespace kelvor {

namespace {

constexpr uint64_t kFirstRow = 4;
constexpr uint64_t kRowSize = 860;
constexpr uint64_t kInOctets = 552;
constexpr uint64_t kOutOctets = 576;

int32_t AddUnlessOverflow(int32_t total, int32_t addend) {
    int32_t sum = 0;
    return __builtin_add_overflow(total, addend, &sum) ? total : sum;
}

}  // namespace

OctetTotals SumInterfaceOctets(std::span<const uint8_t> table) {
    const ByteView bytes(table);
    if (!bytes.Holds(0, kFirstRow)) return {};
    const uint32_t rows = bytes.U32(0);
    if (!bytes.Holds(kFirstRow, uint64_t{rows} * kRowSize)) return {};

    OctetTotals totals;
    for (uint64_t row = kFirstRow; row < kFirstRow + uint64_t{rows} * kRowSize; row += kRowSize) {
        totals.Received = AddUnlessOverflow(totals.Received, bytes.I32(row + kInOctets));
        totals.Sent = AddUnlessOverflow(totals.Sent, bytes.I32(row + kOutOctets));
    }
    return totals;
}

}  // namespace kelvor
