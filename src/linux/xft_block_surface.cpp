#include "linux/xft_block_surface.h"

#include <algorithm>
#include <cmath>

#include "display/info_block.h"
#include "display/text_lines.h"
#include "display/window_fit.h"

namespace kelvor::x11 {

namespace {

constexpr double kTwipsPerInch = 1440.0;
// Colours in use at once: the two backgrounds and the two labels' text.
constexpr size_t kColoursKept = 4;
// The frame rate's font and its distance from the window's left and bottom edges, in pixels.
constexpr char kFrameRateFamily[] = "monospace";
constexpr double kFrameRatePoints = 12.0;
constexpr int32_t kFrameRateMargin = 10;
// X's requests carry 16-bit coordinates and sizes, and servers make no pixmap larger than this.
constexpr int32_t kMaxCoordinate = 32767;

int16_t Coordinate(int32_t value) {
    return static_cast<int16_t>(std::clamp(value, -kMaxCoordinate - 1, kMaxCoordinate));
}
uint16_t Extent(int32_t value) { return static_cast<uint16_t>(std::clamp(value, 0, kMaxCoordinate)); }

}  // namespace

XftBlockSurface::XftBlockSurface(Display* display, const TargetWindow& window, double dotsPerInchX, double dotsPerInchY)
    : display_(display),
      connection_(XGetXCBConnection(display)),
      window_(window),
      dotsPerInchY_(dotsPerInchY),
      twipsPerPixelX_(kTwipsPerInch / dotsPerInchX),
      twipsPerPixelY_(kTwipsPerInch / dotsPerInchY),
      gc_(connection_, static_cast<xcb_drawable_t>(window.Id()), XCB_GC_FOREGROUND | XCB_GC_GRAPHICS_EXPOSURES,
          std::array<uint32_t, 2>{0, 0}.data()) {
    colours_.reserve(kColoursKept);
    painter_.Mark({0, 0, window.Size().width, window.Size().height});
}

XftFont* XftBlockSurface::OpenFont(const char* family, double points, bool bold, bool italic) const {
    const double pixels = std::max(1, FontPixelHeight(points, static_cast<int>(std::lround(dotsPerInchY_))));
    return XftFontOpen(display_, window_.ScreenNumber(), XFT_FAMILY, XftTypeString, family, XFT_PIXEL_SIZE,
                       XftTypeDouble, pixels, XFT_WEIGHT, XftTypeInteger, bold ? XFT_WEIGHT_BOLD : FC_WEIGHT_REGULAR,
                       XFT_SLANT, XftTypeInteger, italic ? XFT_SLANT_ITALIC : XFT_SLANT_ROMAN, XFT_ANTIALIAS,
                       XftTypeBool, True, nullptr);
}

bool XftBlockSurface::UseFont(InfoLabel label, const FontDescription& font) {
    XftFont* made = OpenFont(font.name.c_str(), font.size, font.bold, font.italic);
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

const XftColor* XftBlockSurface::Colour(int32_t rgb) {
    const auto kept = std::find_if(colours_.begin(), colours_.end(),
                                   [&](const ScopedXftColour& colour) { return colour.Rgb() == rgb; });
    if (kept != colours_.end()) return kept->Get();
    if (colours_.size() >= kColoursKept) colours_.clear();
    colours_.emplace_back(display_, window_.WindowVisual(), window_.WindowColormap(), rgb);
    return colours_.back().Get();
}

Pixmap XftBlockSurface::GrowingPixmap::OfAtLeast(Display* display, const TargetWindow& window, PixelSize size) {
    size = {std::min(size.width, kMaxCoordinate), std::min(size.height, kMaxCoordinate)};
    if (size.width > size_.width || size.height > size_.height) {
        size_ = {std::max(size.width, size_.width), std::max(size.height, size_.height)};
        draw_.reset();
        pixmap_ = ScopedPixmap(
            display, XCreatePixmap(display, window.Id(), static_cast<unsigned>(size_.width),
                                   static_cast<unsigned>(size_.height), static_cast<unsigned>(window.Depth())));
    }
    return pixmap_.Get();
}

XftDraw* XftBlockSurface::GrowingPixmap::Draw(Display* display, const TargetWindow& window) {
    if (!draw_) draw_.reset(XftDrawCreate(display, pixmap_.Get(), window.WindowVisual(), window.WindowColormap()));
    return draw_.get();
}

void XftBlockSurface::Fill(int32_t rgb, const std::array<PixelRect, 4>& rects) {
    const uint32_t pixel = static_cast<uint32_t>(Colour(rgb)->pixel);
    if (pixel != gcForeground_) {
        xcb_change_gc(connection_, gc_.Get(), XCB_GC_FOREGROUND, &pixel);
        gcForeground_ = pixel;
    }
    std::array<xcb_rectangle_t, 4> areas{};
    uint32_t count = 0;
    for (const PixelRect& rect : rects) {
        if (rect.IsEmpty()) continue;
        areas[count++] = {Coordinate(rect.left), Coordinate(rect.top), Extent(rect.Width()), Extent(rect.Height())};
    }
    if (count > 0)
        xcb_poly_fill_rectangle(connection_, static_cast<xcb_drawable_t>(window_.Id()), gc_.Get(), count, areas.data());
}

void XftBlockSurface::Copy(xcb_drawable_t from, xcb_drawable_t to, PixelPoint source, const PixelRect& target) {
    xcb_copy_area(connection_, from, to, gc_.Get(), Coordinate(source.x), Coordinate(source.y), Coordinate(target.left),
                  Coordinate(target.top), Extent(target.Width()), Extent(target.Height()));
}

void XftBlockSurface::PaintMarked() {
    const PixelRect area = painter_.TakeMarked(window_.Size());
    if (area.IsEmpty() || block_ == nullptr) return;

    const InfoBlock& block = *block_;
    const PixelRect panel = block.BlockPixels();
    DrawImage(look_.Compare(block), panel);
    const BlockPaint paint = PaintOf(area, panel);
    Fill(block.BackColour(), paint.background);
    if (!paint.copy.IsEmpty())
        Copy(static_cast<xcb_drawable_t>(image_.Get()), static_cast<xcb_drawable_t>(window_.Id()), paint.copyFrom,
             paint.copy);
    // The frame rate stays on top of whatever was painted under it.
    const PixelRect frameRate = FrameRateBox();
    if (!Intersection(frameRate, area).IsEmpty())
        Copy(static_cast<xcb_drawable_t>(frameRateImage_.Get()), static_cast<xcb_drawable_t>(window_.Id()), {0, 0},
             frameRate);
    painted_ = true;
}

void XftBlockSurface::SendPainted(bool synchronous) {
    if (!std::exchange(painted_, false)) return;
    if (synchronous)
        XSync(display_, False);
    else
        xcb_flush(connection_);
}

PixelRect XftBlockSurface::FrameRateBox() const {
    if (frameRateSize_.width == 0) return {};
    const int32_t bottom = window_.Size().height - kFrameRateMargin;
    return {kFrameRateMargin, bottom - frameRateSize_.height, kFrameRateMargin + frameRateSize_.width, bottom};
}

void XftBlockSurface::ShowFrameRate(const std::string& text) {
    if (block_ == nullptr) return;
    if (!frameRateFont_) {
        // Halved in a preview pane, as the block's font is.
        XftFont* made = OpenFont(kFrameRateFamily, StartingFontSize(kFrameRatePoints, window_.Size()), true, false);
        if (made == nullptr) return;
        frameRateFont_ = ScopedXftFont(display_, made);
    }
    XftFont* font = frameRateFont_.Get();
    const int32_t lineHeight = font->ascent + font->descent;
    PixelSize size{0, 0};
    ForEachTextLine(text, [&](std::string_view line) {
        XGlyphInfo extents{};
        XftTextExtentsUtf8(display_, font, reinterpret_cast<const FcChar8*>(line.data()), static_cast<int>(line.size()),
                           &extents);
        size = {std::max(size.width, static_cast<int32_t>(extents.xOff)), size.height + lineHeight};
    });
    if (size.width == 0) return;
    // The old lines are painted over with the block first where the new ones are shorter.
    Invalidate(FrameRateBox());
    frameRateSize_ = size;
    frameRateImage_.OfAtLeast(display_, window_, size);
    XftDraw* draw = frameRateImage_.Draw(display_, window_);
    XftDrawRect(draw, Colour(block_->BackColour()), 0, 0, static_cast<unsigned>(size.width),
                static_cast<unsigned>(size.height));
    int32_t y = font->ascent;
    ForEachTextLine(text, [&](std::string_view line) {
        XftDrawStringUtf8(draw, Colour(block_->Font(InfoLabel::Info).colour), font, 0, y,
                          reinterpret_cast<const FcChar8*>(line.data()), static_cast<int>(line.size()));
        y += lineHeight;
    });
    Invalidate(FrameRateBox());
}

void XftBlockSurface::DrawImage(BlockLook::Change change, const PixelRect& panel) {
    if (change == BlockLook::Change::Nothing || panel.IsEmpty()) return;
    const InfoBlock& block = *block_;
    // Lines are drawn in the image's coordinates; what runs past the panel is never copied.
    image_.OfAtLeast(display_, window_, {panel.Width(), panel.Height()});
    XftDraw* draw = image_.Draw(display_, window_);
    const bool whole = change == BlockLook::Change::Whole;
    if (whole)
        XftDrawRect(draw, Colour(block.BlockBackColour()), 0, 0, static_cast<unsigned>(panel.Width()),
                    static_cast<unsigned>(panel.Height()));
    block.ForEachLine([&](InfoLabel label, int32_t x, int32_t y, std::string_view line) {
        if (!whole) {
            if (label != InfoLabel::Network) return;
            XftDrawRect(draw, Colour(block.BlockBackColour()), 0, y - panel.top, static_cast<unsigned>(panel.Width()),
                        static_cast<unsigned>(LineHeight(label)));
        }
        DrawLine(draw, label, x - panel.left, y - panel.top, line);
    });
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
