#include "display/block_painter.h"

#include <algorithm>

namespace kelvor {

void PaintOf(const PixelRect& area, const PixelRect& block, std::span<const PixelRect> rows, BlockPaint& paint) {
    paint.background.clear();
    paint.copies.clear();
    const auto fill = [&](const PixelRect& rect) {
        if (!rect.IsEmpty()) paint.background.push_back(rect);
    };
    // Down the area: the whole width between the rows, beside each row, and below the last.
    int32_t y = area.top;
    for (const PixelRect& row : rows) {
        PixelRect shown = Intersection(area, row);
        shown.top = std::max(shown.top, y);
        if (shown.IsEmpty()) continue;
        fill({area.left, y, area.right, shown.top});
        fill({area.left, shown.top, shown.left, shown.bottom});
        paint.copies.push_back({shown, {shown.left - block.left, shown.top - block.top}});
        fill({shown.right, shown.top, area.right, shown.bottom});
        y = shown.bottom;
    }
    fill({area.left, y, area.right, area.bottom});
}

void BlockPainter::MarkChanged(const PixelRect& rect, const PixelRect& block) {
    Mark(rect);
    stale_ = BoundingUnion(stale_, {rect.left - block.left, rect.top - block.top, rect.right - block.left,
                                    rect.bottom - block.top});
}

PixelRect BlockPainter::TakeMarked(PixelSize window) {
    const PixelRect area = Intersection(marked_, {0, 0, window.width, window.height});
    marked_ = {};
    return area;
}

PixelRect BlockPainter::TakeStale(PixelSize block) {
    const PixelRect stale = Intersection(stale_, {0, 0, block.width, block.height});
    stale_ = {};
    return stale;
}

}  // namespace kelvor
