#include "probes/host_addresses.h"

#include <algorithm>

namespace kelvor {
namespace {

// The caption up to the colon; the line's own space follows it.
constexpr char kOneCaption[] = "IP address:";
constexpr char kManyCaption[] = "IP addresses:";

bool Shown(const HostAddress& address, bool ipv6) {
    // An adapter without an address lists the unspecified one (Windows 98's address table does).
    const bool unspecified = address.text == "0.0.0.0" || address.text == "::";
    return address.ipv6 == ipv6 && address.up && !address.loopback && !(ipv6 && address.linkLocal) && !unspecified;
}

}  // namespace

std::string AddressLineText(const std::optional<std::vector<HostAddress>>& addresses) {
    if (!addresses) return std::string(kOneCaption) + " unavailable";
    std::vector<const std::string*> shown;
    for (const bool ipv6 : {false, true})
        for (const HostAddress& address : *addresses)
            if (Shown(address, ipv6)) shown.push_back(&address.text);
    if (shown.empty()) return std::string(kOneCaption) + " none";

    std::string line = shown.size() == 1 ? kOneCaption : kManyCaption;
    for (size_t i = 0; i < shown.size(); ++i) {
        line += i == 0 ? " " : ", ";
        line += *shown[i];
    }
    return line;
}

std::optional<HostAddress> AddressFromBytes(std::span<const uint8_t> bytes) {
    HostAddress address;
    if (bytes.size() == 4) {
        for (size_t i = 0; i < 4; ++i) {
            if (i != 0) address.text += '.';
            address.text += std::to_string(bytes[i]);
        }
        address.loopback = bytes[0] == 127;
        address.linkLocal = bytes[0] == 169 && bytes[1] == 254;
        return address;
    }
    if (bytes.size() != 16) return std::nullopt;
    address.ipv6 = true;
    uint16_t groups[8];
    for (size_t i = 0; i < 8; ++i) groups[i] = static_cast<uint16_t>(bytes[2 * i] << 8 | bytes[2 * i + 1]);
    // The longest run of two or more zero groups becomes "::", the first of equally long ones.
    size_t runStart = 8, runLength = 0;
    for (size_t i = 0; i < 8;) {
        size_t j = i;
        while (j < 8 && groups[j] == 0) ++j;
        if (j - i >= 2 && j - i > runLength) runStart = i, runLength = j - i;
        i = j == i ? i + 1 : j;
    }
    static constexpr char kHex[] = "0123456789abcdef";
    for (size_t i = 0; i < 8; ++i) {
        if (i == runStart) {
            address.text += "::";
            i += runLength - 1;
            continue;
        }
        if (i != 0 && i != runStart + runLength) address.text += ':';
        bool digits = false;
        for (int shift = 12; shift >= 0; shift -= 4) {
            const int digit = (groups[i] >> shift) & 0xF;
            if (digit != 0 || digits || shift == 0) address.text += kHex[digit], digits = true;
        }
    }
    const bool allZeroBeforeLast = std::all_of(groups, groups + 7, [](uint16_t g) { return g == 0; });
    address.loopback = allZeroBeforeLast && groups[7] == 1;
    address.linkLocal = (groups[0] & 0xFFC0) == 0xFE80;
    return address;
}

}  // namespace kelvor
