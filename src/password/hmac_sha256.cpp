#include "password/hmac_sha256.h"

#include <algorithm>
#include <array>

#include "password/secure_wipe.h"

namespace kelvor {

HmacSha256::HmacSha256(std::span<const uint8_t> key) {
    // A key longer than a block is replaced by its hash; a shorter one is padded with zeros.
    std::array<uint8_t, kSha256BlockSize> block{};
    if (key.size() > kSha256BlockSize) {
        Sha256Digest hashed = Sha256Of(key);
        std::copy(hashed.begin(), hashed.end(), block.begin());
        WipeBytes(hashed);
    } else {
        std::copy(key.begin(), key.end(), block.begin());
    }

    std::array<uint8_t, kSha256BlockSize> pad;
    std::transform(block.begin(), block.end(), pad.begin(), [](uint8_t byte) { return byte ^ 0x36; });
    inner_.Update(pad);
    std::transform(block.begin(), block.end(), pad.begin(), [](uint8_t byte) { return byte ^ 0x5c; });
    outer_.Update(pad);
    WipeBytes(pad);
    WipeBytes(block);
}

Sha256Digest HmacSha256::Mac(std::span<const uint8_t> message) const {
    Sha256 inner = inner_;
    inner.Update(message);
    const Sha256Digest innerDigest = inner.Finish();
    Sha256 outer = outer_;
    outer.Update(innerDigest);
    return outer.Finish();
}

}  // namespace kelvor
