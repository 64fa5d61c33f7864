// Feeds arbitrary registry values (any type, any bytes) to both readers and to LoadSettings, and
// checks what the readers must guarantee whatever the data.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "common/run_time_error.h"
#include "fakes/fake_registry.h"
#include "settings/registry_helpers.h"
#include "settings/saver_settings.h"

namespace {

using kelvor::FakeRegistry;

constexpr const char* kNames[] = {"FontName",   "FontSize",      "FontColour", "BgColour",
                                  "FontSettings", "DisplayItems", "Descr",      "MouseSettings",
                                  "MoveOption", "MoveEBRandom",  "TimeFormat"};

void Check(bool condition) {
    if (!condition) std::abort();
}

// Up to 1024 bytes, less one trailing zero byte: what a reader keeps of stored data.
std::vector<uint8_t> Kept(std::vector<uint8_t> data) {
    if (!data.empty() && data.back() == 0) data.pop_back();
    return data;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* input, size_t length) {
    if (length < 2) return 0;
    const uint32_t type = input[0];
    const char* const name = kNames[input[1] % std::size(kNames)];
    const std::vector<uint8_t> data(input + 2, input + length);
    const bool fits = data.size() <= kelvor::kRegistryReadBufferSize;

    FakeRegistry registry;
    registry.SetRaw(kelvor::kSettingsRoot, kelvor::kSettingsSubkey, name, type, data);

    std::string text = "before";
    const bool textRead = kelvor::ReadRegString(registry, kelvor::kSettingsRoot, kelvor::kSettingsSubkey, name, text);
    Check(textRead == fits);
    if (!textRead) Check(text.empty());
    if (fits && type == kelvor::kRegSz) {
        const std::vector<uint8_t> kept = Kept(data);
        Check(text == std::string(kept.begin(), kept.end()));
    }
    if (fits && type != kelvor::kRegSz && type != kelvor::kRegDword) Check(text == "before");

    int32_t number = 12345;
    try {
        const bool numberRead =
            kelvor::ReadRegNumber(registry, kelvor::kSettingsRoot, kelvor::kSettingsSubkey, name, number);
        Check(numberRead == (fits && type == kelvor::kRegDword && !Kept(data).empty()));
        if (!numberRead) Check(number == 12345);
        if (numberRead && data.size() == 4) {
            int32_t stored = 0;
            std::memcpy(&stored, data.data(), 4);
            Check(number == stored);
            Check(text == std::to_string(stored));
        }
    } catch (const kelvor::RunTimeError& error) {
        Check(error.Number() == kelvor::kErrOverflow && type == kelvor::kRegDword && data.size() > 4);
    }
    Check(registry.OpenHandleCount() == 0);

    kelvor::SaverSettings settings;
    try {
        kelvor::LoadSettings(registry, settings);
    } catch (const kelvor::RunTimeError& error) {
        Check(error.Number() == kelvor::kErrOverflow);
    }
    Check(registry.OpenHandleCount() == 0);
    return 0;
}
