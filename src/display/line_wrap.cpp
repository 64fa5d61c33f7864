#include "display/line_wrap.h"

#include <algorithm>

namespace kelvor {

std::string WrapAtBlanks(std::string_view line, size_t keep, int32_t width,
                         const std::function<int32_t(std::string_view)>& measure) {
    if (width <= 0 || measure(line) <= width) return std::string(line);
    std::string wrapped;
    size_t start = 0;  // of the line being filled, in `line`
    size_t end = line.find(' ', std::min(keep, line.size()));
    // Each step takes the line being filled up to the next item's end, or breaks before that item.
    while (end != std::string_view::npos) {
        const size_t next = line.find(' ', end + 1);
        const std::string_view longer = line.substr(start, next == std::string_view::npos ? next : next - start);
        if (measure(longer) > width) {
            wrapped.append(line.substr(start, end - start)).push_back('\r');
            start = end + 1;
        }
        end = next;
    }
    wrapped.append(line.substr(start));
    return wrapped;
}

}  // namespace kelvor
