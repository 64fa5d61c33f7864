#include "probes/network_activity.h"

#include "probes/interface_table.h"

namespace kelvor {

namespace {

// Room for about 19,000 interfaces; a larger size answer is not believed.
constexpr uint32_t kTableSizeLimit = 16 * 1024 * 1024;

}  // namespace

bool NetworkActivity::UpdateByteCounts() {
    bytesReceived_ = 0;
    bytesSent_ = 0;
    // The table's size seldom changes: reading into the last buffer first spares the size query
    // on almost every refresh. A table that outgrew it, or a system that no longer offers it, goes
    // through the size query as before: only that query's answer turns the line into "??".
    int32_t status = table_.empty() ? kInterfaceTableInsufficientBuffer : source_.Read(table_);
    if (status == kInterfaceTableInsufficientBuffer || status == kInterfaceTableNotSupported) {
        uint32_t size = 0;
        if (source_.QuerySize(size) == kInterfaceTableNotSupported) return false;
        if (size > kTableSizeLimit) return true;
        table_.assign(size, 0);
        status = source_.Read(table_);
    }
    if (status != 0) return true;
    const OctetTotals totals = SumInterfaceOctets(table_);
    bytesReceived_ = totals.Received;
    bytesSent_ = totals.Sent;
    return true;
}

std::string NetworkActivity::Status() {
    if (!UpdateByteCounts()) return "??";
    return marks_.Line(bytesReceived_, bytesSent_);
}

}  // namespace kelvor
