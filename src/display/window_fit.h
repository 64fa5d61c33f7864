#pragma once
// How large the information block's text is drawn in the window it has: at the chosen size, at
// half of it in a window the size of a preview pane (as the Windows preview has always done), and
// smaller still while the block does not fit in the window.

#include <optional>

#include "common/geometry.h"

namespace kelvor {

// A window smaller than this both across and down is a preview pane: Display Properties' is 152 x
// 112 pixels, the preview of xscreensaver's settings about 300 x 200.
inline constexpr PixelSize kPreviewPaneLimit{640, 480};
// The smallest size the fitting goes down to, in points.
inline constexpr double kMinFittedFontSize = 1.0;

bool IsPreviewSized(PixelSize window);

// The size the block starts from in the window: the chosen one, halved in a preview pane (ties to
// the even size, so 9 points become 4).
double StartingFontSize(double chosen, PixelSize window);

// The next size to try for a block of `block` pixels drawn at `size` in `window`: smaller in
// proportion to how far the block overhangs (in quarter points, and by a quarter at least);
// nothing when it fits, when the window has no size yet, or at the smallest size.
std::optional<double> SmallerFontSize(double size, PixelSize block, PixelSize window);

// About the size at which the widest block, `widest` pixels at `size`, would fill the window (in
// quarter points, never beyond the starting size); nothing unless that is at least a quarter point
// larger, so that a text already as large as the window allows is not fitted again.
std::optional<double> LargerFontSize(double size, PixelSize widest, PixelSize window, double starting);

}  // namespace kelvor
