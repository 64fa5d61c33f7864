#pragma once
// Where the options dialog goes: centred on the screen, or centred over another window and pulled
// back onto the screen. All results are in twips.

#include "options/options_platform.h"
#include "options/options_view.h"

namespace kelvor {

struct DialogPosition {
    double left = 0;
    double top = 0;
    bool operator==(const DialogPosition&) const = default;
};

DialogPosition CentredOnScreen(double screenWidth, double screenHeight, const TwipRect& dialog);

// Centres the dialog over `window` (pixels, converted with the twips-per-pixel factors), then keeps
// it on the screen: the left edge is tested before the right one, the bottom before the top, so a
// dialog larger than the screen may stick out on the left but never above. A step whose arithmetic
// overflows is skipped and the ones after it still run.
DialogPosition CentredOverWindow(const PixelRect& window, double twipsPerPixelX, double twipsPerPixelY,
                                 const TwipRect& dialog, double screenWidth, double screenHeight);

}  // namespace kelvor
