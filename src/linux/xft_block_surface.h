#pragma once
// The information block on an X window: fonts made by fontconfig and drawn anti-aliased by Xft at
// the display's dots per inch. What the block marks is collected and painted in one go: drawn into
// an off-screen pixmap, then copied to the window, so that no fill ever shows before its text.

#include "linux/x11.h"

#include <array>
#include <vector>

#include "display/block_surface.h"
#include "linux/x_handles.h"
#include "linux/x_target_window.h"

namespace kelvor {
class InfoBlock;
}  // namespace kelvor

namespace kelvor::x11 {

class XftBlockSurface final : public BlockSurface {
public:
    // The window must outlive the surface. The whole window is marked for the first paint.
    XftBlockSurface(Display* display, const TargetWindow& window, double dotsPerInchX, double dotsPerInchY);
    XftBlockSurface(const XftBlockSurface&) = delete;
    XftBlockSurface& operator=(const XftBlockSurface&) = delete;

    // From here on paints show this block.
    void Attach(const InfoBlock& block) { block_ = &block; }
    // Paints whatever is marked.
    void PaintMarked();

    // BlockSurface
    bool UseFont(InfoLabel label, const FontDescription& font) override;
    int32_t LineWidth(InfoLabel label, std::string_view line) override;
    int32_t LineHeight(InfoLabel label) override;
    PixelSize AreaSize() const override { return window_.Size(); }
    double TwipsPerPixelX() const override { return twipsPerPixelX_; }
    double TwipsPerPixelY() const override { return twipsPerPixelY_; }
    void Invalidate(const PixelRect& rect) override;
    void PaintNow() override { PaintMarked(); }

private:
    static size_t Index(InfoLabel label) { return label == InfoLabel::Info ? 0 : 1; }
    const XftColor* Colour(int32_t rgb);
    XftDraw* BufferOfAtLeast(int32_t width, int32_t height);
    void DrawLine(XftDraw* draw, InfoLabel label, int32_t x, int32_t y, std::string_view line);

    Display* display_;
    const TargetWindow& window_;
    const InfoBlock* block_ = nullptr;
    double dotsPerInchY_;
    double twipsPerPixelX_;
    double twipsPerPixelY_;
    std::array<ScopedXftFont, 2> fonts_;
    std::array<bool, 2> underline_{};
    std::array<bool, 2> strikeout_{};
    // Kept between paints: ten paints a second should not make and free them each time. The
    // pixmap only grows, as the marked part of a moving block is about the same from paint to paint.
    ScopedPixmap buffer_;
    ScopedXftDraw bufferDraw_;
    PixelSize bufferSize_;
    ScopedGc copyGc_;
    std::vector<ScopedXftColour> colours_;
    PixelRect marked_;
};

}  // namespace kelvor::x11
