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

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Up to this many digits a decimal number cannot overflow 64 bits.
constexpr size_t kDigitsThatAlwaysFit = 19;

}  // namespace

bool TakeNumber(std::string_view& text, uint64_t& number) {
    std::string_view rest = text;
    SkipBlanks(rest);
    size_t digits = 0;
    uint64_t value = 0;
    for (; digits < rest.size() && IsDigit(rest[digits]); ++digits) {
        const auto digit = static_cast<uint64_t>(rest[digits] - '0');
        if (digits < kDigitsThatAlwaysFit) {
            value = value * 10 + digit;
        } else if (__builtin_mul_overflow(value, 10u, &value) || __builtin_add_overflow(value, digit, &value)) {
            return false;
        }
    }
    if (digits == 0) return false;
    number = value;
    text = rest.substr(digits);
    return true;
}

bool SkipNumber(std::string_view& text) {
    std::string_view rest = text;
    SkipBlanks(rest);
    size_t digits = 0;
    while (digits < rest.size() && IsDigit(rest[digits])) ++digits;
    if (digits == 0) return false;
    text = rest.substr(digits);
    return true;
}

}  // namespace kelvor
