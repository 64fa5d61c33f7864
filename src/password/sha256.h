#pragma once
// SHA-256 (FIPS 180-4). The hashing context is a plain value: copying it part-way through a message
// lets HMAC start every message from a key that has already been absorbed.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace kelvor {

inline constexpr size_t kSha256BlockSize = 64;
inline constexpr size_t kSha256DigestSize = 32;
using Sha256Digest = std::array<uint8_t, kSha256DigestSize>;

class Sha256 {
public:
    void Update(std::span<const uint8_t> data);
    // The digest of everything given so far. The context must not be used afterwards.
    Sha256Digest Finish();

private:
    void Compress(const uint8_t* block);

    std::array<uint32_t, 8> state_{0x6a09e667u, 0xbb67ae85u, 0x3c6ef372u, 0xa54ff53au,
                                   0x510e527fu, 0x9b05688cu, 0x1f83d9abu, 0x5be0cd19u};
    std::array<uint8_t, kSha256BlockSize> pending_{};
    size_t pendingSize_ = 0;
    uint64_t totalSize_ = 0;
};

Sha256Digest Sha256Of(std::span<const uint8_t> data);

}  // namespace kelvor
