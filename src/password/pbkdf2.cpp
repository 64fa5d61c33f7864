#include "password/pbkdf2.h"

#include <algorithm>

#include "password/hmac_sha256.h"

namespace kelvor {

std::vector<uint8_t> Pbkdf2HmacSha256(std::span<const uint8_t> password, std::span<const uint8_t> salt,
                                      uint32_t iterations, size_t length) {
    const HmacSha256 prf(password);
    std::vector<uint8_t> derived;
    derived.reserve(length);
    std::vector<uint8_t> firstMessage(salt.begin(), salt.end());
    firstMessage.resize(salt.size() + 4);
    for (uint32_t blockIndex = 1; derived.size() < length; ++blockIndex) {
        // U1 = PRF(salt || INT(i)); Ui = PRF(Ui-1); the block is U1 ^ U2 ^ ... ^ Uc.
        for (size_t byte = 0; byte < 4; ++byte)
            firstMessage[salt.size() + byte] = static_cast<uint8_t>(blockIndex >> (24 - 8 * byte));
        Sha256Digest round = prf.Mac(firstMessage);
        Sha256Digest block = round;
        for (uint32_t iteration = 1; iteration < iterations; ++iteration) {
            round = prf.Mac(round);
            for (size_t byte = 0; byte < block.size(); ++byte) block[byte] ^= round[byte];
        }
        const size_t taken = std::min(block.size(), length - derived.size());
        derived.insert(derived.end(), block.begin(), block.begin() + static_cast<std::ptrdiff_t>(taken));
    }
    return derived;
}

}  // namespace kelvor
