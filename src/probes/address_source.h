#pragma once
// Where the address line's addresses come from, and whether the system says they changed.

#include <optional>
#include <vector>

#include "probes/host_addresses.h"

namespace kelvor {

class AddressSource {
public:
    virtual ~AddressSource() = default;
    // Every address of every interface, in the system's order; nullopt when nothing answers.
    virtual std::optional<std::vector<HostAddress>> Read() = 0;

    enum class News { Unchanged, Changed, CannotTell };
    // Whether the system announced a change since the last call; never blocks. A source without
    // notifications answers CannotTell, and the address line then reads again at most every 5 s.
    virtual News ChangedSinceLastCall() = 0;
};

}  // namespace kelvor
