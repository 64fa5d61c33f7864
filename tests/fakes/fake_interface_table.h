#pragma once
// The interface table as the test sets it, answered like GetIfTable.

#include <algorithm>
#include <vector>

#include "probes/network_activity.h"

namespace kelvor {

class FakeInterfaceTable final : public InterfaceTableSource {
public:
    int32_t QuerySize(uint32_t& size) override {
        ++sizeQueries;
        if (sizeStatus == kInterfaceTableNotSupported) return sizeStatus;
        size = static_cast<uint32_t>(table.size());
        return sizeStatus;
    }
    int32_t Read(std::vector<uint8_t>& buffer) override {
        ++reads;
        if (readStatus != 0) return readStatus;
        if (buffer.size() < table.size()) return kInterfaceTableInsufficientBuffer;
        std::copy(table.begin(), table.end(), buffer.begin());
        return 0;
    }

    std::vector<uint8_t> table;
    int32_t sizeStatus = kInterfaceTableInsufficientBuffer;
    int32_t readStatus = 0;
    int reads = 0;
    int sizeQueries = 0;
};

}  // namespace kelvor
