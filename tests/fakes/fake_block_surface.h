#pragma once
// A surface for the information block without a screen: text measures 10 pixels a character
// across and 20 pixels a line down, at 10 twips a pixel; a 1536 x 1152 pixel area. It records the
// fonts it was asked for and the rectangles marked for repainting.

#include <functional>
#include <string>
#include <vector>

#include "display/block_surface.h"

namespace kelvor {

class FakeBlockSurface final : public BlockSurface {
public:
    bool UseFont(InfoLabel, const FontDescription& font) override {
        fontsMade.push_back(font.name);
        return font.name != unusableFontName;
    }
    int32_t LineWidth(InfoLabel, std::string_view line) override { return 10 * static_cast<int32_t>(line.size()); }
    int32_t LineHeight(InfoLabel) override { return 20; }
    PixelSize AreaSize() const override { return area; }
    double TwipsPerPixelX() const override { return 10.0; }
    double TwipsPerPixelY() const override { return 10.0; }
    void Invalidate(const PixelRect& rect) override {
        invalidated.push_back(rect);
        if (onInvalidate) onInvalidate(rect);
    }
    void PaintNow() override { ++paints; }

    PixelSize area{1536, 1152};
    // A face the platform cannot make a font of.
    std::string unusableFontName = "No Such Font";
    std::vector<std::string> fontsMade;
    std::vector<PixelRect> invalidated;
    int paints = 0;
    std::function<void(const PixelRect&)> onInvalidate;
};

}  // namespace kelvor
