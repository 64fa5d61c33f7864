#include "probes/network_activity.h"

namespace kelvor {

namespace {

// Room for about 19,000 interfaces; a larger size answer is not believed.
constexpr uint32_t kTableSizeLimit = 16 * 1024 * 1024;

}  // namespace

std::string NetworkActivity::Status() {
    if (!UpdateByteCounts()) return "??";
    return marks_.Line(bytesReceived_, bytesSent_);
}

bool NetworkActivity::UpdateByteCounts() {
    bytesReceived_ = 0;
    bytesSent_ = 0;
    OctetTotals totals;
    if (refreshesUntilReading_ > 0 && ReadEntries()) {
        --refreshesUntilReading_;
        totals = SumOctets(rows_);
    } else {
        const TableReading reading = ReadTable();
        if (reading == TableReading::NotSupported) return false;
        if (reading == TableReading::Failed) return true;
        // Without entries the rows are not kept: the table is summed as it is, on every refresh.
        totals = source_.EntryLayout() == InterfaceEntryLayout::None ? SumInterfaceOctets(table_) : SumOctets(rows_);
    }
    bytesReceived_ = totals.Received;
    bytesSent_ = totals.Sent;
    return true;
}

NetworkActivity::TableReading NetworkActivity::ReadTable() {
    rows_.clear();
    entries_.clear();
    refreshesUntilReading_ = 0;
    // The table's size seldom changes: reading into the last buffer first spares the size query
    // on almost every reading. A table that outgrew it, or a system that no longer offers it, goes
    // through the size query as before: only that query's answer turns the line into "??".
    int32_t status = table_.empty() ? kInterfaceTableInsufficientBuffer : source_.Read(table_);
    if (status == kInterfaceTableInsufficientBuffer || status == kInterfaceTableNotSupported) {
        uint32_t size = 0;
        if (source_.QuerySize(size) == kInterfaceTableNotSupported) return TableReading::NotSupported;
        if (size > kTableSizeLimit) return TableReading::Failed;
        table_.assign(size, 0);
        status = source_.Read(table_);
    }
    if (status != 0) return TableReading::Failed;
    const InterfaceEntryLayout layout = source_.EntryLayout();
    if (layout == InterfaceEntryLayout::None) return TableReading::Read;
    if (!ReadInterfaceRows(table_, rows_)) return TableReading::Failed;
    for (size_t row = 0; row < rows_.size(); ++row)
        if (CanPassTraffic(rows_[row].OperStatus)) entries_.push_back({row, InterfaceEntryFor(layout, rows_[row].Index)});
    refreshesUntilReading_ = kRefreshesPerTableReading - 1;
    return TableReading::Read;
}

bool NetworkActivity::ReadEntries() {
    const InterfaceEntryLayout layout = source_.EntryLayout();
    for (Entry& entry : entries_) {
        if (source_.ReadEntry(entry.record) != 0) return false;
        const std::optional<InterfaceCounters> counters = ReadInterfaceEntry(layout, entry.record);
        InterfaceRow& row = rows_[entry.row];
        if (!counters || counters->Index != row.Index) return false;
        row.Received = counters->Received;
        row.Sent = counters->Sent;
    }
    return true;
}

}  // namespace kelvor
