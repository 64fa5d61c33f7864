#pragma once
// How a platform paints the information block from an image of it kept between paints. What is
// marked for the next paint is gathered into one rectangle: a step of the block overlaps its last
// place, and the rare jump elsewhere only paints the background between the two places again,
// unchanged. A paint fills the background around the block straight on the window, in strips
// rather than through a clip region (no pixel twice, so nothing flashes, and no clipping state to
// set and restore), and copies the block whole from its image. A platform that draws the image in
// parts also learns here which part went stale: it is kept in the image's pixels, so that it moves
// with the block.

#include <array>

#include "common/geometry.h"

namespace kelvor {

// One paint of an area of the window.
struct BlockPaint {
    // The background around the block; the empty ones are nothing to fill.
    std::array<PixelRect, 4> background;
    // Where the block's image goes on the window (empty: the block is not in the area), and the
    // pixel of the image that lands on its top-left corner.
    PixelRect copy;
    PixelPoint copyFrom;
};

// The paint of `area` with the block at `block` (window pixels).
BlockPaint PaintOf(const PixelRect& area, const PixelRect& block);

class BlockPainter {
public:
    // Only the block's place changed within `rect`: its image holds.
    void Mark(const PixelRect& rect) { marked_ = BoundingUnion(marked_, rect); }
    // What the block shows changed within `rect` while the block stood at `block`.
    void MarkChanged(const PixelRect& rect, const PixelRect& block);
    // The image was made anew and holds nothing yet.
    void ImageLost() { stale_ = {0, 0, kWhole, kWhole}; }

    // What was marked since the last call, within a window of this size.
    PixelRect TakeMarked(PixelSize window);
    // The part of the image of a block of this size that must be drawn again before it is copied;
    // from here on the image counts as drawn.
    PixelRect TakeStale(PixelSize block);

private:
    static constexpr int32_t kWhole = 0x7fffffff;

    PixelRect marked_;
    PixelRect stale_;  // in the image's pixels
};

}  // namespace kelvor
