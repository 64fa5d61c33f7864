#pragma once
// The dots per inch at which a display's text is sized and its twips are counted.

#include <charconv>
#include <cstdint>
#include <string_view>

namespace kelvor {

inline constexpr double kFallbackDotsPerInch = 96.0;

// The value the user set for anti-aliased text ("Xft.dpi", given as its text; null when unset)
// when it is a number above 0; else the screen's pixels over its size in millimetres; else 96.
inline double DotsPerInch(const char* userSetting, int32_t pixels, int32_t millimetres) {
    if (userSetting != nullptr) {
        // Read as the resource is written, whatever the locale's decimal separator.
        const std::string_view text(userSetting);
        double value = 0.0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error == std::errc() && end == text.data() + text.size() && value > 0.0 && value < 10000.0) return value;
    }
    if (pixels > 0 && millimetres > 0) return pixels * 25.4 / millimetres;
    return kFallbackDotsPerInch;
}

}  // namespace kelvor
