#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "common/run_time_error.h"
#include "fakes/fake_registry.h"
#include "settings/saver_settings.h"

namespace kelvor {
namespace {

// A record unlike the defaults in every field, to see which fields a load changed.
SaverSettings Distinct() {
    SaverSettings settings;
    settings.FontName = "Courier";
    settings.FontSize = 31;
    settings.FontColour = 0x123456;
    settings.BgColour = 0x654321;
    settings.FontBold = true;
    settings.FontStrikethru = true;
    settings.DisplayItems = 0x81;
    settings.Descr = "my machine";
    settings.MouseSettings = 3;
    settings.MoveOption = 4;
    settings.MoveEBRandom = 9;
    settings.TimeFormat = 1;
    settings.ExtraItems = 2;
    return settings;
}

class Settings : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(registry.OpenHandleCount(), 0u); }

    void StoreNumber(const std::string& name, int32_t value) {
        registry.SetNumber(kSettingsRoot, kSettingsSubkey, name, value);
    }
    void StoreString(const std::string& name, const std::string& text) {
        registry.SetString(kSettingsRoot, kSettingsSubkey, name, text);
    }
    bool Queried(const std::string& name) const {
        for (const FakeRegistry::Call& call : registry.Calls())
            if (call.operation == FakeRegistry::Operation::Query && call.name == name) return true;
        return false;
    }
    void ExpectOverflowOnLoad(SaverSettings& settings) {
        try {
            LoadSettings(registry, settings);
            ADD_FAILURE() << "no overflow raised";
        } catch (const RunTimeError& error) {
            EXPECT_EQ(error.Number(), kErrOverflow);
            EXPECT_EQ(error.Description(), "Overflow");
        }
    }

    FakeRegistry registry;
};

TEST_F(Settings, KeyLivesUnderHklmAndTheApplicationTitle) {
    EXPECT_EQ(kSettingsSubkey, "Software\\Kelvor Screen Saver\\Settings");
    EXPECT_EQ(kSettingsRoot, RegistryRoot::LocalMachine);
}

TEST_F(Settings, NoKeyGivesEveryDefaultAndWritesNothing) {
    SaverSettings settings;
    LoadSettings(registry, settings);
    const SaverSettings expected{"Verdana", 10, 16777215, 0, false, false, false, false, 127, "", 0, 2, 2, 0};
    EXPECT_EQ(settings, expected);
    EXPECT_FALSE(registry.KeyExists(kSettingsRoot, kSettingsSubkey));
    for (const FakeRegistry::Call& call : registry.Calls()) {
        EXPECT_NE(call.operation, FakeRegistry::Operation::Create);
        EXPECT_NE(call.operation, FakeRegistry::Operation::Set);
    }
}

TEST_F(Settings, DefaultsAreWhatAnEmptyRegistryLoadsIntoFreshSettings) {
    SaverSettings loaded;
    LoadSettings(registry, loaded);
    EXPECT_EQ(DefaultSettings(), loaded);
}

TEST_F(Settings, SaveAndLoadRoundTripInOrder) {
    SaverSettings saved = Distinct();
    saved.FontSize = -1;
    saved.FontItalic = true;
    saved.FontUnderline = true;
    saved.DisplayItems = 255;
    saved.ExtraItems = 3;
    const std::vector<std::string> order{"FontName",     "FontSize",     "FontColour", "BgColour",
                                         "FontSettings", "DisplayItems", "Descr",      "MouseSettings",
                                         "MoveOption",   "MoveEBRandom", "TimeFormat", "ExtraItems"};
    ASSERT_TRUE(SaveSettings(registry, saved));
    EXPECT_EQ(registry.WrittenNames(), order);
    EXPECT_EQ(registry.GetRaw(kSettingsRoot, kSettingsSubkey, "FontSize"),
              (FakeRegistry::RawValue{kRegDword, {0xFF, 0xFF, 0xFF, 0xFF}}));
    EXPECT_EQ(registry.GetNumber(kSettingsRoot, kSettingsSubkey, "FontSettings"), 15);

    // Loading reads the same values in the same order, opening and closing the key for each.
    registry.ClearCalls();
    SaverSettings loaded;
    LoadSettings(registry, loaded);
    EXPECT_EQ(loaded, saved);
    std::vector<std::string> reads;
    const std::vector<FakeRegistry::Call>& calls = registry.Calls();
    for (size_t i = 0; i + 2 < calls.size(); i += 3) {
        EXPECT_EQ(calls[i].operation, FakeRegistry::Operation::Open);
        EXPECT_EQ(calls[i + 2].operation, FakeRegistry::Operation::Close);
        reads.push_back(calls[i + 1].name);
    }
    EXPECT_EQ(calls.size(), 36u);
    EXPECT_EQ(reads, order);
}

