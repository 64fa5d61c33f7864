#include <gtest/gtest.h>

#include "display/block_painter.h"

namespace kelvor {
namespace {

constexpr PixelSize kWindow{640, 480};

bool Covers(const PixelRect& rect, int32_t x, int32_t y) {
    return !rect.IsEmpty() && x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

// Every pixel of the area painted once, by a fill or by the copy of the block's part of the area
// (from the same part of its image), and no pixel outside the area.
void ExpectPaintsOnce(const PixelRect& area, const PixelRect& block) {
    const BlockPaint paint = PaintOf(area, block);
    EXPECT_EQ(paint.copy, Intersection(area, block));
    EXPECT_EQ(paint.copyFrom.x, paint.copy.IsEmpty() ? 0 : paint.copy.left - block.left);
    EXPECT_EQ(paint.copyFrom.y, paint.copy.IsEmpty() ? 0 : paint.copy.top - block.top);
    for (int32_t y = area.top - 1; y <= area.bottom; ++y) {
        for (int32_t x = area.left - 1; x <= area.right; ++x) {
            int count = Covers(paint.copy, x, y) ? 1 : 0;
            for (const PixelRect& fill : paint.background) count += Covers(fill, x, y) ? 1 : 0;
            ASSERT_EQ(count, Covers(area, x, y) ? 1 : 0) << "pixel " << x << "," << y;
        }
    }
}

TEST(BlockPainter, PaintsWhatAStepAJumpOrABlockPartlyOutsideTheWindowMarked) {
    BlockPainter painter;
    // A step onto overlapping pixels, then a jump elsewhere: one rectangle around both places.
    const PixelRect before{100, 100, 300, 200}, step{110, 96, 310, 196}, jump{400, 300, 600, 400};
    painter.Mark(BoundingUnion(before, step));
    EXPECT_EQ(painter.TakeMarked(kWindow), (PixelRect{100, 96, 310, 200}));
    painter.Mark(step);
    painter.Mark(jump);
    EXPECT_EQ(painter.TakeMarked(kWindow), (PixelRect{110, 96, 600, 400}));
    ExpectPaintsOnce({110, 96, 600, 400}, jump);
    // Partly outside: the part in the window, copied from the part of the image that lands there.
    painter.Mark({-50, 400, 150, 520});
    EXPECT_EQ(painter.TakeMarked(kWindow), (PixelRect{0, 400, 150, 480}));
    ExpectPaintsOnce({0, 400, 150, 480}, {-50, 400, 150, 520});
    // The system asks for a part that cuts through the block, or misses it (the window uncovered).
    ExpectPaintsOnce({0, 0, 200, 150}, {100, 100, 300, 200});
    ExpectPaintsOnce({0, 0, 200, 150}, {300, 300, 500, 400});
    // An empty mark, and one wholly outside the window, paint nothing.
    painter.Mark({});
    painter.Mark({700, 10, 800, 50});
    EXPECT_TRUE(painter.TakeMarked(kWindow).IsEmpty());
}

TEST(BlockPainter, TheStalePartIsKeptInTheImageAndWithinIt) {
    BlockPainter painter;
    // A changed line: where it is in the image, wherever the block goes before the paint.
    painter.MarkChanged({120, 130, 220, 150}, {100, 100, 300, 200});
    EXPECT_EQ(painter.TakeMarked(kWindow), (PixelRect{120, 130, 220, 150}));
    EXPECT_EQ(painter.TakeStale({200, 100}), (PixelRect{20, 30, 120, 50}));
    EXPECT_TRUE(painter.TakeStale({200, 100}).IsEmpty()) << "drawn once";
    // A change reaching past the image on three sides, the block partly outside the window.
    painter.MarkChanged({-60, 380, 200, 450}, {-50, 400, 150, 520});
    EXPECT_EQ(painter.TakeStale({200, 120}), (PixelRect{0, 0, 200, 50}));
    painter.ImageLost();
    EXPECT_EQ(painter.TakeStale({200, 120}), (PixelRect{0, 0, 200, 120}));
}

}  // namespace
}  // namespace kelvor
