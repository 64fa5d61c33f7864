#pragma once
// The computer's addresses on Linux: every address of every interface as getifaddrs lists them,
// read again when the kernel has announced a change.

#include <optional>
#include <vector>

#include "linux/address_announcements.h"
#include "probes/address_source.h"

namespace kelvor::x11 {

class LinuxAddressSource final : public AddressSource {
public:
    // The announcements outlive the source.
    explicit LinuxAddressSource(AddressAnnouncements& announcements) : announcements_(announcements) {}

    std::optional<std::vector<HostAddress>> Read() override;
    News ChangedSinceLastCall() override { return announcements_.TakeNews(); }

private:
    AddressAnnouncements& announcements_;
};

}  // namespace kelvor::x11