TEST_F(Settings, StyleBitsAboveTheFourthAreIgnored) {
    StoreNumber("FontSettings", 31);
    SaverSettings settings;
    LoadSettings(registry, settings);
    EXPECT_TRUE(settings.FontBold && settings.FontItalic && settings.FontStrikethru && settings.FontUnderline);

    StoreNumber("FontSettings", 16 + 4 + 1);
    LoadSettings(registry, settings);
    EXPECT_TRUE(settings.FontBold);
    EXPECT_FALSE(settings.FontItalic);
    EXPECT_TRUE(settings.FontStrikethru);
    EXPECT_FALSE(settings.FontUnderline);
}

TEST_F(Settings, NumberTooWideForItsFieldStopsTheLoad) {
    StoreString("FontName", "Arial");
    StoreNumber("FontSize", 12);
    StoreNumber("FontColour", 255);
    StoreNumber("FontSettings", 8);
    StoreNumber("DisplayItems", 256);
    StoreNumber("MoveOption", 1);
    SaverSettings settings = Distinct();
    ExpectOverflowOnLoad(settings);

    SaverSettings expected = Distinct();
    expected.FontName = "Arial";
    expected.FontSize = 12;
    expected.FontColour = 255;
    expected.BgColour = 0;
    expected.FontBold = expected.FontItalic = expected.FontStrikethru = false;
    expected.FontUnderline = true;
    EXPECT_EQ(settings, expected);

    StoreNumber("DisplayItems", 255);
    StoreNumber("FontSize", 40000);
    settings = Distinct();
    ExpectOverflowOnLoad(settings);
    expected = Distinct();
    expected.FontName = "Arial";
    EXPECT_EQ(settings, expected);

    StoreNumber("FontSize", 12);
    StoreNumber("MoveOption", 7);
    LoadSettings(registry, settings);
    EXPECT_EQ(settings.DisplayItems, 255);
    EXPECT_EQ(settings.MoveOption, 7);
}

TEST_F(Settings, DescriptionFollowsItsDisplayBit) {
    StoreString("Descr", "stored text");
    StoreNumber("DisplayItems", 127);
    SaverSettings settings = Distinct();
    LoadSettings(registry, settings);
    EXPECT_FALSE(Queried("Descr"));
    EXPECT_EQ(settings.Descr, "my machine");

    // Saving with the line hidden clears the stored description.
    settings.DisplayItems = 127;
    ASSERT_TRUE(SaveSettings(registry, settings));
    EXPECT_EQ(registry.GetRaw(kSettingsRoot, kSettingsSubkey, "Descr"), (FakeRegistry::RawValue{kRegSz, {0}}));

    StoreString("Descr", "stored text");
    StoreNumber("DisplayItems", 128);
    LoadSettings(registry, settings);
    EXPECT_EQ(settings.Descr, "stored text");
}

TEST_F(Settings, ExtraItemsOutsideZeroToThreeLoadAsNone) {
    SaverSettings settings = Distinct();
    LoadSettings(registry, settings);
    EXPECT_EQ(settings.ExtraItems, 0);  // missing

    for (const int32_t stored : {0, 1, 2, 3}) {
        StoreNumber("ExtraItems", stored);
        LoadSettings(registry, settings);
        EXPECT_EQ(settings.ExtraItems, stored);
    }
    // Neither clamped nor masked, and no overflow: the value is simply not one of ours.
    for (const int32_t stored : {4, 5, 256, -1, INT32_MIN}) {
        StoreNumber("ExtraItems", stored);
        settings.ExtraItems = 3;
        EXPECT_NO_THROW(LoadSettings(registry, settings)) << stored;
        EXPECT_EQ(settings.ExtraItems, 0) << stored;
    }
    StoreString("ExtraItems", "3");
    LoadSettings(registry, settings);
    EXPECT_EQ(settings.ExtraItems, 0);
}

TEST_F(Settings, UnreadableValuesGiveDefaultsButEmptyTextIsRead) {
    StoreString("FontSize", "12");
    StoreString("FontName", "");
    SaverSettings settings;
    LoadSettings(registry, settings);
    EXPECT_EQ(settings.FontSize, 10);
    EXPECT_EQ(settings.FontName, "");
}

TEST_F(Settings, SaveGoesOnPastFailedWritesAndReportsThem) {
    registry.FailSetValue("FontColour");
    EXPECT_FALSE(SaveSettings(registry, Distinct()));
    EXPECT_EQ(registry.WrittenNames().size(), 12u);
    EXPECT_FALSE(registry.GetRaw(kSettingsRoot, kSettingsSubkey, "FontColour").has_value());
    EXPECT_EQ(registry.GetNumber(kSettingsRoot, kSettingsSubkey, "TimeFormat"), 1);

    FakeRegistry locked;
    locked.SetReadOnly(kSettingsRoot, true);
    EXPECT_FALSE(SaveSettings(locked, Distinct()));
    size_t creates = 0;
    for (const FakeRegistry::Call& call : locked.Calls())
        if (call.operation == FakeRegistry::Operation::Create) ++creates;
    EXPECT_EQ(creates, 12u);
    EXPECT_EQ(locked.OpenHandleCount(), 0u);
}

}  // namespace
}  // namespace kelvor
