#pragma once
// Builds interface tables in the platform's published layout (MIB_IFTABLE of MIB_IFROW records),
// as GetIfTable fills them.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "probes/interface_table.h"

namespace kelvor {

struct InterfaceOctets {
    uint32_t received = 0;
    uint32_t sent = 0;
    uint32_t operStatus = 5;  // operational
    uint32_t index = 0;       // 0: the row's position from 1
};

inline constexpr size_t kInterfaceRowSize = IfRowLayout::kSize;

std::vector<uint8_t> BuildInterfaceTable(const std::vector<InterfaceOctets>& rows);

}  // namespace kelvor
