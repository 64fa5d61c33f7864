#pragma once
// Colour names as the X server knows them: "#204080", "rgb:20/40/80", "navy", ...

#include "linux/x11.h"

#include "module/module_options.h"

namespace kelvor::x11 {

class XColourNames final : public ColourNames {
public:
    XColourNames(Display* display, Colormap colormap) : display_(display), colormap_(colormap) {}

    std::optional<int32_t> Colour(const std::string& name) override {
        XColor colour{};
        if (XParseColor(display_, colormap_, name.c_str(), &colour) == 0) return std::nullopt;
        return (colour.red >> 8) | (colour.green >> 8) << 8 | (colour.blue >> 8) << 16;
    }

private:
    Display* display_;
    Colormap colormap_;
};

}  // namespace kelvor::x11
