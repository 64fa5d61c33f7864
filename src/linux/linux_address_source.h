#pragma once
// The computer's addresses on Linux: every address of every interface as getifaddrs lists them, and
// a route netlink socket on which the kernel announces each address added or removed and each
// interface going up or down.

#include <optional>
#include <vector>

#include "linux/scoped_fd.h"
#include "probes/address_source.h"

namespace kelvor::x11 {

class LinuxAddressSource final : public AddressSource {
public:
    // Subscribes to the announcements before anything is read, so that no change slips in between;
    // without a socket the source cannot tell.
    LinuxAddressSource();

    std::optional<std::vector<HostAddress>> Read() override;
    News ChangedSinceLastCall() override;

private:
    ScopedFd announcements_;
};

}  // namespace kelvor::x11
