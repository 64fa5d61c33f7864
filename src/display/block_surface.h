#pragma once
// What a platform does for the information block: makes the labels' fonts, measures their text,
// tells the size of the display area and repaints the parts that the block marks. Sizes and
// positions here are pixels.

#include <cstdint>
#include <string_view>

#include "common/font_description.h"
#include "common/geometry.h"

namespace kelvor {

// The two labels of the block: the information text and, below it, the network line.
enum class InfoLabel { Info, Network };

class BlockSurface {
public:
    virtual ~BlockSurface() = default;

    // Makes the label's platform font from the description (the colour aside); false when no font
    // can be made of it, and the label keeps the font it had.
    virtual bool UseFont(InfoLabel label, const FontDescription& font) = 0;
    // The width of one line of text (it holds no line break) in the label's font, and the height of
    // a line in that font.
    virtual int32_t LineWidth(InfoLabel label, std::string_view line) = 0;
    virtual int32_t LineHeight(InfoLabel label) = 0;

    // The display area: the window's inner size, read afresh on every call.
    virtual PixelSize AreaSize() const = 0;
    // The display's twips per pixel across and down.
    virtual double TwipsPerPixelX() const = 0;
    virtual double TwipsPerPixelY() const = 0;

    // Marks part of the area for the next paint; PaintNow paints whatever is marked at once.
    virtual void Invalidate(const PixelRect& rect) = 0;
    virtual void PaintNow() = 0;
};

}  // namespace kelvor
