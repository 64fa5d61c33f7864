#include "settings/saver_settings.h"

#include "common/rounding.h"
#include "settings/registry_helpers.h"

namespace kelvor {
namespace {

std::string ReadString(Registry& registry, const char* name, const std::string& fallback) {
    std::string text;
    return ReadRegString(registry, kSettingsRoot, kSettingsSubkey, name, text) ? text : fallback;
}

int32_t ReadNumber(Registry& registry, const char* name, int32_t fallback) {
    int32_t number = 0;
    return ReadRegNumber(registry, kSettingsRoot, kSettingsSubkey, name, number) ? number : fallback;
}

// A registry without the settings key: every read falls back to its default.
class NothingStored final : public Registry {
public:
    int32_t OpenKey(RegistryRoot, const std::string&, RegistryKeyHandle&) override { return kErrorFileNotFound; }
    int32_t CreateKey(RegistryRoot, const std::string&, RegistryKeyHandle&) override { return kErrorAccessDenied; }
    int32_t QueryValue(RegistryKeyHandle, const std::string&, uint32_t&, std::vector<uint8_t>&, uint32_t&) override {
        return kErrorFileNotFound;
    }
    int32_t SetValue(RegistryKeyHandle, const std::string&, uint32_t, const std::vector<uint8_t>&) override {
        return kErrorAccessDenied;
    }
    int32_t CloseKey(RegistryKeyHandle) override { return kErrorSuccess; }
};

}  // namespace

SaverSettings DefaultSettings() {
    NothingStored registry;
    SaverSettings settings;
    LoadSettings(registry, settings);
    return settings;
}

void LoadSettings(Registry& registry, SaverSettings& settings) {
    settings.FontName = ReadString(registry, "FontName", "Verdana");
    settings.FontSize = NarrowToInt16(ReadNumber(registry, "FontSize", 10));
    settings.FontColour = ReadNumber(registry, "FontColour", 16777215);
    settings.BgColour = ReadNumber(registry, "BgColour", 0);

    const int32_t styles = ReadNumber(registry, "FontSettings", 0);
    settings.FontBold = (styles & kFontBoldBit) != 0;
    settings.FontItalic = (styles & kFontItalicBit) != 0;
    settings.FontStrikethru = (styles & kFontStrikethruBit) != 0;
    settings.FontUnderline = (styles & kFontUnderlineBit) != 0;

    settings.DisplayItems = NarrowToByte(ReadNumber(registry, "DisplayItems", 127));
    // A hidden description is not read: the field keeps what it held.
    if ((settings.DisplayItems & kShowDescription) != 0) settings.Descr = ReadString(registry, "Descr", "");
    settings.MouseSettings = NarrowToByte(ReadNumber(registry, "MouseSettings", 0));
    settings.MoveOption = NarrowToInt16(ReadNumber(registry, "MoveOption", 2));
    settings.MoveEBRandom = NarrowToInt16(ReadNumber(registry, "MoveEBRandom", 2));
    settings.TimeFormat = NarrowToByte(ReadNumber(registry, "TimeFormat", 0));
    // A value with bits no line has is not ours: it shows none of the extra lines.
    const int32_t extra = ReadNumber(registry, "ExtraItems", 0);
    settings.ExtraItems = extra >= 0 && extra <= kAllExtraItems ? static_cast<uint8_t>(extra) : 0;
}

bool SaveSettings(Registry& registry, const SaverSettings& settings) {
    bool allWritten = true;
    const auto writeString = [&](const char* name, const std::string& text) {
        if (!WriteRegString(registry, kSettingsRoot, kSettingsSubkey, name, text)) allWritten = false;
    };
    const auto writeNumber = [&](const char* name, int32_t value) {
        if (!WriteRegNumber(registry, kSettingsRoot, kSettingsSubkey, name, value)) allWritten = false;
    };

    const int32_t styles = (settings.FontBold ? kFontBoldBit : 0) | (settings.FontItalic ? kFontItalicBit : 0) |
                           (settings.FontStrikethru ? kFontStrikethruBit : 0) |
                           (settings.FontUnderline ? kFontUnderlineBit : 0);

    writeString("FontName", settings.FontName);
    writeNumber("FontSize", settings.FontSize);
    writeNumber("FontColour", settings.FontColour);
    writeNumber("BgColour", settings.BgColour);
    writeNumber("FontSettings", styles);
    writeNumber("DisplayItems", settings.DisplayItems);
    // A hidden description is saved empty, clearing the stored one.
    writeString("Descr", (settings.DisplayItems & kShowDescription) != 0 ? settings.Descr : std::string());
    writeNumber("MouseSettings", settings.MouseSettings);
    writeNumber("MoveOption", settings.MoveOption);
    writeNumber("MoveEBRandom", settings.MoveEBRandom);
    writeNumber("TimeFormat", settings.TimeFormat);
    writeNumber("ExtraItems", settings.ExtraItems);
    return allWritten;
}

}  // namespace kelvor
