#include "common/number_format.h"

namespace kelvor {

namespace {

// Digits of |value| without sign; works for the most negative value too.
std::string MagnitudeDigits(int64_t value) {
    uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    return digits;
}

}  // namespace

std::string FormatAtLeastTwoDigits(int64_t value) {
    std::string digits = MagnitudeDigits(value);
    if (digits.size() < 2) digits.insert(digits.begin(), '0');
    return value < 0 ? "-" + digits : digits;
}

std::string FormatGroupedThousands(int64_t value, const std::string& separator) {
    if (value == 0) return "";
    const std::string digits = MagnitudeDigits(value);
    std::string grouped;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i != 0 && (digits.size() - i) % 3 == 0) grouped += separator;
        grouped += digits[i];
    }
    return value < 0 ? "-" + grouped : grouped;
}

}  // namespace kelvor
