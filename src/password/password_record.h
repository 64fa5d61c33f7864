#pragma once
// The stored form of a password: "pbkdf2-sha256$<iterations>$<salt hex>$<hash hex>", the hash being
// PBKDF2-HMAC-SHA256 of the password with that salt and round count. The round count travels with the
// hash so that it can be raised later without making older records unreadable.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "password/sha256.h"

namespace kelvor {

inline constexpr char kPasswordScheme[] = "pbkdf2-sha256";
inline constexpr size_t kPasswordSaltSize = 16;
// The salt sizes and round counts a record may carry. The ceiling bounds how long one check can take
// on a damaged record.
inline constexpr size_t kMinPasswordSaltSize = 8;
inline constexpr size_t kMaxPasswordSaltSize = 64;
inline constexpr uint32_t kMinPasswordIterations = 1;
inline constexpr uint32_t kMaxPasswordIterations = 1'000'000;

struct PasswordRecord {
    uint32_t iterations = 0;
    std::vector<uint8_t> salt;
    Sha256Digest hash{};

    bool operator==(const PasswordRecord&) const = default;
};

// Only the exact form FormatPasswordRecord writes is accepted: the scheme, a round count in decimal
// without leading zeros within the limits, a salt of an allowed size and a 32-byte hash, both in
// lower-case hexadecimal, and nothing else. Anything else gives nullopt.
std::optional<PasswordRecord> ParsePasswordRecord(std::string_view text);
std::string FormatPasswordRecord(const PasswordRecord& record);

}  // namespace kelvor
