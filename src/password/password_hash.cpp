#include "password/password_hash.h"

#include <algorithm>
#include <vector>

#include "password/pbkdf2.h"
#include "password/secure_wipe.h"

namespace kelvor {
namespace {

Sha256Digest DeriveHash(std::string_view password, std::span<const uint8_t> salt, uint32_t iterations) {
    const std::span<const uint8_t> passwordBytes(reinterpret_cast<const uint8_t*>(password.data()),
                                                 password.size());
    std::vector<uint8_t> derived = Pbkdf2HmacSha256(passwordBytes, salt, iterations, kSha256DigestSize);
    Sha256Digest hash;
    std::copy(derived.begin(), derived.end(), hash.begin());
    WipeBytes(derived);
    return hash;
}

}  // namespace

PasswordRecord HashPassword(std::string_view password, std::span<const uint8_t> salt, uint32_t iterations) {
    PasswordRecord record;
    record.iterations = iterations;
    record.salt.assign(salt.begin(), salt.end());
    record.hash = DeriveHash(password, salt, iterations);
    return record;
}

bool PasswordMatches(std::string_view password, const PasswordRecord& record) {
    const Sha256Digest hash = DeriveHash(password, record.salt, record.iterations);
    return ConstantTimeEqual(hash, record.hash);
}

bool ConstantTimeEqual(std::span<const uint8_t> first, std::span<const uint8_t> second) {
    if (first.size() != second.size()) return false;
    uint8_t difference = 0;
    for (size_t index = 0; index < first.size(); ++index) difference |= first[index] ^ second[index];
    return difference == 0;
}

}  // namespace kelvor
