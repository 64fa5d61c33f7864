#pragma once
// PBKDF2 with HMAC-SHA256 as its pseudo-random function (RFC 8018, section 5.2).

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace kelvor {

// `length` bytes derived from the password and salt with `iterations` rounds (at least 1; 0 counts
// as 1).
std::vector<uint8_t> Pbkdf2HmacSha256(std::span<const uint8_t> password, std::span<const uint8_t> salt,
                                      uint32_t iterations, size_t length);

}  // namespace kelvor
