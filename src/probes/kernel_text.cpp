#include "probes/kernel_text.h"

namespace kelvor {

std::string_view TakeLine(std::string_view& text) {
    const size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    return line;
}

void SkipBlanks(std::string_view& text) {
    const size_t first = text.find_first_not_of(" \t");
    text.remove_prefix(first == std::string_view::npos ? text.size() : first);
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
