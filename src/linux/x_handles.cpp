#include "linux/x_handles.h"

namespace kelvor::x11 {

namespace {

// One 8-bit channel of an RGB colour (red in the lowest byte) as a 16-bit one.
unsigned short Channel(int32_t rgb, int shift) { return static_cast<unsigned short>(((rgb >> shift) & 0xFF) * 257); }

}  // namespace

ScopedXftColour::ScopedXftColour(Display* display, Visual* visual, Colormap colormap, int32_t rgb)
    : display_(display), visual_(visual), colormap_(colormap), rgb_(rgb) {
    const XRenderColor value{Channel(rgb, 0), Channel(rgb, 8), Channel(rgb, 16), 0xFFFF};
    allocated_ = XftColorAllocValue(display, visual, colormap, &value, &colour_) != 0;
}

ScopedXftColour::ScopedXftColour(ScopedXftColour&& other) noexcept
    : display_(other.display_),
      visual_(other.visual_),
      colormap_(other.colormap_),
      rgb_(other.rgb_),
      colour_(other.colour_),
      allocated_(std::exchange(other.allocated_, false)) {}

ScopedXftColour::~ScopedXftColour() {
    if (allocated_) XftColorFree(display_, visual_, colormap_, &colour_);
}

}  // namespace kelvor::x11
