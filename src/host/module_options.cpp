#include "host/module_options.h"

#include <algorithm>
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

constexpr int16_t kMaxRandomness = 10;

std::optional<int64_t> ParseInteger(std::string_view text) {
    int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

template <size_t N>
std::optional<int32_t> WordValue(const std::array<Word, N>& words, std::string_view text) {
    for (const Word& word : words) {
        if (word.word == text) return word.value;
    }
    return std::nullopt;
}

// "name,time,cpu", "none" or "all"; commas or blanks between the words.
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
        const std::optional<int32_t> line = WordValue(kLines, word);
        if (!line) return std::nullopt;
        lines |= static_cast<uint8_t>(*line);
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
    if (name.empty() || name.size() > InfoBlock::kMaxFontNameLength) return std::nullopt;
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

// Reads one option's value into `options`; false when the value is out of form or range.
using ValueReader = bool (*)(std::string_view value, ModuleOptions& options);

struct ValueOption {
    std::string_view name;
    ValueReader read;
};

template <typename T>
bool Store(std::optional<T> value, std::optional<T>& into) {
    if (!value) return false;
    into = std::move(value);
    return true;
}

const std::array kValueOptions{
    ValueOption{"display",
                [](std::string_view v, ModuleOptions& o) {
                    o.displayName = std::string(v);
                    return true;
                }},
    ValueOption{"window-id", [](std::string_view v, ModuleOptions& o) { return Store(ParseWindowId(v), o.windowId); }},
    ValueOption{"font", [](std::string_view v, ModuleOptions& o) { return Store(ParseFont(v), o.font); }},
    ValueOption{"fg",
                [](std::string_view v, ModuleOptions& o) {
                    return Store(v.empty() ? std::nullopt : std::optional(std::string(v)), o.foreground);
                }},
    ValueOption{"bg",
                [](std::string_view v, ModuleOptions& o) {
                    return Store(v.empty() ? std::nullopt : std::optional(std::string(v)), o.background);
                }},
    ValueOption{"animation",
                [](std::string_view v, ModuleOptions& o) {
                    const std::optional<int32_t> animation = WordValue(kAnimations, v);
                    return Store(animation ? std::optional(static_cast<int16_t>(*animation)) : std::nullopt,
                                 o.moveOption);
                }},
    ValueOption{"randomness",
                [](std::string_view v, ModuleOptions& o) {
                    const std::optional<int64_t> r = ParseInteger(v);
                    const bool valid = r && *r >= 0 && *r <= kMaxRandomness;
                    return Store(valid ? std::optional(static_cast<int16_t>(*r)) : std::nullopt, o.randomness);
                }},
    ValueOption{"lines", [](std::string_view v, ModuleOptions& o) { return Store(ParseLines(v), o.lines); }},
    ValueOption{"text",
                [](std::string_view v, ModuleOptions& o) {
                    o.text = std::string(v);
                    return true;
                }},
    ValueOption{"clock",
                [](std::string_view v, ModuleOptions& o) {
                    const std::optional<uint8_t> format = v == "24"   ? std::optional(kTime24Hour)
                                                          : v == "12" ? std::optional(uint8_t{0})
                                                                      : std::nullopt;
                    return Store(format, o.timeFormat);
                }},
};

}  // namespace

std::optional<uint32_t> ParseWindowId(std::string_view text) {
    int base = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        text.remove_prefix(2);
        base = 16;
    }
    uint32_t id = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || id == 0) return std::nullopt;
    return id;
}

bool ParseModuleOptions(std::span<const std::string> arguments, ModuleOptions& options, std::string& error) {
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        std::string_view name = argument;
        if (!name.starts_with('-')) {
            error = "unexpected argument '" + argument + "'";
            return false;
        }
        name.remove_prefix(name.starts_with("--") ? 2 : 1);
        if (name == "root" || name == "window" || name == "help") {
            (name == "root" ? options.root : name == "window" ? options.window : options.help) = true;
            continue;
        }
        const auto option = std::find_if(kValueOptions.begin(), kValueOptions.end(),
                                         [&](const ValueOption& o) { return o.name == name; });
        if (option == kValueOptions.end()) {
            error = "unknown option '" + argument + "'";
            return false;
        }
        if (i + 1 == arguments.size()) {
            error = "option '" + argument + "' needs a value";
            return false;
        }
        const std::string& value = arguments[++i];
        if (!option->read(value, options)) {
            error = "bad value '" + value + "' for option '" + argument + "'";
            return false;
        }
    }
    return true;
}

std::string ModuleUsage() {
    return std::string("usage: ") + kModuleName +
           " [-root | -window | -window-id ID] [-display NAME]"
           " [-font FAMILY[-SIZE][:bold][:italic][:underline][:strikeout]] [-fg COLOUR] [-bg COLOUR]"
           " [-animation jump|slide|bounce|path|centre] [-randomness 0..10]"
           " [-lines all|none|text,name,time,uptime,since,memory,cpu,network] [-text TEXT] [-clock 12|24]";
}

bool ChooseTarget(const ModuleOptions& options, const char* environmentWindow, TargetChoice& choice,
                  std::string& error) {
    if (options.windowId) {
        choice = {ModuleTarget::GivenWindow, *options.windowId};
    } else if (options.window) {
        choice = {ModuleTarget::OwnWindow, 0};
    } else if (environmentWindow != nullptr) {
        const std::optional<uint32_t> id = ParseWindowId(environmentWindow);
        if (!id) {
            error = std::string("XSCREENSAVER_WINDOW holds no window id: '") + environmentWindow + "'";
            return false;
        }
        choice = {ModuleTarget::GivenWindow, *id};
    } else {
        choice = {options.root ? ModuleTarget::Root : ModuleTarget::OwnWindow, 0};
    }
    return true;
}

bool ModuleSettings(const ModuleOptions& options, ColourNames& colours, SaverSettings& settings, std::string& error) {
    settings = DefaultSettings();
    if (options.font) {
        const FontOption& font = *options.font;
        settings.FontName = font.family;
        if (font.size) settings.FontSize = *font.size;
        settings.FontBold = font.bold;
        settings.FontItalic = font.italic;
        settings.FontUnderline = font.underline;
        settings.FontStrikethru = font.strikeout;
    }
    for (const auto& [name, into] :
         {std::pair{&options.foreground, &settings.FontColour}, std::pair{&options.background, &settings.BgColour}}) {
        if (!*name) continue;
        const std::optional<int32_t> colour = colours.Colour(**name);
        if (!colour) {
            error = "unknown colour '" + **name + "'";
            return false;
        }
        *into = *colour;
    }
    if (options.moveOption) settings.MoveOption = *options.moveOption;
    if (options.randomness) settings.MoveEBRandom = *options.randomness;
    if (options.timeFormat) settings.TimeFormat = *options.timeFormat;
    if (options.text) {
        settings.Descr = *options.text;
        if (!options.text->empty()) settings.DisplayItems |= kShowDescription;
    }
    if (options.lines) settings.DisplayItems = *options.lines;
    return true;
}

}  // namespace kelvor
