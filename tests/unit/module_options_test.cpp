#include <gtest/gtest.h>

#include <map>

#include "animation/movers.h"
#include "display/dots_per_inch.h"
#include "module/module_options.h"

namespace kelvor {
namespace {

class FakeColourNames final : public ColourNames {
public:
    std::optional<int32_t> Colour(const std::string& name) override {
        const auto known = colours.find(name);
        return known == colours.end() ? std::nullopt : std::optional(known->second);
    }
    std::map<std::string, int32_t> colours{{"navy", 0x800000}, {"#ffff00", 0x00FFFF}};
};

// The options of the arguments; nothing when any argument drew a warning (the first in `error`).
std::optional<ModuleOptions> Parse(std::vector<std::string> arguments, std::string* error = nullptr) {
    ModuleOptions options;
    std::vector<std::string> warnings;
    ParseModuleOptions(arguments, options, warnings);
    if (!warnings.empty()) {
        if (error != nullptr) *error = warnings.front();
        return std::nullopt;
    }
    return options;
}

// What the arguments come to, warnings and all.
struct Outcome {
    ModuleOptions options;
    SaverSettings settings;
    std::vector<std::string> warnings;
};

Outcome OutcomeOf(std::vector<std::string> arguments) {
    Outcome outcome;
    ParseModuleOptions(arguments, outcome.options, outcome.warnings);
    FakeColourNames colours;
    outcome.settings = ModuleSettings(outcome.options, colours, outcome.warnings);
    return outcome;
}

SaverSettings SettingsOf(std::vector<std::string> arguments) {
    const Outcome outcome = OutcomeOf(std::move(arguments));
    EXPECT_TRUE(outcome.warnings.empty()) << outcome.warnings.front();
    return outcome.settings;
}

TEST(ModuleOptions, EveryOptionWithOneDashOrTwo) {
    const auto options =
        Parse({"-root",      "--window",    "-window-id",  "0x1a00003",
               "--display",  ":7",          "-font",       "DejaVu Sans-14:bold:italic:underline:strikeout",
               "-fg",        "navy",        "--bg",        "#ffff00",
               "-animation", "path",        "-randomness", "10",
               "-lines",     "cpu,network", "-text",       "Rack 4",
               "-clock",     "24",          "-help"});
    ASSERT_TRUE(options.has_value());
    EXPECT_TRUE(options->root && options->window && options->help);
    EXPECT_EQ(options->windowId, 0x1a00003u);
    EXPECT_EQ(options->displayName, ":7");
    ASSERT_TRUE(options->font.has_value());
    EXPECT_EQ(options->font->family, "DejaVu Sans");
    EXPECT_EQ(options->font->size, 14);
    EXPECT_TRUE(options->font->bold && options->font->italic && options->font->underline && options->font->strikeout);
    EXPECT_EQ(options->foreground, "navy");
    EXPECT_EQ(options->background, "#ffff00");
    EXPECT_EQ(options->moveOption, Movers::kRandomPath);
    EXPECT_EQ(options->randomness, 10);
    EXPECT_EQ(options->lines, kShowCpu | kShowNetwork);
    EXPECT_EQ(options->text, "Rack 4");
    EXPECT_EQ(options->timeFormat, kTime24Hour);
}

TEST(ModuleOptions, ValuesInTheirForms) {
    const struct {
        std::vector<std::string> arguments;
        int16_t moveOption;
    } animations[] = {{{"-animation", "jump"}, Movers::kRandomJumping},
                      {{"-animation", "slide"}, Movers::kRandomSliding},
                      {{"-animation", "bounce"}, Movers::kBounceOffSides},
                      {{"-animation", "centre"}, Movers::kStationaryInCentre}};
    for (const auto& c : animations) EXPECT_EQ(Parse(c.arguments)->moveOption, c.moveOption) << c.arguments[1];

    EXPECT_EQ(Parse({"-lines", "none"})->lines, 0);
    EXPECT_EQ(Parse({"-lines", "all"})->lines, 255);
    EXPECT_EQ(Parse({"-lines", "text name, time uptime,since,memory"})->lines,
              kShowDescription | kShowComputerName | kShowCurrentTime | kShowUptime | kShowStartTime | kShowMemory);
    EXPECT_EQ(Parse({"-clock", "12"})->timeFormat, 0);
    EXPECT_EQ(Parse({"-window-id", "4194307"})->windowId, 4194307u);
    const auto plain = Parse({"-font", "Verdana"})->font;
    EXPECT_EQ(plain->family, "Verdana");
    EXPECT_FALSE(plain->size.has_value());
    EXPECT_FALSE(plain->bold || plain->italic || plain->underline || plain->strikeout);
    EXPECT_EQ(Parse({"-font", "Noto-Sans"})->font->family, "Noto-Sans");
    EXPECT_EQ(Parse({"-font", "Noto-Sans-2160"})->font->family, "Noto-Sans");
    EXPECT_EQ(Parse({"-font", "Noto-Sans-2160"})->font->size, 2160);
    EXPECT_EQ(Parse({})->moveOption, std::nullopt);
}

TEST(ModuleOptions, WrongArgumentsAreWarnedOfAndLeaveTheDefaults) {
    const std::string ignored = ", ignored";
    const std::string defaulted = ", using its default";
    const struct {
        std::vector<std::string> arguments;
        std::string reason;
    } cases[] = {
        {{"-spin"}, "unknown option '-spin'" + ignored},
        {{"---root"}, "unknown option '---root'" + ignored},
        {{"root"}, "unexpected argument 'root'" + ignored},
        {{"-font"}, "option '-font' needs a value" + ignored},
        {{"-animation", "spin"}, "bad value 'spin' for option '-animation'" + defaulted},
        {{"-randomness", "11"}, "bad value '11' for option '-randomness'" + defaulted},
        {{"-randomness", "-1"}, "bad value '-1' for option '-randomness'" + defaulted},
        {{"-randomness", "5x"}, "bad value '5x' for option '-randomness'" + defaulted},
        {{"-clock", "13"}, "bad value '13' for option '-clock'" + defaulted},
        {{"-lines", "cpu,disk"}, "bad value 'cpu,disk' for option '-lines'" + defaulted},
        {{"-lines", " , "}, "bad value ' , ' for option '-lines'" + defaulted},
        {{"-window-id", "0"}, "bad value '0' for option '-window-id'" + defaulted},
        {{"-window-id", "0x"}, "bad value '0x' for option '-window-id'" + defaulted},
        {{"-window-id", "0x100000000"}, "bad value '0x100000000' for option '-window-id'" + defaulted},
        {{"-window-id", "window"}, "bad value 'window' for option '-window-id'" + defaulted},
        {{"-font", "Sans-0"}, "bad value 'Sans-0' for option '-font'" + defaulted},
        {{"-font", "Sans-2161"}, "bad value 'Sans-2161' for option '-font'" + defaulted},
        {{"-font", "-12"}, "bad value '-12' for option '-font'" + defaulted},
        {{"-font", "Sans:heavy"}, "bad value 'Sans:heavy' for option '-font'" + defaulted},
        {{"-font", std::string(32, 'F')}, "bad value '" + std::string(32, 'F') + "' for option '-font'" + defaulted},
        {{"-fg", ""}, "bad value '' for option '-fg'" + defaulted},
        // A minus sign before the size, not a family "Sans-".
        {{"-font", "Sans--5"}, "bad value 'Sans--5' for option '-font'" + defaulted},
        {{"-font", "Sans-"}, "bad value 'Sans-' for option '-font'" + defaulted},
        {{"-delay", "0"}, "bad value '0' for option '-delay'" + defaulted},
        {{"-delay", "1000001"}, "bad value '1000001' for option '-delay'" + defaulted},
        {{"-delay", "fast"}, "bad value 'fast' for option '-delay'" + defaulted},
        {{"-visual", ""}, "bad value '' for option '-visual'" + defaulted},
        {{"-geometry", "300"}, "bad value '300' for option '-geometry'" + defaulted},
        {{"-geometry", "0x200"}, "bad value '0x200' for option '-geometry'" + defaulted},
        {{"-geometry", "300x200+5"}, "bad value '300x200+5' for option '-geometry'" + defaulted},
        {{"-geometry", "300x200+5+5+5"}, "bad value '300x200+5+5+5' for option '-geometry'" + defaulted},
        {{"-geometry", "999999x2"}, "bad value '999999x2' for option '-geometry'" + defaulted},
        {{"-geometry", "99999x2"}, "bad value '99999x2' for option '-geometry'" + defaulted},
        {{"-geometry", "300x200+32768+0"}, "bad value '300x200+32768+0' for option '-geometry'" + defaulted},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(Parse(c.arguments, &error).has_value()) << c.reason;
        EXPECT_EQ(error, c.reason);
        // One warning each, and everything as if the argument had not been given.
        const Outcome outcome = OutcomeOf(c.arguments);
        EXPECT_EQ(outcome.warnings.size(), 1u) << c.reason;
        EXPECT_EQ(outcome.settings, DefaultSettings()) << c.reason;
        EXPECT_FALSE(outcome.options.windowId || outcome.options.geometry || outcome.options.root) << c.reason;
        EXPECT_EQ(outcome.options.tickMicroseconds, kDefaultTickMicroseconds) << c.reason;
        EXPECT_EQ(outcome.options.visual, "") << c.reason;
    }
    EXPECT_TRUE(Parse({"-font", std::string(31, 'F') + "-9"}).has_value());
    EXPECT_NE(ModuleUsage().find("usage: kelvor [-root | -window | -window-id ID]"), std::string::npos);
}

TEST(ModuleOptions, WhatFollowsAWrongArgumentStillCounts) {
    // The word after an unknown option goes with it; the options after it apply.
    const Outcome outcome =
        OutcomeOf({"-spin", "fast", "-animation", "wobble", "-root", "-clock", "24", "-fg", "nosuch", "-bg", "navy"});
    EXPECT_EQ(outcome.warnings,
              (std::vector<std::string>{"unknown option '-spin' and its value 'fast', ignored",
                                        "bad value 'wobble' for option '-animation', using its default",
                                        "unknown colour 'nosuch' for option '-fg', using its default"}));
    EXPECT_TRUE(outcome.options.root);
    EXPECT_EQ(outcome.settings.TimeFormat, kTime24Hour);
    EXPECT_EQ(outcome.settings.MoveOption, DefaultSettings().MoveOption);
    EXPECT_EQ(outcome.settings.FontColour, DefaultSettings().FontColour);
    EXPECT_EQ(outcome.settings.BgColour, 0x800000);
}

TEST(ModuleOptions, TheOptionsOfEveryDisplayModule) {
    const auto options = Parse({"--fps", "-install", "-visual", "TrueColor", "-sync", "-geometry", "300x200-10+20",
                                "--delay", "20000", "-mono"});
    ASSERT_TRUE(options.has_value());
    EXPECT_TRUE(options->fps && options->installColormap && options->synchronous);
    EXPECT_EQ(options->visual, "TrueColor");
    EXPECT_EQ(options->tickMicroseconds, 20000);
    ASSERT_TRUE(options->geometry.has_value());
    EXPECT_EQ(options->geometry->width, 300);
    EXPECT_EQ(options->geometry->height, 200);
    EXPECT_EQ(options->geometry->x, 10);
    EXPECT_EQ(options->geometry->y, 20);
    EXPECT_TRUE(options->geometry->fromRight);
    EXPECT_FALSE(options->geometry->fromBottom);
    // The later of two contrary flags wins.
    EXPECT_FALSE(Parse({"-fps", "-no-fps", "-install", "-noinstall"})->fps);
    EXPECT_FALSE(Parse({"-install", "-noinstall"})->installColormap);
    const auto placeOnly = Parse({"-geometry", "+0+5"})->geometry;
    EXPECT_FALSE(placeOnly->width.has_value());
    EXPECT_EQ(placeOnly->y, 5);
    EXPECT_EQ(Parse({"-delay", "10000"})->tickMicroseconds, kMinTickMicroseconds);
    EXPECT_EQ(Parse({"-delay", "1000000"})->tickMicroseconds, kMaxTickMicroseconds);
    EXPECT_EQ(Parse({})->tickMicroseconds, 100000);
    // The usage is wrapped into lines a terminal shows whole.
    const std::string usage = ModuleUsage();
    for (size_t start = 0, end = 0; end != std::string::npos; start = end + 1) {
        end = usage.find('\n', start);
        EXPECT_LE(usage.substr(start, end - start).size(), 80u) << usage.substr(start, end - start);
    }
    EXPECT_NE(usage.find("-delay MICROSECONDS"), std::string::npos);
}

TEST(ModuleOptions, WhereToDrawFollowsXscreensaversConventions) {
    const struct {
        std::vector<std::string> arguments;
        const char* environment;
        ModuleTarget target;
        uint32_t windowId;
    } cases[] = {
        {{}, nullptr, ModuleTarget::OwnWindow, 0},
        {{"-root"}, nullptr, ModuleTarget::Root, 0},
        {{"-window"}, nullptr, ModuleTarget::OwnWindow, 0},
        // xscreensaver runs its modules with -root and its window in the environment; its settings'
        // preview adds -window-id to the same command line.
        {{"-root"}, "0x600008", ModuleTarget::GivenWindow, 0x600008},
        {{}, "12", ModuleTarget::GivenWindow, 12},
        {{"-root", "-window-id", "0x42"}, "0x600008", ModuleTarget::GivenWindow, 0x42},
        {{"-window"}, "0x600008", ModuleTarget::OwnWindow, 0},
    };
    for (const auto& c : cases) {
        std::vector<std::string> warnings;
        const TargetChoice choice = ChooseTarget(*Parse(c.arguments), c.environment, warnings);
        EXPECT_TRUE(warnings.empty());
        EXPECT_EQ(choice.target, c.target);
        EXPECT_EQ(choice.windowId, c.windowId);
    }
    // A variable without a window id is passed over: an empty one silently.
    std::vector<std::string> warnings;
    EXPECT_EQ(ChooseTarget(*Parse({"-root"}), "", warnings).target, ModuleTarget::Root);
    EXPECT_TRUE(warnings.empty());
    EXPECT_EQ(ChooseTarget(*Parse({"-root"}), "0xzz", warnings).target, ModuleTarget::Root);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0], "XSCREENSAVER_WINDOW holds no window id: '0xzz', ignored");
}

