#include "options/dialog_placement.h"

#include "common/rounding.h"
#include "common/continue_on_error.h"

namespace kelvor {

DialogPosition CentredOnScreen(double screenWidth, double screenHeight, const TwipRect& dialog) {
    return {(screenWidth - dialog.width) / 2, (screenHeight - dialog.height) / 2};
}

DialogPosition CentredOverWindow(const PixelRect& window, double twipsPerPixelX, double twipsPerPixelY,
                                 const TwipRect& dialog, double screenWidth, double screenHeight) {
    int32_t width = 0;
    int32_t height = 0;
    int32_t left = 0;
    int32_t top = 0;
    ContinueOnError([&] {
        width = RoundToInt32(static_cast<double>(window.right - window.left) * twipsPerPixelX);
    });
    ContinueOnError([&] {
        height = RoundToInt32(static_cast<double>(window.bottom - window.top) * twipsPerPixelY);
    });
    // The halves are truncated toward zero, the sums rounded half to even.
    ContinueOnError([&] {
        left = RoundToInt32(window.left * twipsPerPixelX + RoundToInt32(width - dialog.width) / 2);
    });
    ContinueOnError([&] {
        top = RoundToInt32(window.top * twipsPerPixelY + RoundToInt32(height - dialog.height) / 2);
    });
    ContinueOnError([&] {
        if (left < 0) left = 0;
    });
    ContinueOnError([&] {
        if (dialog.width + left > screenWidth) left = RoundToInt32(screenWidth - dialog.width);
    });
    ContinueOnError([&] {
        if (dialog.height + top > screenHeight) top = RoundToInt32(screenHeight - dialog.height);
    });
    ContinueOnError([&] {
        if (top < 0) top = 0;
    });
    return {static_cast<double>(left), static_cast<double>(top)};
}

}  // namespace kelvor
