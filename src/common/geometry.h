#pragma once
// Pixel geometry shared by the display, the monitors and the dialogs' placement.

#include <array>
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

// What `area` holds around `inside`, a rectangle within it, as four strips: above and below it the
// whole width of `area`, then left and right of it. Strips with nothing in them are empty.
inline std::array<PixelRect, 4> StripsAround(const PixelRect& area, const PixelRect& inside) {
    return {PixelRect{area.left, area.top, area.right, inside.top},
            PixelRect{area.left, inside.bottom, area.right, area.bottom},
            PixelRect{area.left, inside.top, inside.left, inside.bottom},
            PixelRect{inside.right, inside.top, area.right, inside.bottom}};
}

}  // namespace kelvor
