#include "host/command_line.h"

#include <cctype>
#include <cstdint>
#include <optional>

#include "common/rounding.h"

namespace kelvor {

namespace {

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// Reads sign, digits and one decimal point from the start of `text`; returns the value and how
// many characters it used (0 when there is no digit).
std::pair<double, size_t> ReadNumberPrefix(std::string_view text) {
    size_t position = 0;
    bool negative = false;
    if (position < text.size() && (text[position] == '+' || text[position] == '-')) {
        negative = text[position] == '-';
        ++position;
    }
    double value = 0.0;
    double scale = 0.0;  // 0 before the decimal point, then 0.1, 0.01, ...
    bool anyDigit = false;
    for (; position < text.size(); ++position) {
        const char c = text[position];
        if (IsDigit(c)) {
            anyDigit = true;
            if (scale == 0.0) {
                value = value * 10.0 + (c - '0');
            } else {
                value += (c - '0') * scale;
                scale /= 10.0;
            }
        } else if (c == '.' && scale == 0.0) {
            scale = 0.1;
        } else {
            break;
        }
    }
    if (!anyDigit) return {0.0, 0};
    return {negative ? -value : value, position};
}

// The whole text as a number (blanks around it allowed), if it is one.
std::optional<double> ReadWholeNumber(std::string_view text) {
    const std::string_view trimmed = TrimBlanks(text);
    if (trimmed.empty()) return std::nullopt;
    const auto [value, used] = ReadNumberPrefix(trimmed);
    if (used == 0 || used != trimmed.size()) return std::nullopt;
    return value;
}

}  // namespace

std::string FormSwitch(std::string_view commandLine) {
    std::string result(TrimBlanks(commandLine).substr(0, 2));
    for (char& c : result) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

double ReadLeadingNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    return ReadNumberPrefix(text).first;
}

int32_t PasswordParentWindow(std::string_view rawCommandLine) {
    const std::string_view rest = rawCommandLine.size() > 2 ? rawCommandLine.substr(2) : std::string_view{};
    return RoundToInt32(ReadLeadingNumber(rest));
}

int32_t ParseWindowHandle(std::string_view text) {
    const std::string_view trimmed = TrimBlanks(text);
    for (size_t length = trimmed.size(); length >= 1; --length) {
        if (const auto value = ReadWholeNumber(trimmed.substr(trimmed.size() - length))) {
            // No window has a handle outside the 32-bit range: such a number names no pane.
            const double rounded = RoundHalfEven(*value);
            return rounded >= INT32_MIN && rounded <= INT32_MAX ? static_cast<int32_t>(rounded) : 0;
        }
    }
    return 0;
}

}  // namespace kelvor
