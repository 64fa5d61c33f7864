#pragma once
// The computer's network addresses as the system lists them, and the address line made of them.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kelvor {

struct HostAddress {
    std::string text;  // "192.168.1.5", "2001:db8::1": no scope, no prefix length
    bool ipv6 = false;
    bool up = false;         // its interface is up
    bool loopback = false;   // a loopback interface or address
    bool linkLocal = false;  // fe80::/10 or 169.254.0.0/16
};

// "IP address: A" or "IP addresses: A, B" from the addresses worth reaching the computer at, in the
// system's order: IPv4 addresses of interfaces that are up, loopback left out, then global IPv6
// addresses of interfaces that are up (no link-local, no loopback); never the unspecified address
// (0.0.0.0, ::). "IP address: none" when no address qualifies, "IP address: unavailable" when the
// system could not tell (std::nullopt).
std::string AddressLineText(const std::optional<std::vector<HostAddress>>& addresses);

// An address given as its 4 (IPv4) or 16 (IPv6) bytes in network order: its text (IPv6 in the
// shortest form, RFC 5952), its family, and whether it is loopback (127.0.0.0/8, ::1) or link-local
// (169.254.0.0/16, fe80::/10). `up` is left false for the caller to set. nullopt for any other size.
std::optional<HostAddress> AddressFromBytes(std::span<const uint8_t> bytes);

}  // namespace kelvor
