#include <gtest/gtest.h>

#include <map>

#include "animation/movers.h"
#include "display/dots_per_inch.h"
#include "host/module_options.h"

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

std::optional<ModuleOptions> Parse(std::vector<std::string> arguments, std::string* error = nullptr) {
    ModuleOptions options;
    std::string reason;
    if (!ParseModuleOptions(arguments, options, reason)) {
        if (error != nullptr) *error = reason;
        return std::nullopt;
    }
    EXPECT_EQ(reason, "");
    return options;
}

SaverSettings SettingsOf(std::vector<std::string> arguments) {
    const std::optional<ModuleOptions> options = Parse(std::move(arguments));
    EXPECT_TRUE(options.has_value());
    FakeColourNames colours;
    SaverSettings settings;
    std::string error;
    EXPECT_TRUE(ModuleSettings(options.value_or(ModuleOptions{}), colours, settings, error)) << error;
    return settings;
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

TEST(ModuleOptions, WrongArgumentsAreRefusedWithTheReason) {
    const struct {
        std::vector<std::string> arguments;
        std::string reason;
    } cases[] = {
        {{"-spin"}, "unknown option '-spin'"},
        {{"---root"}, "unknown option '---root'"},
        {{"root"}, "unexpected argument 'root'"},
        {{"-font"}, "option '-font' needs a value"},
        {{"-animation", "spin"}, "bad value 'spin' for option '-animation'"},
        {{"-randomness", "11"}, "bad value '11' for option '-randomness'"},
        {{"-randomness", "-1"}, "bad value '-1' for option '-randomness'"},
        {{"-randomness", "5x"}, "bad value '5x' for option '-randomness'"},
        {{"-clock", "13"}, "bad value '13' for option '-clock'"},
        {{"-lines", "cpu,disk"}, "bad value 'cpu,disk' for option '-lines'"},
        {{"-lines", " , "}, "bad value ' , ' for option '-lines'"},
        {{"-window-id", "0"}, "bad value '0' for option '-window-id'"},
        {{"-window-id", "0x"}, "bad value '0x' for option '-window-id'"},
        {{"-window-id", "0x100000000"}, "bad value '0x100000000' for option '-window-id'"},
        {{"-window-id", "window"}, "bad value 'window' for option '-window-id'"},
        {{"-font", "Sans-0"}, "bad value 'Sans-0' for option '-font'"},
        {{"-font", "Sans-2161"}, "bad value 'Sans-2161' for option '-font'"},
        {{"-font", "-12"}, "bad value '-12' for option '-font'"},
        {{"-font", "Sans:heavy"}, "bad value 'Sans:heavy' for option '-font'"},
        {{"-font", std::string(32, 'F')}, "bad value '" + std::string(32, 'F') + "' for option '-font'"},
        {{"-fg", ""}, "bad value '' for option '-fg'"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(Parse(c.arguments, &error).has_value()) << c.reason;
        EXPECT_EQ(error, c.reason);
    }
    EXPECT_TRUE(Parse({"-font", std::string(31, 'F') + "-9"}).has_value());
    EXPECT_NE(ModuleUsage().find("usage: kelvor [-root | -window | -window-id ID]"), std::string::npos);
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
        TargetChoice choice{ModuleTarget::Root, 99};
        std::string error;
        ASSERT_TRUE(ChooseTarget(*Parse(c.arguments), c.environment, choice, error));
        EXPECT_EQ(choice.target, c.target);
        EXPECT_EQ(choice.windowId, c.windowId);
    }
    TargetChoice choice;
    std::string error;
    EXPECT_FALSE(ChooseTarget(*Parse({"-root"}), "0xzz", choice, error));
    EXPECT_EQ(error, "XSCREENSAVER_WINDOW holds no window id: '0xzz'");
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
}

TEST(ModuleSettings, AColourTheDisplayDoesNotKnowIsRefused) {
    FakeColourNames colours;
    SaverSettings settings;
    std::string error;
    EXPECT_FALSE(ModuleSettings(*Parse({"-bg", "no such colour"}), colours, settings, error));
    EXPECT_EQ(error, "unknown colour 'no such colour'");
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
