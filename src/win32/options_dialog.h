#pragma once
// The entry point of the options mode ("/C" or no switch).

#include <cstdint>
#include <string>

#include "common/windows_family.h"
#include "settings/registry.h"
#include "settings/saver_settings.h"

namespace kelvor::win32 {

// Shows the options dialog for the loaded `settings` (modeless, no owner) and runs its messages
// until it closes, by OK, Cancel, the close box or a failed load. `instance` is the program's
// module (HINSTANCE); `family` decides the options of the NT family; `commandLine` is the arguments only. OK
// changes `settings` and writes them through `registry`. Returns the program's exit code: 0, or the
// code of a quit request, such as the 1 of an untrapped error.
int RunOptionsDialog(void* instance, SaverSettings& settings, WindowsFamily family, Registry& registry,
                     const std::string& commandLine);

}  // namespace kelvor::win32
