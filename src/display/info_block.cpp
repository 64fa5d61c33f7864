#include "display/info_block.h"

#include <algorithm>
#include <cmath>

#include "common/rounding.h"
#include "common/run_time_error.h"
#include "display/line_wrap.h"

namespace kelvor {

namespace {

int32_t FloorPixels(double twips, double twipsPerPixel) {
    return static_cast<int32_t>(std::floor(twips / twipsPerPixel));
}

int32_t CeilPixels(double twips, double twipsPerPixel) {
    return static_cast<int32_t>(std::ceil(twips / twipsPerPixel));
}

// The size of a text of these lines (there is always at least one).
PixelSize TextSize(const std::vector<int32_t>& lineWidths, int32_t lineHeight) {
    return {*std::max_element(lineWidths.begin(), lineWidths.end()),
            lineHeight * static_cast<int32_t>(lineWidths.size())};
}

}  // namespace

InfoBlock::InfoBlock(BlockSurface& surface) : surface_(surface) {
    const FontDescription design{kDesignFontName, kDesignFontSize, false, false, false, false, kDesignTextColour};
    for (const InfoLabel label : {InfoLabel::Info, InfoLabel::Network}) SetFont(label, design);
}

void InfoBlock::SetBackColour(int32_t colour) {
    backColour_ = colour;
    const PixelSize area = surface_.AreaSize();
    surface_.Invalidate({0, 0, area.width, area.height});
}

void InfoBlock::SetBlockBackColour(int32_t colour) {
    blockBackColour_ = colour;
    InvalidateBlock();
}

void InfoBlock::SetFont(InfoLabel label, const FontDescription& font) {
    if (font.name.size() > kMaxFontNameLength || !(font.size > 0.0 && font.size <= kMaxFontSize) ||
        !surface_.UseFont(label, font))
        Raise(kErrInvalidPropertyValue);
    LabelOf(label).font = font;
    Measure(label);
    if (LabelOf(label).visible) InvalidateBlock();
}

void InfoBlock::SetText(InfoLabel label, const std::string& text) {
    Label& l = LabelOf(label);
    if (l.text == text) return;
    // The clock's seconds change the text every second while most of its lines stay the same.
    std::vector<std::string_view> before;
    ForEachTextLine(l.text, [&](std::string_view line) { before.push_back(line); });
    std::vector<int32_t> widths;
    ForEachTextLine(text, [&](std::string_view line) {
        const size_t at = widths.size();
        if (at < before.size() && before[at] == line) {
            widths.push_back(l.lineWidths[at]);
            return;
        }
        widths.push_back(line.empty() ? 0 : surface_.LineWidth(label, line));
        if (l.visible) InvalidateLine(l, at, std::max(widths.back(), at < before.size() ? l.lineWidths[at] : 0));
    });
    if (l.visible)
        for (size_t gone = widths.size(); gone < before.size(); ++gone) InvalidateLine(l, gone, l.lineWidths[gone]);
    l.text = text;
    l.lineWidths = std::move(widths);
    l.size = TextSize(l.lineWidths, l.lineHeight);
}

void InfoBlock::SetVisible(InfoLabel label, bool visible) {
    LabelOf(label).visible = visible;
    InvalidateBlock();
}

float InfoBlock::LabelWidth(InfoLabel label) const {
    return ToSingle(LabelOf(label).size.width * surface_.TwipsPerPixelX());
}

float InfoBlock::LabelHeight(InfoLabel label) const {
    return ToSingle(LabelOf(label).size.height * surface_.TwipsPerPixelY());
}

void InfoBlock::FitToText() {
    const float infoHeight = LabelHeight(InfoLabel::Info);
    // The network line moves only when the text's height changes, and with it the panel's, which
    // repaints the panel whole.
    LabelOf(InfoLabel::Network).top = LabelTop(InfoLabel::Info) + infoHeight;
    const float width = std::max(LabelWidth(InfoLabel::Info), LabelWidth(InfoLabel::Network));
    const bool networkShown = !Text(InfoLabel::Network).empty();
    SetSize(width, infoHeight + (networkShown ? LabelHeight(InfoLabel::Network) : 0.0f));
}

void InfoBlock::SetSize(float width, float height) {
    if (width == width_ && height == height_) return;
    InvalidateBlock();
    width_ = width;
    height_ = height;
    InvalidateBlock();
}

void InfoBlock::RepaintNow() { surface_.PaintNow(); }

void InfoBlock::SetDesktopOrigin(int32_t left, int32_t top) {
    desktopLeft_ = left;
    desktopTop_ = top;
}

std::string InfoBlock::WrapToPrimaryWidth(InfoLabel label, std::string_view line, size_t keep) {
    const bool hasPrimary = monitors_.primary < monitors_.monitors.size();
    const int32_t width = hasPrimary ? monitors_.monitors[monitors_.primary].Width() : surface_.AreaSize().width;
    return WrapAtBlanks(line, keep, width, [&](std::string_view part) { return surface_.LineWidth(label, part); });
}

PixelRect InfoBlock::BlockPixels() const {
    const double x = surface_.TwipsPerPixelX();
    const double y = surface_.TwipsPerPixelY();
    const int32_t left = FloorPixels(left_, x);
    const int32_t top = FloorPixels(top_, y);
    return {left, top, left + CeilPixels(width_, x), top + CeilPixels(height_, y)};
}

float InfoBlock::AreaWidth() const { return ToSingle(surface_.AreaSize().width * surface_.TwipsPerPixelX()); }

float InfoBlock::AreaHeight() const { return ToSingle(surface_.AreaSize().height * surface_.TwipsPerPixelY()); }

void InfoBlock::Move(float left, float top) {
    const PixelRect before = BlockPixels();
    left_ = left;
    top_ = top;
    const PixelRect after = BlockPixels();
    // Many steps are a fraction of a pixel: nothing to repaint until the block lands elsewhere. A
    // step that overlaps the old place repaints both at once: one paint of about the same area.
    if (before == after) return;
    if (Intersection(before, after).IsEmpty()) {
        surface_.InvalidateMoved(before);
        surface_.InvalidateMoved(after);
    } else {
        surface_.InvalidateMoved(BoundingUnion(before, after));
    }
}

void InfoBlock::Measure(InfoLabel label) {
    Label& l = LabelOf(label);
    l.lineHeight = surface_.LineHeight(label);
    l.lineWidths.clear();
    ForEachTextLine(l.text, [&](std::string_view line) {
        l.lineWidths.push_back(line.empty() ? 0 : surface_.LineWidth(label, line));
    });
    l.size = TextSize(l.lineWidths, l.lineHeight);
}

int32_t InfoBlock::LabelTopPixels(const Label& label, const PixelRect& block) const {
    return block.top + FloorPixels(label.top, surface_.TwipsPerPixelY());
}

void InfoBlock::InvalidateLine(const Label& label, size_t line, int32_t width) {
    // Only the part of the label inside the panel is ever painted.
    const PixelRect block = BlockPixels();
    const int32_t top = LabelTopPixels(label, block) + label.lineHeight * static_cast<int32_t>(line);
    const PixelRect damaged = Intersection({block.left, top, block.left + width, top + label.lineHeight}, block);
    if (!damaged.IsEmpty()) surface_.Invalidate(damaged);
}

void InfoBlock::InvalidateBlock() { surface_.Invalidate(BlockPixels()); }

}  // namespace kelvor
