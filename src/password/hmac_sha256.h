#pragma once
// HMAC-SHA256 (RFC 2104). The key is absorbed once; each message then costs only its own blocks and
// one more for the outer hash, which is what keeps PBKDF2's many rounds cheap.

#include <cstdint>
#include <span>

#include "password/sha256.h"

namespace kelvor {

class HmacSha256 {
public:
    explicit HmacSha256(std::span<const uint8_t> key);
    Sha256Digest Mac(std::span<const uint8_t> message) const;

private:
    Sha256 inner_;  // the hash with the key XOR ipad already absorbed
    Sha256 outer_;  // the hash with the key XOR opad already absorbed
};

}  // namespace kelvor
