#pragma once
// Little-endian fields read out of a raw platform buffer. Every read and every sub-view is checked
// against the bytes actually there, so data that lies about its own layout cannot lead outside them.

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>

namespace kelvor {

class ByteView {
public:
    explicit ByteView(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    size_t Size() const { return bytes_.size(); }

    // Whether `length` bytes from `offset` lie inside the view; safe for any 64-bit inputs.
    bool Holds(uint64_t offset, uint64_t length) const {
        return offset <= bytes_.size() && length <= bytes_.size() - offset;
    }

    // The bytes from `offset` on, `length` of them; throws std::out_of_range if they are not all there.
    ByteView Sub(uint64_t offset, uint64_t length) const {
        Require(offset, length);
        return ByteView(bytes_.subspan(static_cast<size_t>(offset), static_cast<size_t>(length)));
    }

    uint16_t U16(uint64_t offset) const { return static_cast<uint16_t>(Read(offset, 2)); }
    uint32_t U32(uint64_t offset) const { return static_cast<uint32_t>(Read(offset, 4)); }
    int32_t I32(uint64_t offset) const { return static_cast<int32_t>(U32(offset)); }
    uint64_t U64(uint64_t offset) const { return Read(offset, 8); }

private:
    void Require(uint64_t offset, uint64_t length) const {
        if (!Holds(offset, length)) throw std::out_of_range("field outside the buffer");
    }

    uint64_t Read(uint64_t offset, size_t length) const {
        Require(offset, length);
        uint64_t value = 0;
        for (size_t i = length; i-- > 0;) value = (value << 8) | bytes_[static_cast<size_t>(offset) + i];
        return value;
    }

    std::span<const uint8_t> bytes_;
};

}  // namespace kelvor
