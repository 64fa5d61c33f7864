#include "probes/kernel_text.h"

namespace kelvor {

std::string_view TakeLine(std::string_view& text) {
    const size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    return line;
}

void SkipBlanks(std::string_view& text) {
    // A plain scan: find_first_not_of with a set of characters searches that set for every
    // character, and the kernel's tables are mostly padding.
    size_t first = 0;
    while (first < text.size() && (text[first] == ' ' || text[first] == '\t')) ++first;
    text.remove_prefix(first);
}

bool TakeNumber(std::string_view& text, uint64_t& number) {
    std::string_view rest = text;
    SkipBlanks(rest);
    size_t digits = 0;
    uint64_t value = 0;
    while (digits < rest.size() && rest[digits] >= '0' && rest[digits] <= '9') {
        if (__builtin_mul_overflow(value, 10u, &value) ||
            __builtin_add_overflow(value, static_cast<uint64_t>(rest[digits] - '0'), &value))
            return false;
        ++digits;
    }
    if (digits == 0) return false;
    number = value;
    text = rest.substr(digits);
    return true;
}

}  // namespace kelvor
