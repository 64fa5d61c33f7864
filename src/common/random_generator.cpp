#include "common/random_generator.h"

namespace kelvor {

float SeededRandom::Next() {
    // 24 random bits fill a float's mantissa exactly, so the result is uniform and below 1.
    return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f);
}

}  // namespace kelvor
