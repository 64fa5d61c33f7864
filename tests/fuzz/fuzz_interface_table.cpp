// Feeds arbitrary interface tables to the network line, as the platform would deliver them. The
// first byte chooses between the input taken as the raw table and the input taken as rows of a
// well-formed table whose row count and length the input then alters.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "fakes/fake_interface_table.h"
#include "fakes/interface_table_builder.h"
#include "fakes/performance_data_builder.h"
#include "probes/interface_table.h"
#include "probes/network_activity.h"

namespace {

using namespace kelvor;

uint32_t U32At(const uint8_t* data) {
    return data[0] | (data[1] << 8) | (data[2] << 16) | (static_cast<uint32_t>(data[3]) << 24);
}

// Input: a row count, a number of bytes to cut off the end, then received and sent octets per row.
std::vector<uint8_t> AlteredTable(const uint8_t* data, size_t size) {
    if (size < 8) return {};
    std::vector<InterfaceOctets> rows;
    // Up to 48 rows: enough for every path, small enough to keep each run fast.
    for (size_t at = 8; at + 8 <= size && rows.size() < 48; at += 8)
        rows.push_back({U32At(data + at), U32At(data + at + 4)});
    std::vector<uint8_t> table = BuildInterfaceTable(rows);
    if (data[0] != 0) PutU32(table, 0, U32At(data));
    table.resize(table.size() - std::min<size_t>(U32At(data + 4) % 2048, table.size()));
    return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const std::vector<uint8_t> table =
        data[0] % 2 == 0 ? std::vector<uint8_t>(data + 1, data + size) : AlteredTable(data + 1, size - 1);

    const OctetTotals totals = SumInterfaceOctets(table);
    // A table that does not hold all its rows must count as empty.
    const uint64_t rows = table.size() >= 4 ? U32At(table.data()) : 0;
    if (4 + rows * kInterfaceRowSize > table.size() && (totals.Received != 0 || totals.Sent != 0)) std::abort();

    FakeInterfaceTable source;
    source.table = table;
    NetworkActivity helper(source);
    helper.Status();
    helper.Status();
    return 0;
}
