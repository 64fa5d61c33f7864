#include "options/font_sample.h"

#include <array>
#include <charconv>

namespace kelvor {

std::string FormatPointSize(double size) {
    std::array<char, 32> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), size);
    return std::string(text.data(), result.ptr);
}

std::string SampleCaption(const FontDescription& font) {
    std::string style;
    if (!font.bold && !font.italic) style = " regular";
    if (font.bold) style += " bold";
    if (font.italic) style += " italic";
    return font.name + style + " " + FormatPointSize(font.size) + " point";
}

}  // namespace kelvor
