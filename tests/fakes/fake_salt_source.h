#pragma once
// Salts for tests: each call gives different, known bytes (call n, byte i holds n * 16 + i), and a
// test can make it answer with too few bytes, as a broken platform source might.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "password/salt_source.h"

namespace kelvor {

class FakeSaltSource final : public SaltSource {
public:
    std::vector<uint8_t> RandomBytes(size_t count) override {
        std::vector<uint8_t> bytes(shortBy_ < count ? count - shortBy_ : 0);
        for (size_t index = 0; index < bytes.size(); ++index)
            bytes[index] = static_cast<uint8_t>(calls_ * 16 + index);
        ++calls_;
        return bytes;
    }

    void AnswerShortBy(size_t missing) { shortBy_ = missing; }
    size_t Calls() const { return calls_; }

private:
    size_t calls_ = 0;
    size_t shortBy_ = 0;
};

}  // namespace kelvor
