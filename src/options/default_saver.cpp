#include "options/default_saver.h"

#include <algorithm>
#include <cctype>

#include "settings/registry_helpers.h"
#include "settings/saver_settings.h"

namespace kelvor {
namespace {

std::string LowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

DefaultSaverState ReadDefaultSaver(Registry& registry) {
    DefaultSaverState state;
    const bool read =
        ReadRegString(registry, kDefaultUserRoot, kDefaultUserDesktopSubkey, kDefaultSaverValue, state.saver);
    state.isThisSaver = read && LowerCase(state.saver) == kSaverFileName;
    return state;
}

bool TakeDefaultSaverRole(Registry& registry, const std::string& previous) {
    const bool kept = WriteRegString(registry, kSettingsRoot, kSettingsSubkey, kOldDefaultSaverValue, previous);
    const bool taken =
        WriteRegString(registry, kDefaultUserRoot, kDefaultUserDesktopSubkey, kDefaultSaverValue, kSaverFileName);
    return kept && taken;
}

bool GiveBackDefaultSaverRole(Registry& registry, std::string& previous) {
    if (!ReadRegString(registry, kSettingsRoot, kSettingsSubkey, kOldDefaultSaverValue, previous))
        previous = kFallbackDefaultSaver;
    return WriteRegString(registry, kDefaultUserRoot, kDefaultUserDesktopSubkey, kDefaultSaverValue, previous);
}

}  // namespace kelvor
