#include "display/window_fit.h"

#include <algorithm>
#include <cmath>

#include "common/rounding.h"

namespace kelvor {

namespace {

constexpr double kSizeSteps = 4.0;  // per point

}  // namespace

bool IsPreviewSized(PixelSize window) {
    return window.width < kPreviewPaneLimit.width && window.height < kPreviewPaneLimit.height;
}

double StartingFontSize(double chosen, PixelSize window) {
    return IsPreviewSized(window) ? RoundHalfEven(chosen / 2.0) : chosen;
}

std::optional<double> SmallerFontSize(double size, PixelSize block, PixelSize window) {
    const bool fits = block.width <= window.width && block.height <= window.height;
    if (fits || window.width <= 0 || window.height <= 0 || size <= kMinFittedFontSize) return std::nullopt;
    // Text grows about in proportion to its size; hinting makes it not quite so, hence the minimum step.
    const double scale = std::min(static_cast<double>(window.width) / std::max(block.width, 1),
                                  static_cast<double>(window.height) / std::max(block.height, 1));
    const double scaled = std::floor(size * std::min(scale, 1.0) * kSizeSteps) / kSizeSteps;
    return std::max(std::min(scaled, size - 1.0 / kSizeSteps), kMinFittedFontSize);
}

std::optional<double> LargerFontSize(double size, PixelSize widest, PixelSize window, double starting) {
    if (widest.width <= 0 || widest.height <= 0 || window.width <= 0 || window.height <= 0) return std::nullopt;
    const double scale = std::min(static_cast<double>(window.width) / widest.width,
                                  static_cast<double>(window.height) / widest.height);
    const double larger = std::min(std::floor(size * scale * kSizeSteps) / kSizeSteps, starting);
    if (larger < size + 1.0 / kSizeSteps) return std::nullopt;
    return larger;
}

}  // namespace kelvor
