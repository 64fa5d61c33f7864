#pragma once
// The font sample's caption: the face, its style and its size, e.g. "Tahoma bold italic 12 point".

#include <string>

#include "options/options_platform.h"

namespace kelvor {

// The size in its shortest decimal form: 10 -> "10", 10.5 -> "10.5".
std::string FormatPointSize(double size);

// Strikethrough and underline do not appear in the caption.
std::string SampleCaption(const FontDescription& font);

}  // namespace kelvor
