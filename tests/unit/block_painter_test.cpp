#include <gtest/gtest.h>

#include "display/block_painter.h"

namespace kelvor {
namespace {

constexpr PixelSize kWindow{640, 480};

bool Covers(const PixelRect& rect, int32_t x, int32_t y) {
    return !rect.IsEmpty() && x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

// Every pixel of the area painted once, by a fill or by the copy, and none outside it; the copy is
// the block's part of the area, taken from the same part of its image.
void ExpectPaintsOnce(const BlockPaint& paint, const PixelRect& area, const PixelRect& block) {
    EXPECT_EQ(paint.copy, Intersection(area, block));
    if (!paint.copy.IsEmpty()) {
        EXPECT_EQ(paint.copyFrom.x, paint.copy.left - block.left);
        EXPECT_EQ(paint.copyFrom.y, paint.copy.top - block.top);
    }
    for (int32_t y = area.top - 2; y < area.bottom + 2; ++y) {
        for (int32_t x = area.left - 2; x < area.right + 2; ++x) {
            int count = Covers(paint.copy, x, y) ? 1 : 0;
            for (const PixelRect& fill : paint.background) count += Covers(fill, x, y) ? 1 : 0;
            ASSERT_EQ(count, Covers(area, x, y) ? 1 : 0) << "pixel " << x << "," << y;
        }
    }
}

TEST(BlockPainter, PaintsWhatAStepOrAJumpMarkedOnce) {
    const PixelRect before{100, 100, 300, 200};
    BlockPainter painter;
    // A step onto overlapping pixels: the old place's uncovered part gets the background.
    const PixelRect step{110, 96, 310, 196};
    painter.Mark(BoundingUnion(before, step));
    const PixelRect stepArea = painter.TakeMarked(kWindow);
    EXPECT_EQ(stepArea, (PixelRect{100, 96, 310, 200}));
    ExpectPaintsOnce(PaintOf(stepArea, step), stepArea, step);

    // A jump elsewhere marks both places; one rectangle around them is painted.
    const PixelRect jump{400, 300, 600, 400};
    painter.Mark(step);
    painter.Mark(jump);
    const PixelRect jumpArea = painter.TakeMarked(kWindow);
    EXPECT_EQ(jumpArea, (PixelRect{110, 96, 600, 400}));
    ExpectPaintsOnce(PaintOf(jumpArea, jump), jumpArea, jump);
    // The system asks for a part away from the block: background only.
    ExpectPaintsOnce(PaintOf({0, 0, 50, 40}, jump), {0, 0, 50, 40}, jump);
}

TEST(BlockPainter, ABlockPartlyOutsideTheWindowIsCopiedFromTheRightPartOfItsImage) {
    BlockPainter painter;
    const PixelRect block{-50, 400, 150, 520};
    painter.Mark(block);
    const PixelRect area = painter.TakeMarked(kWindow);
    EXPECT_EQ(area, (PixelRect{0, 400, 150, 480}));
    const BlockPaint paint = PaintOf(area, block);
    EXPECT_EQ(paint.copyFrom.x, 50);
    ExpectPaintsOnce(paint, area, block);
}

TEST(BlockPainter, AnEmptyMarkPaintsNothing) {
    BlockPainter painter;
    painter.Mark({});
    painter.Mark({700, 10, 800, 50});  // outside the window
    EXPECT_TRUE(painter.TakeMarked(kWindow).IsEmpty());
    painter.Mark({10, 10, 20, 20});
    EXPECT_FALSE(painter.TakeMarked(kWindow).IsEmpty());
    EXPECT_TRUE(painter.TakeMarked(kWindow).IsEmpty()) << "a mark is painted once";
    for (const PixelRect& fill : PaintOf({}, {0, 0, 10, 10}).background) EXPECT_TRUE(fill.IsEmpty());
}

TEST(BlockPainter, TheStalePartMovesWithTheBlockAndStaysWithinItsImage) {
    BlockPainter painter;
    // A changed line, then a step before the paint: the stale part is where the line is in the image.
    painter.MarkChanged({120, 130, 220, 150}, {100, 100, 300, 200});
    EXPECT_EQ(painter.TakeStale({200, 100}), (PixelRect{20, 30, 120, 50}));
    EXPECT_TRUE(painter.TakeStale({200, 100}).IsEmpty()) << "drawn once";
    EXPECT_EQ(painter.TakeMarked(kWindow), (PixelRect{120, 130, 220, 150}));

    // A change reaching past the image on three sides, the block partly outside the window.
    painter.MarkChanged({-60, 380, 200, 450}, {-50, 400, 150, 520});
    EXPECT_EQ(painter.TakeStale({200, 120}), (PixelRect{0, 0, 200, 50}));

    painter.ImageLost();
    EXPECT_EQ(painter.TakeStale({200, 120}), (PixelRect{0, 0, 200, 120}));
}

}  // namespace
}  // namespace kelvor
