#include "module/module_options.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <tuple>
#include <utility>

#include "module/module_values.h"

namespace kelvor {

namespace {

constexpr int16_t kMaxRandomness = 10;

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

std::optional<std::string> NonEmpty(std::string_view value) {
    return value.empty() ? std::nullopt : std::optional(std::string(value));
}

// A whole number within [low, high].
template <typename T>
std::optional<T> InRange(std::string_view value, int64_t low, int64_t high) {
    const std::optional<int64_t> number = ParseInteger(value);
    if (!number || *number < low || *number > high) return std::nullopt;
    return static_cast<T>(*number);
}

const std::array kValueOptions{
    ValueOption{"display",
                [](std::string_view v, ModuleOptions& o) {
                    o.displayName = std::string(v);
                    return true;
                }},
    ValueOption{"window-id", [](std::string_view v, ModuleOptions& o) { return Store(ParseWindowId(v), o.windowId); }},
    ValueOption{"font", [](std::string_view v, ModuleOptions& o) { return Store(ParseFont(v), o.font); }},
    ValueOption{"fg", [](std::string_view v, ModuleOptions& o) { return Store(NonEmpty(v), o.foreground); }},
    ValueOption{"bg", [](std::string_view v, ModuleOptions& o) { return Store(NonEmpty(v), o.background); }},
    ValueOption{"animation",
                [](std::string_view v, ModuleOptions& o) {
                    return Store(ParseAnimation(v), o.moveOption);
                }},
    ValueOption{"randomness",
                [](std::string_view v, ModuleOptions& o) {
                    return Store(InRange<int16_t>(v, 0, kMaxRandomness), o.randomness);
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
    ValueOption{"delay",
                [](std::string_view v, ModuleOptions& o) {
                    const auto delay = InRange<int32_t>(v, kMinTickMicroseconds, kMaxTickMicroseconds);
                    if (delay) o.tickMicroseconds = *delay;
                    return delay.has_value();
                }},
    ValueOption{"visual",
                [](std::string_view v, ModuleOptions& o) {
                    o.visual = std::string(v);
                    return !v.empty();
                }},
    ValueOption{"geometry", [](std::string_view v, ModuleOptions& o) { return Store(ParseGeometry(v), o.geometry); }},
};

// Options without a value; -mono and -noinstall, which every display module takes, change nothing
// here (the module always draws in colour, in the window's own colormap unless -install).
struct Flag {
    std::string_view name;
    bool ModuleOptions::*set;
    bool value;
};

const std::array kFlags{
    Flag{"root", &ModuleOptions::root, true},
    Flag{"window", &ModuleOptions::window, true},
    Flag{"help", &ModuleOptions::help, true},
    Flag{"fps", &ModuleOptions::fps, true},
    Flag{"no-fps", &ModuleOptions::fps, false},
    Flag{"install", &ModuleOptions::installColormap, true},
    Flag{"noinstall", &ModuleOptions::installColormap, false},
    Flag{"sync", &ModuleOptions::synchronous, true},
    Flag{"synchronous", &ModuleOptions::synchronous, true},
    Flag{"mono", nullptr, false},
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

void ParseModuleOptions(std::span<const std::string> arguments, ModuleOptions& options,
                        std::vector<std::string>& warnings) {
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        std::string_view name = argument;
        if (!name.starts_with('-')) {
            warnings.push_back("unexpected argument '" + argument + "', ignored");
            continue;
        }
        name.remove_prefix(name.starts_with("--") ? 2 : 1);
        const auto flag = std::find_if(kFlags.begin(), kFlags.end(), [&](const Flag& f) { return f.name == name; });
        if (flag != kFlags.end()) {
            if (flag->set != nullptr) options.*(flag->set) = flag->value;
            continue;
        }
        if (name.starts_with("no-")) {
            if (const std::optional<LineBits> line = LineBit(name.substr(3))) {
                options.hiddenLines |= *line;
                continue;
            }
        }
        // The two lines that are off by default can be added one by one, as a settings box does.
        if (name == "address" || name == "system") {
            options.shownLines |= *LineBit(name);
            continue;
        }
        const auto option = std::find_if(kValueOptions.begin(), kValueOptions.end(),
                                         [&](const ValueOption& o) { return o.name == name; });
        const bool valueFollows = i + 1 < arguments.size() && !arguments[i + 1].starts_with('-');
        if (option == kValueOptions.end()) {
            // A word after an unknown option is taken for its value, so that it is not reported twice.
            warnings.push_back("unknown option '" + argument + "'" +
                               (valueFollows ? " and its value '" + arguments[++i] + "'" : std::string()) +
                               ", ignored");
            continue;
        }
        if (i + 1 == arguments.size()) {
            warnings.push_back("option '" + argument + "' needs a value, ignored");
            continue;
        }
        const std::string& value = arguments[++i];
        if (!option->read(value, options))
            warnings.push_back("bad value '" + value + "' for option '" + argument + "', using its default");
    }
}

std::string ModuleUsage() {
    return std::string("usage: ") + kModuleName +
           " [-root | -window | -window-id ID] [-display NAME]\n"
           "    [-font FAMILY[-SIZE][:bold][:italic][:underline][:strikeout]]\n"
           "    [-fg COLOUR] [-bg COLOUR] [-animation jump|slide|bounce|path|centre]\n"
           "    [-randomness 0..10] [-clock 12|24] [-text TEXT]\n"
           "    [-lines all|none|text,name,time,uptime,since,memory,cpu,address,system,\n"
           "            network] [-address] [-system]\n"
           "    [-no-text] [-no-name] ... [-no-address] [-no-system] [-no-network]\n"
           "    [-fps] [-delay MICROSECONDS] [-geometry WxH+X+Y] [-visual VISUAL]\n"
           "    [-install] [-sync] [-help]";
}

TargetChoice ChooseTarget(const ModuleOptions& options, const char* environmentWindow,
                          std::vector<std::string>& warnings) {
    if (options.windowId) return {ModuleTarget::GivenWindow, *options.windowId};
    if (options.window) return {ModuleTarget::OwnWindow, 0};
    if (environmentWindow != nullptr && *environmentWindow != '\0') {
        if (const std::optional<uint32_t> id = ParseWindowId(environmentWindow))
            return {ModuleTarget::GivenWindow, *id};
        warnings.push_back(std::string("XSCREENSAVER_WINDOW holds no window id: '") + environmentWindow +
                           "', ignored");
    }
    return {options.root ? ModuleTarget::Root : ModuleTarget::OwnWindow, 0};
}

SaverSettings ModuleSettings(const ModuleOptions& options, ColourNames& colours, std::vector<std::string>& warnings) {
    SaverSettings settings = DefaultSettings();
    if (options.font) {
        const FontOption& font = *options.font;
        settings.FontName = font.family;
        if (font.size) settings.FontSize = *font.size;
        settings.FontBold = font.bold;
        settings.FontItalic = font.italic;
        settings.FontUnderline = font.underline;
        settings.FontStrikethru = font.strikeout;
    }
    for (const auto& [option, name, into] : {std::tuple{"-fg", &options.foreground, &settings.FontColour},
                                             std::tuple{"-bg", &options.background, &settings.BgColour}}) {
        if (!*name) continue;
        if (const std::optional<int32_t> colour = colours.Colour(**name))
            *into = *colour;
        else
            warnings.push_back("unknown colour '" + **name + "' for option '" + option + "', using its default");
    }
    if (options.moveOption) settings.MoveOption = *options.moveOption;
    if (options.randomness) settings.MoveEBRandom = *options.randomness;
    if (options.timeFormat) settings.TimeFormat = *options.timeFormat;
    if (options.text) {
        settings.Descr = *options.text;
        if (!options.text->empty()) settings.DisplayItems |= kShowDescription;
    }
    LineBits lines = static_cast<LineBits>(settings.DisplayItems | settings.ExtraItems << kExtraLinesShift);
    if (options.lines) lines = *options.lines;
    lines = static_cast<LineBits>((lines | options.shownLines) & ~options.hiddenLines);
    settings.DisplayItems = static_cast<uint8_t>(lines);
    settings.ExtraItems = static_cast<uint8_t>(lines >> kExtraLinesShift);
    return settings;
}

}  // namespace kelvor
