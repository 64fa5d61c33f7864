#pragma once
// The information block on an X window: fonts made by fontconfig and drawn anti-aliased by Xft at
// the display's dots per inch. The block is drawn into an image of its own only when its look
// changes (the text once a second, the network line five times a second at most); each paint
// fills the background around the panel and copies the panel from that image (the rule of
// `BlockPainter`), so that no fill ever shows before its text and a moving block costs no text
// drawing at all. With -fps, the frame rate's lines are drawn into a small image too and copied
// into the bottom-left corner after the block.
//
// The fill and the copies go through XCB on the connection that Xlib made. XCB's flush only writes;
// Xlib's XFlush also reads the connection every time (two recvmsg calls), which ten times a second
// was measured to cost more than all the drawing (docs/performance.md, "Painting and sending").
// Mixing the two is safe because Xlib is built on XCB: before XCB sends a request of
// its own it takes the socket back from Xlib, which first hands over the requests it holds, so the
// requests reach the server in the order they were made (the fonts, pictures and pixmaps made
// through Xlib and Xft exist before XCB's fill and copies use them).

#include "linux/x11.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "display/block_look.h"
#include "display/block_painter.h"
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
    // Sends what was painted since the last call, if anything; `synchronous` (-sync) waits until the
    // server has done it, so that an X error is reported at the paint that caused it.
    void SendPainted(bool synchronous);
    // -fps: from here on these lines (joined with a lone carriage return) show in the bottom-left
    // corner.
    void ShowFrameRate(const std::string& text);

    // BlockSurface
    bool UseFont(InfoLabel label, const FontDescription& font) override;
    int32_t LineWidth(InfoLabel label, std::string_view line) override;
    int32_t LineHeight(InfoLabel label) override;
    PixelSize AreaSize() const override { return window_.Size(); }
    double TwipsPerPixelX() const override { return twipsPerPixelX_; }
    double TwipsPerPixelY() const override { return twipsPerPixelY_; }
    // The panel's image is drawn again from what changed in the block (`BlockLook`), so a change
    // is only marked, as a move is.
    void Invalidate(const PixelRect& rect) override { painter_.Mark(rect); }
    void InvalidateMoved(const PixelRect& rect) override { painter_.Mark(rect); }
    void PaintNow() override { PaintMarked(); }

private:
    // An off-screen pixmap for Xft to draw on. It only grows: the block is about the same size
    // from paint to paint.
    class GrowingPixmap {
    public:
        // The pixmap, made larger first when it is smaller than `size`.
        Pixmap OfAtLeast(Display* display, const TargetWindow& window, PixelSize size);
        Pixmap Get() const { return pixmap_.Get(); }
        // Xft's drawing on it, made when first asked for.
        XftDraw* Draw(Display* display, const TargetWindow& window);

    private:
        ScopedPixmap pixmap_;
        ScopedXftDraw draw_;
        PixelSize size_;
    };

    static size_t Index(InfoLabel label) { return label == InfoLabel::Info ? 0 : 1; }
    // A font of the family at the display's dots per inch; without bold, the family's regular weight
    // (not "medium", which some families have as a face of its own, heavier than the regular).
    XftFont* OpenFont(const char* family, double points, bool bold, bool italic) const;
    const XftColor* Colour(int32_t rgb);
    // Fills the non-empty ones of `rects` on the window, in one request.
    void Fill(int32_t rgb, const std::array<PixelRect, 4>& rects);
    void Copy(xcb_drawable_t from, xcb_drawable_t to, PixelPoint source, const PixelRect& target);
    // Draws what changed of the block into its image.
    void DrawImage(BlockLook::Change change, const PixelRect& panel);
    void DrawLine(XftDraw* draw, InfoLabel label, int32_t x, int32_t y, std::string_view line);
    // Where the frame rate shows on the window now.
    PixelRect FrameRateBox() const;

    Display* display_;
    xcb_connection_t* connection_;
    const TargetWindow& window_;
    const InfoBlock* block_ = nullptr;
    double dotsPerInchY_;
    double twipsPerPixelX_;
    double twipsPerPixelY_;
    std::array<ScopedXftFont, 2> fonts_;
    std::array<bool, 2> underline_{};
    std::array<bool, 2> strikeout_{};
    // Kept between paints: ten paints a second should not make and free them each time.
    GrowingPixmap image_;
    BlockLook look_;
    ScopedXcbGc gc_;
    uint32_t gcForeground_ = 0;  // what the context was made with
    std::vector<ScopedXftColour> colours_;
    BlockPainter painter_;
    bool painted_ = false;
    // -fps: its font (made when first needed), its lines drawn, and their size.
    ScopedXftFont frameRateFont_;
    GrowingPixmap frameRateImage_;
    PixelSize frameRateSize_;
};

}  // namespace kelvor::x11
