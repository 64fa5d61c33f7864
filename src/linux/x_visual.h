#pragma once
// -visual as display modules read it: "default", "best" (the deepest TrueColor one), a visual class
// ("TrueColor", "PseudoColor", ..., the deepest of it) or a visual's id.

#include "linux/x11.h"

#include <optional>
#include <string>

namespace kelvor::x11 {

// The screen's visual of that name; nothing when it has none such.
std::optional<XVisualInfo> FindVisual(Display* display, int screen, const std::string& name);

}  // namespace kelvor::x11
