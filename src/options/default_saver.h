#pragma once
// The all-users default screen saver of the NT family: the default user's "SCRNSAVE.EXE", which the
// options dialog can point at this saver, keeping the one it replaced in "oldDefaultSS" of the
// settings key so that it can be given back.

#include <string>

#include "settings/registry.h"

namespace kelvor {

inline constexpr RegistryRoot kDefaultUserRoot = RegistryRoot::Users;
inline constexpr char kDefaultUserDesktopSubkey[] = ".DEFAULT\\Control Panel\\Desktop";
inline constexpr char kDefaultSaverValue[] = "SCRNSAVE.EXE";
inline constexpr char kOldDefaultSaverValue[] = "oldDefaultSS";
inline constexpr char kSaverFileName[] = "kelvor.scr";
// Given back when the saver that was replaced is not known.
inline constexpr char kFallbackDefaultSaver[] = "Logon.scr";

struct DefaultSaverState {
    // True only for the bare file name of this saver, in any case; a path in front does not count.
    bool isThisSaver = false;
    // The default user's saver, "" when it could not be read.
    std::string saver;
};

DefaultSaverState ReadDefaultSaver(Registry& registry);

// Stores `previous` in "oldDefaultSS", then makes this saver the default user's. True when both
// writes succeeded; a failed first write does not stop the second.
bool TakeDefaultSaverRole(Registry& registry, const std::string& previous);

// Reads "oldDefaultSS" into `previous` ("Logon.scr" when it cannot be read) and makes it the
// default user's saver again. "oldDefaultSS" stays. True when the write succeeded.
bool GiveBackDefaultSaverRole(Registry& registry, std::string& previous);

}  // namespace kelvor
