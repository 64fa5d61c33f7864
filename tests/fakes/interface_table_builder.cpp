#include "fakes/interface_table_builder.h"

#include <string>

#include "fakes/performance_data_builder.h"

namespace kelvor {

std::vector<uint8_t> BuildInterfaceTable(const std::vector<InterfaceOctets>& rows) {
    std::vector<uint8_t> table(4 + rows.size() * kInterfaceRowSize, 0);
    PutU32(table, 0, static_cast<uint32_t>(rows.size()));
    for (size_t i = 0; i < rows.size(); ++i) {
        const size_t row = 4 + i * kInterfaceRowSize;
        const std::string name = "if" + std::to_string(i);
        for (size_t c = 0; c < name.size(); ++c) table[row + 2 * c] = static_cast<uint8_t>(name[c]);
        PutU32(table, row + IfRowLayout::kIndex, rows[i].index != 0 ? rows[i].index : static_cast<uint32_t>(i + 1));
        PutU32(table, row + 516, i == 0 ? 24 : 6);  // dwType: loopback first, then Ethernet
        PutU32(table, row + 520, 1500);             // dwMtu
        PutU32(table, row + IfRowLayout::kOperStatus, rows[i].operStatus);
        PutU32(table, row + IfRowLayout::kInOctets, rows[i].received);
        PutU32(table, row + 556, 0x11111111);  // dwInUcastPkts
        PutU32(table, row + IfRowLayout::kOutOctets, rows[i].sent);
        PutU32(table, row + 580, 0x22222222);  // dwOutUcastPkts
    }
    return table;
}

}  // namespace kelvor
