#include "linux/linux_address_source.h"

#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

#include <memory>
#include <span>

namespace kelvor::x11 {

namespace {

struct InterfaceListFreer {
    void operator()(ifaddrs* list) const { freeifaddrs(list); }
};
using ScopedInterfaceList = std::unique_ptr<ifaddrs, InterfaceListFreer>;

std::optional<HostAddress> AddressOf(const ifaddrs& entry) {
    if (entry.ifa_addr == nullptr) return std::nullopt;
    // The address's bytes in network order; none for families other than IPv4 and IPv6.
    std::span<const uint8_t> bytes;
    if (entry.ifa_addr->sa_family == AF_INET) {
        const in_addr& ipv4 = reinterpret_cast<const sockaddr_in*>(entry.ifa_addr)->sin_addr;
        bytes = {reinterpret_cast<const uint8_t*>(&ipv4), sizeof ipv4};
    } else if (entry.ifa_addr->sa_family == AF_INET6) {
        const in6_addr& ipv6 = reinterpret_cast<const sockaddr_in6*>(entry.ifa_addr)->sin6_addr;
        bytes = {reinterpret_cast<const uint8_t*>(&ipv6), sizeof ipv6};
    }
    std::optional<HostAddress> address = AddressFromBytes(bytes);
    if (!address) return std::nullopt;
    address->up = (entry.ifa_flags & IFF_UP) != 0;
    address->loopback = address->loopback || (entry.ifa_flags & IFF_LOOPBACK) != 0;
    return address;
}

}  // namespace

std::optional<std::vector<HostAddress>> LinuxAddressSource::Read() {
    ifaddrs* first = nullptr;
    if (getifaddrs(&first) != 0) return std::nullopt;
    const ScopedInterfaceList list(first);
    std::vector<HostAddress> addresses;
    for (const ifaddrs* entry = list.get(); entry != nullptr; entry = entry->ifa_next) {
        if (std::optional<HostAddress> address = AddressOf(*entry)) addresses.push_back(std::move(*address));
    }
    return addresses;
}

}  // namespace kelvor::x11
