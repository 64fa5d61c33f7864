#include "animation/layout_cache.h"

#include <utility>

#include "animation/desktop_bounds.h"

namespace kelvor {

bool LayoutCache::Update(DisplayLayout& layout) {
    std::swap(before_, monitors_);
    // The monitor calls are asked for even where the program does without them: where they are
    // missing the layout reports no monitor and the primary screen stands for the desktop.
    int32_t left = 0, right = 0, top = 0, bottom = 0;
    GetDesktopBounds(layout, true, left, right, top, bottom, monitors_);
    return monitors_ != before_;
}

}  // namespace kelvor
