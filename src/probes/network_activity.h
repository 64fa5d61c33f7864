#pragma once
// The network activity line: a turning mark for each direction while its byte total grows.
//
// The totals are those of the whole interface table, but the table is read only now and then: in
// between, only the interfaces that can pass traffic are asked for their own counters, and the
// others count with the counters the table last gave them (they cannot change while the interface
// passes no traffic). An interface that is gone, answers for another index or cannot be asked has
// the table read at once; one that appears, or starts passing traffic, joins at the next reading.

#include <cstdint>
#include <string>
#include <vector>

#include "probes/interface_table.h"
#include "probes/network_marks.h"
#include "probes/network_status.h"

namespace kelvor {

inline constexpr int32_t kInterfaceTableNotSupported = 50;         // ERROR_NOT_SUPPORTED
inline constexpr int32_t kInterfaceTableInsufficientBuffer = 122;  // ERROR_INSUFFICIENT_BUFFER

// The platform's interface table (GetIfTable, unsorted) and each interface's own entry.
class InterfaceTableSource {
public:
    virtual ~InterfaceTableSource() = default;
    // The size query (no buffer): sets `size` to the bytes the table needs. Returns the platform's
    // status; kInterfaceTableNotSupported when the system has no interface table.
    virtual int32_t QuerySize(uint32_t& size) = 0;
    // Fills `table` (its size is the room given) with the table. Returns the status, 0 on success.
    virtual int32_t Read(std::vector<uint8_t>& table) = 0;

    // The record in which ReadEntry answers; None where the system cannot answer for one interface.
    virtual InterfaceEntryLayout EntryLayout() const = 0;
    // Fills `entry`, a record of that layout naming an interface (InterfaceEntryFor, or the record
    // of an earlier answer: it also names the interface), with that interface's entry. Returns the
    // platform's status, 0 on success.
    virtual int32_t ReadEntry(std::vector<uint8_t>& entry) = 0;
};

class NetworkActivity final : public NetworkStatus {
public:
    // The source must outlive the monitor.
    explicit NetworkActivity(InterfaceTableSource& source) : source_(source) {}

    // Refreshes between two readings of the whole table: five seconds at five refreshes a second.
    static constexpr int32_t kRefreshesPerTableReading = 25;

    // Totals of the last refresh.
    int32_t BytesReceived() const { return bytesReceived_; }
    int32_t BytesSent() const { return bytesSent_; }

    // "Network activity: rx: /  tx: |", or "??" without an interface table.
    std::string Status() override;

private:
    enum class TableReading { Read, Failed, NotSupported };

    // False only when the system has no interface table; a failed read leaves both totals 0.
    bool UpdateByteCounts();
    TableReading ReadTable();
    // False when an interface's entry could not be read or named another interface.
    bool ReadEntries();

    InterfaceTableSource& source_;
    int32_t bytesReceived_ = 0;
    int32_t bytesSent_ = 0;
    NetworkMarks marks_;
    std::vector<uint8_t> table_;
    // The rows of the last reading, their counters brought up to date from the entries.
    std::vector<InterfaceRow> rows_;
    // An entry record for each row that can pass traffic, with the position of its row.
    struct Entry {
        size_t row;
        std::vector<uint8_t> record;
    };
    std::vector<Entry> entries_;
    // Refreshes left until the table is read again; 0: at the next refresh.
    int32_t refreshesUntilReading_ = 0;
};

}  // namespace kelvor
