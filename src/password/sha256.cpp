#include "password/sha256.h"

#include <algorithm>

namespace kelvor {
namespace {

constexpr std::array<uint32_t, 64> kRoundConstants{
    0x428a2f98u, 0x71374491u, 0xb5c0fbcfu, 0xe9b5dba5u, 0x3956c25bu, 0x59f111f1u, 0x923f82a4u, 0xab1c5ed5u,
    0xd807aa98u, 0x12835b01u, 0x243185beu, 0x550c7dc3u, 0x72be5d74u, 0x80deb1feu, 0x9bdc06a7u, 0xc19bf174u,
    0xe49b69c1u, 0xefbe4786u, 0x0fc19dc6u, 0x240ca1ccu, 0x2de92c6fu, 0x4a7484aau, 0x5cb0a9dcu, 0x76f988dau,
    0x983e5152u, 0xa831c66du, 0xb00327c8u, 0xbf597fc7u, 0xc6e00bf3u, 0xd5a79147u, 0x06ca6351u, 0x14292967u,
    0x27b70a85u, 0x2e1b2138u, 0x4d2c6dfcu, 0x53380d13u, 0x650a7354u, 0x766a0abbu, 0x81c2c92eu, 0x92722c85u,
    0xa2bfe8a1u, 0xa81a664bu, 0xc24b8b70u, 0xc76c51a3u, 0xd192e819u, 0xd6990624u, 0xf40e3585u, 0x106aa070u,
    0x19a4c116u, 0x1e376c08u, 0x2748774cu, 0x34b0bcb5u, 0x391c0cb3u, 0x4ed8aa4au, 0x5b9cca4fu, 0x682e6ff3u,
    0x748f82eeu, 0x78a5636fu, 0x84c87814u, 0x8cc70208u, 0x90befffau, 0xa4506cebu, 0xbef9a3f7u, 0xc67178f2u};

constexpr uint32_t RotateRight(uint32_t value, int count) { return (value >> count) | (value << (32 - count)); }

}  // namespace

void Sha256::Compress(const uint8_t* block) {
    std::array<uint32_t, 64> schedule;
    for (size_t index = 0; index < 16; ++index) {
        const uint8_t* const word = block + 4 * index;
        schedule[index] = static_cast<uint32_t>(word[0]) << 24 | static_cast<uint32_t>(word[1]) << 16 |
                          static_cast<uint32_t>(word[2]) << 8 | static_cast<uint32_t>(word[3]);
    }
    for (size_t index = 16; index < 64; ++index) {
        const uint32_t before15 = schedule[index - 15];
        const uint32_t before2 = schedule[index - 2];
        const uint32_t sigma0 = RotateRight(before15, 7) ^ RotateRight(before15, 18) ^ (before15 >> 3);
        const uint32_t sigma1 = RotateRight(before2, 17) ^ RotateRight(before2, 19) ^ (before2 >> 10);
        schedule[index] = schedule[index - 16] + sigma0 + schedule[index - 7] + sigma1;
    }

    uint32_t a = state_[0], b = state_[1], c = state_[2], d = state_[3];
    uint32_t e = state_[4], f = state_[5], g = state_[6], h = state_[7];
    for (size_t index = 0; index < 64; ++index) {
        const uint32_t sum1 = RotateRight(e, 6) ^ RotateRight(e, 11) ^ RotateRight(e, 25);
        const uint32_t choice = (e & f) ^ (~e & g);
        const uint32_t first = h + sum1 + choice + kRoundConstants[index] + schedule[index];
        const uint32_t sum0 = RotateRight(a, 2) ^ RotateRight(a, 13) ^ RotateRight(a, 22);
        const uint32_t majority = (a & b) ^ (a & c) ^ (b & c);
        const uint32_t second = sum0 + majority;
        h = g;
        g = f;
        f = e;
        e = d + first;
        d = c;
        c = b;
        b = a;
        a = first + second;
    }
    state_[0] += a;
    state_[1] += b;
    state_[2] += c;
    state_[3] += d;
    state_[4] += e;
    state_[5] += f;
    state_[6] += g;
    state_[7] += h;
}

void Sha256::Update(std::span<const uint8_t> data) {
    totalSize_ += data.size();
    while (!data.empty()) {
        if (pendingSize_ == 0 && data.size() >= kSha256BlockSize) {
            Compress(data.data());
            data = data.subspan(kSha256BlockSize);
            continue;
        }
        const size_t taken = std::min(kSha256BlockSize - pendingSize_, data.size());
        std::copy_n(data.begin(), taken, pending_.begin() + static_cast<std::ptrdiff_t>(pendingSize_));
        pendingSize_ += taken;
        data = data.subspan(taken);
        if (pendingSize_ == kSha256BlockSize) {
            Compress(pending_.data());
            pendingSize_ = 0;
        }
    }
}

Sha256Digest Sha256::Finish() {
    // Padding: a one bit, zeros up to 8 bytes short of a block end, then the message length in bits.
    const uint64_t bitCount = totalSize_ * 8;
    pending_[pendingSize_++] = 0x80;
    if (pendingSize_ > kSha256BlockSize - 8) {
        std::fill(pending_.begin() + static_cast<std::ptrdiff_t>(pendingSize_), pending_.end(), uint8_t{0});
        Compress(pending_.data());
        pendingSize_ = 0;
    }
    std::fill(pending_.begin() + static_cast<std::ptrdiff_t>(pendingSize_), pending_.end() - 8, uint8_t{0});
    for (size_t index = 0; index < 8; ++index)
        pending_[kSha256BlockSize - 1 - index] = static_cast<uint8_t>(bitCount >> (8 * index));
    Compress(pending_.data());

    Sha256Digest digest;
    for (size_t index = 0; index < state_.size(); ++index)
        for (size_t byte = 0; byte < 4; ++byte)
            digest[4 * index + byte] = static_cast<uint8_t>(state_[index] >> (24 - 8 * byte));
    return digest;
}

Sha256Digest Sha256Of(std::span<const uint8_t> data) {
    Sha256 context;
    context.Update(data);
    return context.Finish();
}

}  // namespace kelvor
