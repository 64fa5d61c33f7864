#pragma once
// Where new salts come from: the platform's random numbers. Tests give fixed bytes.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace kelvor {

class SaltSource {
public:
    virtual ~SaltSource() = default;
    // `count` unpredictable bytes.
    virtual std::vector<uint8_t> RandomBytes(size_t count) = 0;
};

// `count` bytes drawn from a seed of mixed, partly predictable values (clocks, process and thread
// numbers, addresses): SHA-256 of the seed and a block counter. Used only when the platform offers no
// random numbers of its own; the result is as unpredictable as the seed, and no more.
std::vector<uint8_t> ExpandSeed(std::span<const uint8_t> seed, size_t count);

}  // namespace kelvor
