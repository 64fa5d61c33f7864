#include "linux/xft_block_surface.h"

#include <algorithm>
#include <cmath>

#include "display/info_block.h"

namespace kelvor::x11 {

namespace {

constexpr double kTwipsPerInch = 1440.0;
// Colours in use at once: the two backgrounds and the two labels' text.
constexpr size_t kColoursKept = 4;

}  // namespace

XftBlockSurface::XftBlockSurface(Display* display, const TargetWindow& window, double dotsPerInchX,
                                 double dotsPerInchY)
    : display_(display),
      window_(window),
      dotsPerInchY_(dotsPerInchY),
      twipsPerPixelX_(kTwipsPerInch / dotsPerInchX),
      twipsPerPixelY_(kTwipsPerInch / dotsPerInchY) {
    XGCValues values{};
    values.graphics_exposures = False;
    copyGc_ = ScopedGc(display, XCreateGC(display, window.Id(), GCGraphicsExposures, &values));
    colours_.reserve(kColoursKept);
    marked_ = {0, 0, window.Size().width, window.Size().height};
}

bool XftBlockSurface::UseFont(InfoLabel label, const FontDescription& font) {
    const double pixels = std::max(1, FontPixelHeight(font.size, static_cast<int>(std::lround(dotsPerInchY_))));
    XftFont* made = XftFontOpen(display_, window_.ScreenNumber(), XFT_FAMILY, XftTypeString, font.name.c_str(),
                                XFT_PIXEL_SIZE, XftTypeDouble, pixels, XFT_WEIGHT, XftTypeInteger,
                                font.bold ? XFT_WEIGHT_BOLD : XFT_WEIGHT_MEDIUM, XFT_SLANT, XftTypeInteger,
                                font.italic ? XFT_SLANT_ITALIC : XFT_SLANT_ROMAN, XFT_ANTIALIAS, XftTypeBool, True,
                                nullptr);
    if (made == nullptr) return false;
    fonts_[Index(label)] = ScopedXftFont(display_, made);
    underline_[Index(label)] = font.underline;
    strikeout_[Index(label)] = font.strikethru;
    return true;
}

int32_t XftBlockSurface::LineWidth(InfoLabel label, std::string_view line) {
    const ScopedXftFont& font = fonts_[Index(label)];
    if (!font || line.empty()) return 0;
    XGlyphInfo extents{};
    XftTextExtentsUtf8(display_, font.Get(), reinterpret_cast<const FcChar8*>(line.data()),
                       static_cast<int>(line.size()), &extents);
    return extents.xOff;
}

int32_t XftBlockSurface::LineHeight(InfoLabel label) {
    const ScopedXftFont& font = fonts_[Index(label)];
    return font ? font.Get()->ascent + font.Get()->descent : 0;
}

void XftBlockSurface::Invalidate(const PixelRect& rect) { marked_ = BoundingUnion(marked_, rect); }

const XftColor* XftBlockSurface::Colour(int32_t rgb) {
    const auto kept = std::find_if(colours_.begin(), colours_.end(),
                                   [&](const ScopedXftColour& colour) { return colour.Rgb() == rgb; });
    if (kept != colours_.end()) return kept->Get();
    if (colours_.size() >= kColoursKept) colours_.clear();
    colours_.emplace_back(display_, window_.WindowVisual(), window_.WindowColormap(), rgb);
    return colours_.back().Get();
}

XftDraw* XftBlockSurface::BufferOfAtLeast(int32_t width, int32_t height) {
    if (width > bufferSize_.width || height > bufferSize_.height) {
        bufferSize_ = {std::max(width, bufferSize_.width), std::max(height, bufferSize_.height)};
        bufferDraw_.reset();
        buffer_ = ScopedPixmap(display_, XCreatePixmap(display_, window_.Id(), static_cast<unsigned>(bufferSize_.width),
                                                       static_cast<unsigned>(bufferSize_.height),
                                                       static_cast<unsigned>(window_.Depth())));
        bufferDraw_.reset(XftDrawCreate(display_, buffer_.Get(), window_.WindowVisual(), window_.WindowColormap()));
    }
    return bufferDraw_.get();
}

void XftBlockSurface::PaintMarked() {
    const PixelSize size = window_.Size();
    const PixelRect area = Intersection(marked_, {0, 0, size.width, size.height});
    marked_ = {};
    if (area.IsEmpty() || block_ == nullptr) return;

    // Drawn with the marked area's corner at the buffer's origin, then copied in one go.
    const InfoBlock& block = *block_;
    XftDraw* draw = BufferOfAtLeast(area.Width(), area.Height());
    XftDrawRect(draw, Colour(block.BackColour()), 0, 0, static_cast<unsigned>(area.Width()),
                static_cast<unsigned>(area.Height()));
    const PixelRect panel = block.BlockPixels();
    const PixelRect shown = Intersection(panel, area);
    if (!shown.IsEmpty()) {
        if (block.BlockBackColour() != block.BackColour())
            XftDrawRect(draw, Colour(block.BlockBackColour()), shown.left - area.left, shown.top - area.top,
                        static_cast<unsigned>(shown.Width()), static_cast<unsigned>(shown.Height()));
        XRectangle clip{static_cast<short>(shown.left - area.left), static_cast<short>(shown.top - area.top),
                        static_cast<unsigned short>(shown.Width()), static_cast<unsigned short>(shown.Height())};
        XftDrawSetClipRectangles(draw, 0, 0, &clip, 1);
        block.ForEachLine([&](InfoLabel label, int32_t x, int32_t y, std::string_view line) {
            DrawLine(draw, label, x - area.left, y - area.top, line);
        });
        XftDrawSetClip(draw, nullptr);
    }
    XCopyArea(display_, buffer_.Get(), window_.Id(), copyGc_.Get(), 0, 0, static_cast<unsigned>(area.Width()),
              static_cast<unsigned>(area.Height()), area.left, area.top);
}

void XftBlockSurface::DrawLine(XftDraw* draw, InfoLabel label, int32_t x, int32_t y, std::string_view line) {
    const size_t index = Index(label);
    if (!fonts_[index] || line.empty()) return;
    XftFont* font = fonts_[index].Get();
    const XftColor* colour = Colour(block_->Font(label).colour);
    const int32_t baseline = y + font->ascent;
    XftDrawStringUtf8(draw, colour, font, x, baseline, reinterpret_cast<const FcChar8*>(line.data()),
                      static_cast<int>(line.size()));
    if (!underline_[index] && !strikeout_[index]) return;
    // Xft draws no decorations: the lines are drawn as thin bars, placed as most fonts place them.
    const unsigned width = static_cast<unsigned>(LineWidth(label, line));
    const unsigned thickness = static_cast<unsigned>(std::max(1, (font->ascent + font->descent) / 16));
    if (underline_[index]) XftDrawRect(draw, colour, x, baseline + std::max(1, font->descent / 3), width, thickness);
    if (strikeout_[index]) XftDrawRect(draw, colour, x, baseline - font->ascent / 3, width, thickness);
}

}  // namespace kelvor::x11
