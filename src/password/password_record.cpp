#include "password/password_record.h"

#include <algorithm>

namespace kelvor {
namespace {

constexpr char kSeparator = '$';
constexpr char kHexDigits[] = "0123456789abcdef";

std::string ToHex(std::span<const uint8_t> bytes) {
    std::string text;
    text.reserve(2 * bytes.size());
    for (const uint8_t byte : bytes) {
        text += kHexDigits[byte >> 4];
        text += kHexDigits[byte & 0x0F];
    }
    return text;
}

std::optional<uint8_t> HexDigitValue(char digit) {
    if (digit >= '0' && digit <= '9') return static_cast<uint8_t>(digit - '0');
    if (digit >= 'a' && digit <= 'f') return static_cast<uint8_t>(digit - 'a' + 10);
    return std::nullopt;
}

std::optional<std::vector<uint8_t>> FromHex(std::string_view text) {
    if (text.size() % 2 != 0) return std::nullopt;
    std::vector<uint8_t> bytes;
    bytes.reserve(text.size() / 2);
    for (size_t index = 0; index < text.size(); index += 2) {
        const std::optional<uint8_t> high = HexDigitValue(text[index]);
        const std::optional<uint8_t> low = HexDigitValue(text[index + 1]);
        if (!high || !low) return std::nullopt;
        bytes.push_back(static_cast<uint8_t>(*high << 4 | *low));
    }
    return bytes;
}

std::optional<uint32_t> ParseIterations(std::string_view text) {
    if (text.empty() || text.front() == '0') return std::nullopt;
    uint64_t value = 0;
    for (const char digit : text) {
        if (digit < '0' || digit > '9') return std::nullopt;
        value = value * 10 + static_cast<uint64_t>(digit - '0');
        if (value > kMaxPasswordIterations) return std::nullopt;
    }
    if (value < kMinPasswordIterations) return std::nullopt;
    return static_cast<uint32_t>(value);
}

std::vector<std::string_view> SplitFields(std::string_view text) {
    std::vector<std::string_view> fields;
    for (size_t start = 0;;) {
        const size_t separator = text.find(kSeparator, start);
        fields.push_back(text.substr(start, separator - start));
        if (separator == std::string_view::npos) return fields;
        start = separator + 1;
    }
}

}  // namespace

std::optional<PasswordRecord> ParsePasswordRecord(std::string_view text) {
    const std::vector<std::string_view> fields = SplitFields(text);
    if (fields.size() != 4 || fields[0] != kPasswordScheme) return std::nullopt;

    const std::optional<uint32_t> iterations = ParseIterations(fields[1]);
    std::optional<std::vector<uint8_t>> salt = FromHex(fields[2]);
    const std::optional<std::vector<uint8_t>> hash = FromHex(fields[3]);
    if (!iterations || !salt || !hash) return std::nullopt;
    if (salt->size() < kMinPasswordSaltSize || salt->size() > kMaxPasswordSaltSize) return std::nullopt;
    if (hash->size() != kSha256DigestSize) return std::nullopt;

    PasswordRecord record;
    record.iterations = *iterations;
    record.salt = std::move(*salt);
    std::copy(hash->begin(), hash->end(), record.hash.begin());
    return record;
}

std::string FormatPasswordRecord(const PasswordRecord& record) {
    return std::string(kPasswordScheme) + kSeparator + std::to_string(record.iterations) + kSeparator +
           ToHex(record.salt) + kSeparator + ToHex(record.hash);
}

}  // namespace kelvor
