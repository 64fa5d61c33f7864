#pragma once
// Every user choice of the saver, its registry home and its defaults, and the two operations that
// move it between memory and the registry.

#include <cstdint>
#include <string>

#include "settings/registry.h"

namespace kelvor {

inline constexpr char kApplicationTitle[] = "Kelvor Screen Saver";
// The settings live under HKEY_LOCAL_MACHINE: they are the same for every user of the computer.
inline constexpr RegistryRoot kSettingsRoot = RegistryRoot::LocalMachine;
inline const std::string kSettingsSubkey = std::string("Software\\") + kApplicationTitle + "\\Settings";

// "FontSettings" bits.
inline constexpr int32_t kFontBoldBit = 1;
inline constexpr int32_t kFontItalicBit = 2;
inline constexpr int32_t kFontStrikethruBit = 4;
inline constexpr int32_t kFontUnderlineBit = 8;

// `DisplayItems` bits, one per information line.
inline constexpr uint8_t kShowComputerName = 1;
inline constexpr uint8_t kShowCurrentTime = 2;
inline constexpr uint8_t kShowUptime = 4;
inline constexpr uint8_t kShowStartTime = 8;
inline constexpr uint8_t kShowMemory = 16;
inline constexpr uint8_t kShowCpu = 32;
inline constexpr uint8_t kShowNetwork = 64;
inline constexpr uint8_t kShowDescription = 128;

// The information lines in the order of the options dialog's check boxes, each with its bit and the
// box's caption: box i is bit i.
struct DisplayItem {
    uint8_t bit;
    const char* caption;
};
inline constexpr DisplayItem kDisplayItems[] = {
    {kShowComputerName, "Computer Name"}, {kShowCurrentTime, "Current Time"}, {kShowUptime, "Computer Uptime"},
    {kShowStartTime, "Computer Start Time"}, {kShowMemory, "Memory Usage"},   {kShowCpu, "CPU Usage"},
    {kShowNetwork, "Network Activity"},   {kShowDescription, "Description"},
};
// The box of the description line, which also enables the description's text box.
inline constexpr int kDescriptionBox = 7;
static_assert(kDisplayItems[kDescriptionBox].bit == kShowDescription);

// `ExtraItems` bits: the lines added after `DisplayItems` had no bit left.
inline constexpr uint8_t kShowAddress = 1;
inline constexpr uint8_t kShowSystem = 2;
inline constexpr uint8_t kAllExtraItems = kShowAddress | kShowSystem;

// The extra lines in the order of their check boxes, beside the ones above: box i is bit i. Unlike
// those, their captions carry access keys.
inline constexpr DisplayItem kExtraItems[] = {{kShowAddress, "&IP Address"}, {kShowSystem, "&System Version"}};

// `MouseSettings` bits (honoured on the 9x family only).
inline constexpr uint8_t kIgnoreMouseMoves = 1;
inline constexpr uint8_t kIgnoreMouseClicks = 2;

// `TimeFormat` bit: the 24-hour clock.
inline constexpr uint8_t kTime24Hour = 1;

// Before loading, every field is empty, zero or false.
struct SaverSettings {
    std::string FontName;
    int16_t FontSize = 0;
    int32_t FontColour = 0;  // RGB, red in the lowest byte
    int32_t BgColour = 0;
    bool FontBold = false;
    bool FontItalic = false;
    bool FontStrikethru = false;
    bool FontUnderline = false;
    uint8_t DisplayItems = 0;
    std::string Descr;
    uint8_t MouseSettings = 0;
    int16_t MoveOption = 0;
    int16_t MoveEBRandom = 0;
    uint8_t TimeFormat = 0;
    uint8_t ExtraItems = 0;

    bool operator==(const SaverSettings&) const = default;
};

// Fills every field from the settings key, taking the default for each value that cannot be read.
// "Descr" is read only when the loaded `DisplayItems` shows the description. A stored number that
// does not fit its field raises run-time error 6 "Overflow": the fields before it are loaded, it and
// the ones after keep what they held. "ExtraItems" outside 0 to 3 loads as 0.
void LoadSettings(Registry& registry, SaverSettings& settings);

// What LoadSettings gives when nothing is stored: the settings of a fresh installation, for a
// display that has no registry.
SaverSettings DefaultSettings();

// Writes every field to the settings key, creating it when missing. A failed write does not stop the
// ones after it; the result is true only when every write succeeded.
bool SaveSettings(Registry& registry, const SaverSettings& settings);

}  // namespace kelvor
