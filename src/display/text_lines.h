#pragma once
// The lines of a label's text: they are broken on a lone carriage return.

#include <string_view>

namespace kelvor {

// Calls `each` with every line of the text, the last one too (so "" has one empty line).
template <typename Each>
void ForEachTextLine(std::string_view text, Each each) {
    for (;;) {
        const size_t end = text.find('\r');
        each(text.substr(0, end));
        if (end == std::string_view::npos) return;
        text.remove_prefix(end + 1);
    }
}

}  // namespace kelvor
