#include "probes/network_activity.h"

#include "probes/interface_table.h"

namespace kelvor {

namespace {

// Room for about 19,000 interfaces; a larger size answer is not believed.
constexpr uint32_t kTableSizeLimit = 16 * 1024 * 1024;

// "/" and "\" by turns while the total grows, "|" while it does not.
const char* Mark(int32_t total, int32_t last, bool& turn) {
    if (total <= last) return "|";
    turn = !turn;
    return turn ? "/" : "\\";
}

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
    const std::string line = std::string("Network activity: rx: ") + Mark(bytesReceived_, lastReceived_, receiveTurn_) +
                             "  tx: " + Mark(bytesSent_, lastSent_, sendTurn_);
    lastReceived_ = bytesReceived_;
    lastSent_ = bytesSent_;
    return line;
}

}  // namespace kelvor
