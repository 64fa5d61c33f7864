#pragma once
// The display window as its logic sees it: the window, the information block and its two labels.
// Positions and sizes inside the window are twips; window placement is in pixels.

#include <cstdint>
#include <string>

namespace kelvor {

enum class InfoLabel { Info, Network };

class MainWindow {
public:
    virtual ~MainWindow() = default;

    virtual void SetBackColour(int32_t colour) = 0;
    virtual int32_t BackColour() const = 0;
    virtual void SetBlockBackColour(int32_t colour) = 0;
    virtual void SetTitle(const std::string& title) = 0;
    // Asks the window to close; the close request may still refuse.
    virtual void Close() = 0;
    // The platform's handle of the window, for dialogs shown over it.
    virtual intptr_t NativeHandle() const = 0;

    // Font and colour of a label, one property at a time; each raises RunTimeError when the value
    // cannot be applied, leaving that property as it was.
    virtual void SetLabelFontName(InfoLabel label, const std::string& name) = 0;
    virtual void SetLabelBold(InfoLabel label, bool on) = 0;
    virtual void SetLabelItalic(InfoLabel label, bool on) = 0;
    virtual void SetLabelStrikethru(InfoLabel label, bool on) = 0;
    virtual void SetLabelUnderline(InfoLabel label, bool on) = 0;
    virtual void SetLabelFontSize(InfoLabel label, double points) = 0;
    virtual void SetLabelColour(InfoLabel label, int32_t colour) = 0;

    // A label sizes itself to its text; a lone carriage return breaks a line.
    virtual void SetLabelText(InfoLabel label, const std::string& text) = 0;
    virtual const std::string& LabelText(InfoLabel label) const = 0;
    virtual void SetLabelVisible(InfoLabel label, bool visible) = 0;
    virtual float LabelWidth(InfoLabel label) const = 0;
    virtual float LabelHeight(InfoLabel label) const = 0;
    virtual float LabelTop(InfoLabel label) const = 0;
    virtual void SetLabelTop(InfoLabel label, float top) = 0;

    // The information block's size; the movers place it.
    virtual void SetBlockSize(float width, float height) = 0;
    // Repaints the block and the window at once instead of at the next paint cycle.
    virtual void RepaintNow() = 0;

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
