#include "module/module_values.h"

#include <array>
#include <charconv>

#include "animation/movers.h"
#include "display/info_block.h"

namespace kelvor {

namespace {

struct Word {
    std::string_view word;
    int32_t value;
};

constexpr std::array kAnimations{
    Word{"jump", Movers::kRandomJumping},        Word{"slide", Movers::kRandomSliding},
    Word{"bounce", Movers::kBounceOffSides},     Word{"path", Movers::kRandomPath},
    Word{"centre", Movers::kStationaryInCentre},
};

// The lines of -lines, in the order they show.
constexpr std::array kLines{
    Word{"text", kShowDescription}, Word{"name", kShowComputerName}, Word{"time", kShowCurrentTime},
    Word{"uptime", kShowUptime},    Word{"since", kShowStartTime},   Word{"memory", kShowMemory},
    Word{"cpu", kShowCpu},          Word{"network", kShowNetwork},
};

template <size_t N>
std::optional<int32_t> WordValue(const std::array<Word, N>& words, std::string_view text) {
    for (const Word& word : words) {
        if (word.word == text) return word.value;
    }
    return std::nullopt;
}

}  // namespace

std::optional<int64_t> ParseInteger(std::string_view text) {
    int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<int16_t> ParseAnimation(std::string_view word) {
    const std::optional<int32_t> animation = WordValue(kAnimations, word);
    return animation ? std::optional(static_cast<int16_t>(*animation)) : std::nullopt;
}

std::optional<uint8_t> LineBit(std::string_view word) {
    const std::optional<int32_t> line = WordValue(kLines, word);
    return line ? std::optional(static_cast<uint8_t>(*line)) : std::nullopt;
}

std::optional<uint8_t> ParseLines(std::string_view text) {
    if (text == "none") return uint8_t{0};
    uint8_t lines = 0;
    bool any = false;
    while (!text.empty()) {
        const size_t end = text.find_first_of(", ");
        const std::string_view word = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (word.empty()) continue;
        any = true;
        if (word == "all") {
            for (const Word& line : kLines) lines |= static_cast<uint8_t>(line.value);
            continue;
        }
        const std::optional<uint8_t> line = LineBit(word);
        if (!line) return std::nullopt;
        lines |= *line;
    }
    if (!any) return std::nullopt;
    return lines;
}

std::optional<FontOption> ParseFont(std::string_view text) {
    FontOption font;
    const size_t colon = text.find(':');
    std::string_view name = text.substr(0, colon);
    std::string_view styles = colon == std::string_view::npos ? std::string_view() : text.substr(colon + 1);
    // A dash before digits starts the size; other dashes belong to the family's name.
    const size_t dash = name.rfind('-');
    const std::string_view digits = dash == std::string_view::npos ? std::string_view() : name.substr(dash + 1);
    if (!digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos) {
        const std::optional<int64_t> size = ParseInteger(digits);
        if (!size || *size < 1 || *size > static_cast<int64_t>(InfoBlock::kMaxFontSize)) return std::nullopt;
        font.size = static_cast<int16_t>(*size);
        name = name.substr(0, dash);
    }
    // A name that still ends in a dash had a sign before its size ("Sans--5") or a dash without one.
    if (name.empty() || name.ends_with('-') || name.size() > InfoBlock::kMaxFontNameLength) return std::nullopt;
    font.family = std::string(name);
    while (colon != std::string_view::npos && !styles.empty()) {
        const size_t end = styles.find(':');
        const std::string_view style = styles.substr(0, end);
        styles.remove_prefix(end == std::string_view::npos ? styles.size() : end + 1);
        bool* flag = style == "bold"        ? &font.bold
                     : style == "italic"    ? &font.italic
                     : style == "underline" ? &font.underline
                     : style == "strikeout" ? &font.strikeout
                                            : nullptr;
        if (flag == nullptr) return std::nullopt;
        *flag = true;
    }
    return font;
}

std::optional<GeometryOption> ParseGeometry(std::string_view text) {
    GeometryOption geometry;
    // X carries sizes and places in 16 bits, and draws only where a signed 16-bit coordinate
    // reaches: a larger figure would arrive truncated.
    constexpr int64_t kLargest = 32767;
    const auto number = [&](size_t maxDigits) -> std::optional<int32_t> {
        const size_t digits = std::min(text.find_first_not_of("0123456789"), text.size());
        if (digits == 0 || digits > maxDigits) return std::nullopt;
        const std::optional<int64_t> value = ParseInteger(text.substr(0, digits));
        text.remove_prefix(digits);
        if (*value > kLargest) return std::nullopt;
        return static_cast<int32_t>(*value);
    };
    constexpr size_t kMaxDigits = 5;
    if (!text.empty() && text[0] != '+' && text[0] != '-') {
        geometry.width = number(kMaxDigits);
        if (!geometry.width || *geometry.width == 0 || text.empty() || (text[0] != 'x' && text[0] != 'X'))
            return std::nullopt;
        text.remove_prefix(1);
        geometry.height = number(kMaxDigits);
        if (!geometry.height || *geometry.height == 0) return std::nullopt;
    }
    if (!text.empty()) {
        for (auto [offset, fromEnd] : {std::pair{&geometry.x, &geometry.fromRight},
                                       std::pair{&geometry.y, &geometry.fromBottom}}) {
            if (text.empty() || (text[0] != '+' && text[0] != '-')) return std::nullopt;
            *fromEnd = text[0] == '-';
            text.remove_prefix(1);
            *offset = number(kMaxDigits);
            if (!*offset) return std::nullopt;
        }
    }
    if (!text.empty() || (!geometry.width && !geometry.x)) return std::nullopt;
    return geometry;
}

}  // namespace kelvor
