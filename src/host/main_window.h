#pragma once
// The display window as its logic sees it, the information block aside (the block is the
// display's own, see display/info_block.h): title, closing, placement and the pointer. Placement is
// in pixels.

#include <cstdint>
#include <string>

namespace kelvor {

class MainWindow {
public:
    virtual ~MainWindow() = default;

    virtual void SetTitle(const std::string& title) = 0;
    // Asks the window to close; the close request may still refuse.
    virtual void Close() = 0;
    // The platform's handle of the window, for dialogs shown over it.
    virtual intptr_t NativeHandle() const = 0;

    // Full screen: a topmost window at this pixel rectangle, shown.
    virtual void PlaceTopmost(int32_t left, int32_t top, int32_t width, int32_t height) = 0;
    // Shows or hides the pointer; returns the new display counter.
    virtual int32_t ShowCursor(bool show) = 0;

    // Preview: the pane's client size in pixels; false when the handle names no window.
    virtual bool PaneClientSize(int32_t pane, int32_t& width, int32_t& height) = 0;
    // Makes the window a child of the pane, then places it at (0, 0) with the given pixel size.
    virtual void BecomeChildOf(int32_t pane) = 0;
    virtual void PlaceInPane(int32_t width, int32_t height) = 0;
};

}  // namespace kelvor
