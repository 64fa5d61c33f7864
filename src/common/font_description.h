#pragma once
// A font as the settings, the options dialog and the information labels describe it: face, size in
// points (tenths possible), the four styles and the text colour (RGB, red in the lowest byte).

#include <cstdint>
#include <string>

#include "common/rounding.h"

namespace kelvor {

struct FontDescription {
    std::string name;
    double size = 0;
    bool bold = false;
    bool italic = false;
    bool strikethru = false;
    bool underline = false;
    int32_t colour = 0;
    bool operator==(const FontDescription&) const = default;
};

// The character height in pixels of a point size on a display of `dotsPerInch`.
inline int32_t FontPixelHeight(double points, int dotsPerInch) {
    return static_cast<int32_t>(RoundHalfEven(points * dotsPerInch / 72.0));
}

}  // namespace kelvor
