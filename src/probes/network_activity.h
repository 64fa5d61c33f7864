#pragma once
// The network activity line: a turning mark for each direction while its byte total grows.

#include <cstdint>
#include <string>
#include <vector>

#include "probes/network_marks.h"
#include "probes/network_status.h"

namespace kelvor {

inline constexpr int32_t kInterfaceTableNotSupported = 50;         // ERROR_NOT_SUPPORTED
inline constexpr int32_t kInterfaceTableInsufficientBuffer = 122;  // ERROR_INSUFFICIENT_BUFFER

// The platform's interface table (GetIfTable, unsorted).
class InterfaceTableSource {
public:
    virtual ~InterfaceTableSource() = default;
    // The size query (no buffer): sets `size` to the bytes the table needs. Returns the platform's
    // status; kInterfaceTableNotSupported when the system has no interface table.
    virtual int32_t QuerySize(uint32_t& size) = 0;
    // Fills `table` (its size is the room given) with the table. Returns the status, 0 on success.
    virtual int32_t Read(std::vector<uint8_t>& table) = 0;
};

class NetworkActivity final : public NetworkStatus {
public:
    // The source must outlive the monitor.
    explicit NetworkActivity(InterfaceTableSource& source) : source_(source) {}

    // Totals of the last refresh.
    int32_t BytesReceived() const { return bytesReceived_; }
    int32_t BytesSent() const { return bytesSent_; }

    // "Network activity: rx: /  tx: |", or "??" without an interface table.
    std::string Status() override;

private:
    // False only when the system has no interface table; a failed read leaves both totals 0.
    bool UpdateByteCounts();

    InterfaceTableSource& source_;
    int32_t bytesReceived_ = 0;
    int32_t bytesSent_ = 0;
    NetworkMarks marks_;
    std::vector<uint8_t> table_;
};

}  // namespace kelvor
