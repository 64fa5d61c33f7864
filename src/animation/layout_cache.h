#pragma once
// The monitors' layout as last read, for a window that is not told of every change (Wine sends no
// display-change message when the X server's outputs change) and so reads it again now and then.
// Every monitor's rectangle counts, not only the desktop's bounds: a secondary monitor made
// smaller, or moved within the same bounding rectangle, changes where the block may be seen.

#include <vector>

#include "animation/display_layout.h"

namespace kelvor {

class LayoutCache {
public:
    // Reads the layout into the cache; true when it differs from what the cache held (the first
    // reading does: it lists one monitor at least).
    bool Update(DisplayLayout& layout);

private:
    std::vector<PixelRect> monitors_;
    // The reading before `monitors_`, kept so that a reading allocates nothing.
    std::vector<PixelRect> before_;
};

}  // namespace kelvor
