#pragma once
// The values of the display module's options, each read from its text: nothing when the text is out
// of form or range.

#include <cstdint>
#include <optional>
#include <string_view>

#include "module/module_options.h"

namespace kelvor {

// A whole decimal number, sign allowed, nothing around it.
std::optional<int64_t> ParseInteger(std::string_view text);
// -animation's words, as the settings' MoveOption.
std::optional<int16_t> ParseAnimation(std::string_view word);
// One word of -lines ("text", "name", ..., "network"), as its bit of LineBits.
std::optional<LineBits> LineBit(std::string_view word);
// -lines: "name,time,cpu", "none" or "all"; commas or blanks between the words.
std::optional<LineBits> ParseLines(std::string_view text);
// -font FAMILY[-SIZE][:bold][:italic][:underline][:strikeout].
std::optional<FontOption> ParseFont(std::string_view text);
// -geometry: WIDTHxHEIGHT, +X+Y or both, as X's geometry strings; sizes above 0.
std::optional<GeometryOption> ParseGeometry(std::string_view text);

}  // namespace kelvor
