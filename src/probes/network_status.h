#pragma once
// What the display asks of the network monitor.

#include <string>

namespace kelvor {

class NetworkStatus {
public:
    virtual ~NetworkStatus() = default;
    // The whole network activity line; never raises.
    virtual std::string Status() = 0;
};

}  // namespace kelvor
