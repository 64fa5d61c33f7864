#pragma once
// A surface for the information block without a screen: text measures 10 pixels a character
// across and 20 pixels a line down (or, when `proportional`, that much at 10 points and in
// proportion to the font's size), at 10 twips a pixel; a 1536 x 1152 pixel area. It records the
// fonts it was asked for, how many lines it measured and the rectangles marked for repainting.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "display/block_surface.h"

namespace kelvor {

class FakeBlockSurface final : public BlockSurface {
public:
    bool UseFont(InfoLabel label, const FontDescription& font) override {
        fontsMade.push_back(font.name);
        if (font.name == unusableFontName) return false;
        sizes[label == InfoLabel::Info ? 0 : 1] = font.size;
        return true;
    }
    int32_t LineWidth(InfoLabel label, std::string_view line) override {
        ++linesMeasured;
        return Scaled(label, 10 * static_cast<int32_t>(line.size()));
    }
    int32_t LineHeight(InfoLabel label) override { return Scaled(label, 20); }
    PixelSize AreaSize() const override { return area; }
    double TwipsPerPixelX() const override { return 10.0; }
    double TwipsPerPixelY() const override { return 10.0; }
    void Invalidate(const PixelRect& rect) override {
        changed.push_back(rect);
        InvalidateMoved(rect);
    }
    void InvalidateMoved(const PixelRect& rect) override {
        invalidated.push_back(rect);
        if (onInvalidate) onInvalidate(rect);
    }
    void PaintNow() override { ++paints; }

    int32_t Scaled(InfoLabel label, int32_t pixels) const {
        return proportional ? static_cast<int32_t>(pixels * sizes[label == InfoLabel::Info ? 0 : 1] / 10.0) : pixels;
    }

    PixelSize area{1536, 1152};
    bool proportional = false;
    std::array<double, 2> sizes{10.0, 10.0};  // of the fonts made last
    // A face the platform cannot make a font of.
    std::string unusableFontName = "No Such Font";
    std::vector<std::string> fontsMade;
    std::vector<PixelRect> invalidated;  // everything marked
    std::vector<PixelRect> changed;      // of that, where what the block shows changed
    int paints = 0;
    int linesMeasured = 0;
    std::function<void(const PixelRect&)> onInvalidate;
};

}  // namespace kelvor