TEST(ModuleSettings, NoOptionsGiveTheDefaultsAndEachOptionItsSetting) {
    EXPECT_EQ(SettingsOf({"-root"}), DefaultSettings());

    SaverSettings expected = DefaultSettings();
    expected.FontName = "DejaVu Serif";
    expected.FontSize = 18;
    expected.FontBold = true;
    expected.FontStrikethru = true;
    expected.FontColour = 0x800000;
    expected.BgColour = 0x00FFFF;
    expected.MoveOption = Movers::kRandomSliding;
    expected.MoveEBRandom = 0;
    expected.TimeFormat = kTime24Hour;
    expected.DisplayItems = kShowMemory;
    EXPECT_EQ(SettingsOf({"-font", "DejaVu Serif-18:strikeout:bold", "-fg", "navy", "-bg", "#ffff00", "-animation",
                          "slide", "-randomness", "0", "-clock", "24", "-lines", "memory"}),
              expected);
    // A font without a size keeps the default size, and its styles are only those it names.
    const SaverSettings italic = SettingsOf({"-font", "Sans:italic"});
    EXPECT_EQ(italic.FontSize, DefaultSettings().FontSize);
    EXPECT_TRUE(italic.FontItalic);
    EXPECT_FALSE(italic.FontBold);
}

