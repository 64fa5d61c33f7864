#pragma once
// A random source that returns a fixed script of values, so a test controls every draw and can
// check how many were made.

#include <cstddef>
#include <initializer_list>
#include <stdexcept>
#include <vector>

#include "common/random_generator.h"

namespace kelvor {

// The largest value a draw can return: the float just below 1.
inline constexpr float kLargestDraw = 0.99999994f;

class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<float> values) : values_(values) {}

    // Appends further values to the script.
    void Add(std::initializer_list<float> values) { values_.insert(values_.end(), values); }

    // A draw beyond the script is a fault of the code under test (or of the script).
    float Next() override {
        if (next_ == values_.size()) throw std::logic_error("ScriptedRandom: more draws than scripted");
        return values_[next_++];
    }

    size_t Drawn() const { return next_; }
    size_t Remaining() const { return values_.size() - next_; }

private:
    std::vector<float> values_;
    size_t next_ = 0;
};

}  // namespace kelvor
