#include "linux/linux_address_source.h"

#include <ifaddrs.h>
#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <array>
#include <cerrno>
#include <memory>
#include <span>

namespace kelvor::x11 {

namespace {

struct InterfaceListFreer {
    void operator()(ifaddrs* list) const { freeifaddrs(list); }
};
using ScopedInterfaceList = std::unique_ptr<ifaddrs, InterfaceListFreer>;

// Address changes, and links going up or down: an interface brought down keeps its IPv4 addresses,
// but they no longer count.
constexpr uint32_t kAnnouncedGroups = RTMGRP_IPV4_IFADDR | RTMGRP_IPV6_IFADDR | RTMGRP_LINK;

ScopedFd SubscribeToAnnouncements() {
    ScopedFd socket(::socket(AF_NETLINK, SOCK_RAW | SOCK_NONBLOCK | SOCK_CLOEXEC, NETLINK_ROUTE));
    if (!socket) return socket;
    sockaddr_nl groups{};
    groups.nl_family = AF_NETLINK;
    groups.nl_groups = kAnnouncedGroups;
    if (bind(socket.Get(), reinterpret_cast<const sockaddr*>(&groups), sizeof groups) != 0) return ScopedFd();
    return socket;
}

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

LinuxAddressSource::LinuxAddressSource() : announcements_(SubscribeToAnnouncements()) {}

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

// The announcements are drained here, when the text is rebuilt once a second, rather than waited
// for in the module's poll: the line cannot change sooner than that rebuild anyway, an empty socket
// costs one failed receive a second instead of one more descriptor in ten polls a second, and a
// burst of announcements (a VPN coming up, privacy addresses renewed) wakes nothing. Whatever
// arrives meanwhile waits in the socket's buffer; should the buffer overrun, the kernel says so
// (ENOBUFS), which counts as a change too.
AddressSource::News LinuxAddressSource::ChangedSinceLastCall() {
    if (!announcements_) return News::CannotTell;
    bool changed = false;
    // Only whether something came matters, not what: a longer message is cut off and dropped.
    std::array<char, 64> message{};
    for (;;) {
        if (recv(announcements_.Get(), message.data(), message.size(), MSG_DONTWAIT) >= 0) {
            changed = true;
        } else if (errno == ENOBUFS) {
            changed = true;
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            return changed ? News::Changed : News::Unchanged;
        } else if (errno != EINTR) {
            return News::CannotTell;
        }
    }
}

}  // namespace kelvor::x11
