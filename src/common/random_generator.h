#pragma once
// The program's one pseudo-random generator: uniform single-precision values in [0, 1).

#include <cstdint>
#include <random>

namespace kelvor {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual float Next() = 0;
};

// Seeded once, from the clock, at start-up.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(uint32_t seed) : engine_(seed) {}
    float Next() override;

private:
    std::mt19937 engine_;
};

}  // namespace kelvor
