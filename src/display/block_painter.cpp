#include "display/block_painter.h"

namespace kelvor {

BlockPaint PaintOf(const PixelRect& area, const PixelRect& block) {
    const PixelRect shown = Intersection(area, block);
    if (shown.IsEmpty()) return {{area}, {}, {}};
    return {StripsAround(area, shown), shown, {shown.left - block.left, shown.top - block.top}};
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
