#include "linux/address_announcements.h"

#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <sys/socket.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <utility>

namespace kelvor::x11 {

namespace {

// Address changes, and links going up or down: an interface brought down keeps its IPv4 addresses,
// but they no longer count.
constexpr uint32_t kAnnouncedGroups = RTMGRP_IPV4_IFADDR | RTMGRP_IPV6_IFADDR | RTMGRP_LINK;

ScopedFd Subscribe() {
    ScopedFd socket(::socket(AF_NETLINK, SOCK_RAW | SOCK_NONBLOCK | SOCK_CLOEXEC, NETLINK_ROUTE));
    if (!socket) return socket;
    sockaddr_nl groups{};
    groups.nl_family = AF_NETLINK;
    groups.nl_groups = kAnnouncedGroups;
    if (bind(socket.Get(), reinterpret_cast<const sockaddr*>(&groups), sizeof groups) != 0) return ScopedFd();
    return socket;
}

}  // namespace

AddressAnnouncements::AddressAnnouncements() : socket_(Subscribe()) {}

// A burst of announcements (a VPN coming up, privacy addresses renewed) is taken in one go. Should
// the socket's buffer overrun, the kernel says so (ENOBUFS), which counts as a change too.
void AddressAnnouncements::Drain() {
    // Only whether something came matters, not what: a longer message is cut off and dropped.
    std::array<char, 64> message{};
    while (socket_) {
        if (recv(socket_.Get(), message.data(), message.size(), MSG_DONTWAIT) >= 0 || errno == ENOBUFS) {
            heard_ = true;
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            return;
        } else if (errno != EINTR) {
            // A socket that fails otherwise would wake every poll: it goes, and the line is read
            // every few seconds instead.
            socket_ = ScopedFd();
        }
    }
}

AddressSource::News AddressAnnouncements::TakeNews() {
    if (std::exchange(heard_, false)) return AddressSource::News::Changed;
    return socket_ ? AddressSource::News::Unchanged : AddressSource::News::CannotTell;
}

}  // namespace kelvor::x11
