#pragma once
// A font as the font chooser gives it and the sample shows it: face, size in points (tenths
// possible), styles and text colour (RGB, red in the lowest byte).

#include <cstdint>
#include <string>

namespace kelvor {

struct FontChoice {
    std::string name;
    double size = 0;
    bool bold = false;
    bool italic = false;
    bool strikethru = false;
    bool underline = false;
    int32_t colour = 0;
    bool operator==(const FontChoice&) const = default;
};

}  // namespace kelvor
