#include "linux/x_visual.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <memory>
#include <string_view>
#include <utility>

#include "module/module_options.h"

namespace kelvor::x11 {

namespace {

struct XFreeDeleter {
    void operator()(XVisualInfo* info) const { XFree(info); }
};

constexpr std::array<std::pair<std::string_view, int>, 6> kClasses{{
    {"staticgray", StaticGray},
    {"grayscale", GrayScale},
    {"staticcolor", StaticColor},
    {"pseudocolor", PseudoColor},
    {"truecolor", TrueColor},
    {"directcolor", DirectColor},
}};

// The deepest of the visuals that match `wanted` in the fields of `mask`.
std::optional<XVisualInfo> Deepest(Display* display, long mask, XVisualInfo wanted) {
    int count = 0;
    const std::unique_ptr<XVisualInfo, XFreeDeleter> found(XGetVisualInfo(display, mask, &wanted, &count));
    if (!found || count == 0) return std::nullopt;
    const XVisualInfo* begin = found.get();
    const XVisualInfo* end = begin + count;
    return *std::max_element(begin, end,
                             [](const XVisualInfo& a, const XVisualInfo& b) { return a.depth < b.depth; });
}

}  // namespace

std::optional<XVisualInfo> FindVisual(Display* display, int screen, const std::string& name) {
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    XVisualInfo wanted{};
    wanted.screen = screen;
    if (lower == "default") {
        wanted.visualid = XVisualIDFromVisual(DefaultVisual(display, screen));
        return Deepest(display, VisualScreenMask | VisualIDMask, wanted);
    }
    if (lower == "best") lower = "truecolor";
    for (const auto& [className, visualClass] : kClasses) {
        if (lower != className) continue;
        wanted.c_class = visualClass;
        return Deepest(display, VisualScreenMask | VisualClassMask, wanted);
    }
    const std::optional<uint32_t> id = ParseWindowId(lower);
    if (!id) return std::nullopt;
    wanted.visualid = *id;
    return Deepest(display, VisualScreenMask | VisualIDMask, wanted);
}

}  // namespace kelvor::x11
