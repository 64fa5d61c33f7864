#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "display/block_painter.h"

namespace kelvor {
namespace {

constexpr PixelSize kWindow{640, 480};

bool Covers(const PixelRect& rect, int32_t x, int32_t y) {
    return !rect.IsEmpty() && x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

// Every pixel of the area painted once, and none outside it: copied from the same pixel of the
// block's image where it lies in one of the rows (the whole block when none are given), else filled.
void ExpectPaintsOnce(const PixelRect& area, const PixelRect& block, std::vector<PixelRect> rows = {}) {
    if (rows.empty()) rows = {block};
    BlockPaint paint;
    PaintOf(area, block, rows, paint);
    for (const BlockCopy& copy : paint.copies) {
        EXPECT_EQ(copy.from.x, copy.to.left - block.left);
        EXPECT_EQ(copy.from.y, copy.to.top - block.top);
    }
    for (int32_t y = area.top - 1; y <= area.bottom; ++y) {
        for (int32_t x = area.left - 1; x <= area.right; ++x) {
            const auto covering = [&](const auto& rects, auto rectOf) {
                return std::count_if(rects.begin(), rects.end(), [&](const auto& r) { return Covers(rectOf(r), x, y); });
            };
            const bool inRow = covering(rows, [](const PixelRect& r) { return r; }) > 0;
            const auto copied = covering(paint.copies, [](const BlockCopy& c) { return c.to; });
            const auto filled = covering(paint.background, [](const PixelRect& r) { return r; });
            ASSERT_EQ(copied, Covers(area, x, y) && inRow ? 1 : 0) << "pixel " << x << "," << y;
            ASSERT_EQ(filled, Covers(area, x, y) && !inRow ? 1 : 0) << "pixel " << x << "," << y;
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
    // The block in the middle of the area, in a corner, along one edge, and the whole area.
    const PixelRect area{10, 20, 110, 70};
    for (const PixelRect& block : {PixelRect{30, 30, 60, 50}, PixelRect{10, 20, 40, 35}, PixelRect{90, 20, 110, 70}, area})
        ExpectPaintsOnce(area, block);
    // An empty mark, and one wholly outside the window, paint nothing.
    painter.Mark({});
    painter.Mark({700, 10, 800, 50});
    EXPECT_TRUE(painter.TakeMarked(kWindow).IsEmpty());
}

TEST(BlockPainter, OnlyTheRowsAreCopiedAndTheRestOfTheBlockFilled) {
    // Lines of three widths, a gap between the labels and room below the last.
    const PixelRect block{100, 100, 300, 200};
    const std::vector<PixelRect> rows{{100, 100, 180, 120}, {100, 120, 300, 140}, {100, 150, 140, 170}};
    ExpectPaintsOnce({90, 95, 310, 205}, block, rows);
    // A step's area cutting through the rows, and one that misses them inside the block.
    ExpectPaintsOnce({150, 110, 250, 160}, block, rows);
    ExpectPaintsOnce({200, 145, 280, 199}, block, rows);
    // A row that overlaps the one above starts below it: nothing is painted twice.
    BlockPaint paint;
    PaintOf(block, block, std::vector<PixelRect>{{100, 100, 180, 120}, {100, 118, 250, 130}}, paint);
    ASSERT_EQ(paint.copies.size(), 2u);
    EXPECT_EQ(paint.copies[1].to, (PixelRect{100, 120, 250, 130}));
    EXPECT_EQ(paint.copies[1].from.y, 20);
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
