#include "password/salt_source.h"

#include <algorithm>

#include "password/sha256.h"

namespace kelvor {

std::vector<uint8_t> ExpandSeed(std::span<const uint8_t> seed, size_t count) {
    std::vector<uint8_t> bytes;
    bytes.reserve(count);
    for (uint32_t block = 0; bytes.size() < count; ++block) {
        Sha256 context;
        context.Update(seed);
        const uint8_t counter[4] = {static_cast<uint8_t>(block >> 24), static_cast<uint8_t>(block >> 16),
                                    static_cast<uint8_t>(block >> 8), static_cast<uint8_t>(block)};
        context.Update(counter);
        const Sha256Digest digest = context.Finish();
        const size_t taken = std::min(digest.size(), count - bytes.size());
        bytes.insert(bytes.end(), digest.begin(), digest.begin() + static_cast<std::ptrdiff_t>(taken));
    }
    return bytes;
}

}  // namespace kelvor