TEST(ModuleSettings, TheTextShowsUnlessTheLinesSayOtherwise) {
    const SaverSettings shown = SettingsOf({"-text", "Rack 4"});
    EXPECT_EQ(shown.Descr, "Rack 4");
    EXPECT_EQ(shown.DisplayItems, DefaultSettings().DisplayItems | kShowDescription);
    EXPECT_EQ(SettingsOf({"-text", ""}).DisplayItems, DefaultSettings().DisplayItems);
    const SaverSettings hidden = SettingsOf({"-text", "Rack 4", "-lines", "cpu"});
    EXPECT_EQ(hidden.DisplayItems, kShowCpu);
    EXPECT_EQ(hidden.Descr, "Rack 4");
    // Single lines hidden, after the list whichever comes first.
    EXPECT_EQ(SettingsOf({"--no-cpu", "-lines", "all", "-no-network"}).DisplayItems,
              0xFF & ~(kShowCpu | kShowNetwork));
    EXPECT_EQ(SettingsOf({"-text", "Rack 4", "-no-text"}).DisplayItems, DefaultSettings().DisplayItems);
    EXPECT_FALSE(Parse({"-no-disk"}).has_value());
}

TEST(ModuleSettings, AColourTheDisplayDoesNotKnowIsWarnedOfAndLeftAtItsDefault) {
    FakeColourNames colours;
    std::vector<std::string> warnings;
    EXPECT_EQ(ModuleSettings(*Parse({"-bg", "no such colour"}), colours, warnings), DefaultSettings());
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0], "unknown colour 'no such colour' for option '-bg', using its default");
}

TEST(DotsPerInch, TheUsersSettingThenTheScreensSizeThenNinetySix) {
    EXPECT_DOUBLE_EQ(DotsPerInch("120", 1024, 270), 120.0);
    EXPECT_DOUBLE_EQ(DotsPerInch("144.5", 1024, 270), 144.5);
    EXPECT_DOUBLE_EQ(DotsPerInch(nullptr, 1920, 508), 96.0);
    for (const char* unusable : {"", "abc", "0", "-96", "96dpi"})
        EXPECT_DOUBLE_EQ(DotsPerInch(unusable, 2540, 254), 254.0) << unusable;
    EXPECT_DOUBLE_EQ(DotsPerInch(nullptr, 1024, 0), kFallbackDotsPerInch);
}

}  // namespace
}  // namespace kelvor
