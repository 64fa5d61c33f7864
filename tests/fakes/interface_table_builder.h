#pragma once
// Builds interface tables in the platform's published layout (MIB_IFTABLE of MIB_IFROW records),
// as GetIfTable fills them.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kelvor {

struct InterfaceOctets {
    uint32_t received = 0;
    uint32_t sent = 0;
};

inline constexpr size_t kInterfaceRowSize = 860;

std::vector<uint8_t> BuildInterfaceTable(const std::vector<InterfaceOctets>& rows);

}  // namespace kelvor
