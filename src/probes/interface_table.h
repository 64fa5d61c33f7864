#pragma once
// The network interface table as the platform delivers it (MIB_IFTABLE: a 32-bit row count, then
// 860-byte MIB_IFROW records), summed over all rows.

#include <cstdint>
#include <span>

namespace kelvor {

struct OctetTotals {
    int32_t Received = 0;
    int32_t Sent = 0;
};

// Sums the received and sent octet counters of every row as signed 32-bit numbers; a row whose
// addition would overflow is left out of that total. A table whose rows do not all fit in the
// bytes given counts as empty.
OctetTotals SumInterfaceOctets(std::span<const uint8_t> table);

}  // namespace kelvor
