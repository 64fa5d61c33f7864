#pragma once
// Pixel geometry shared by the display, the monitors and the dialogs' placement.

#include <cstdint>

namespace kelvor {

// A rectangle whose right and bottom edges are exclusive.
struct PixelRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    bool operator==(const PixelRect&) const = default;
    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
};

struct PixelPoint {
    int32_t x = 0;
    int32_t y = 0;
};

struct PixelSize {
    int32_t width = 0;
    int32_t height = 0;
    bool operator==(const PixelSize&) const = default;
};

// The part both rectangles cover; empty when they do not meet.
inline PixelRect Intersection(const PixelRect& a, const PixelRect& b) {
    const PixelRect common{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
                           a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
    return common.IsEmpty() ? PixelRect{} : common;
}

// The smallest rectangle that covers both; an empty one adds nothing.
inline PixelRect BoundingUnion(const PixelRect& a, const PixelRect& b) {
    if (a.IsEmpty()) return b.IsEmpty() ? PixelRect{} : b;
    if (b.IsEmpty()) return a;
    return {a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top, a.right > b.right ? a.right : b.right,
            a.bottom > b.bottom ? a.bottom : b.bottom};
}

}  // namespace kelvor
