#pragma once
// Where the lines of the information text come from. Each source turns its own failures into text.

#include <cstdint>
#include <memory>
#include <string>

#include "common/clock.h"
#include "probes/address_source.h"
#include "probes/network_status.h"

namespace kelvor {

class InformationSources {
public:
    virtual ~InformationSources() = default;
    virtual LocalDateTime Now() = 0;
    virtual std::string UptimeText() = 0;
    virtual std::string StartTimeText(uint8_t timeFormat) = 0;
    virtual std::string MemoryUsageText() = 0;
    virtual std::unique_ptr<NetworkStatus> CreateNetworkMonitor() = 0;
    // The system's name and version, as people say it; read once.
    virtual std::string SystemText() = 0;
    virtual std::unique_ptr<AddressSource> CreateAddressSource() = 0;
};

}  // namespace kelvor
