#pragma once
// Chooses the screen-saver password services for this system.

#include <memory>

#include "host/password_services.h"
#include "settings/registry.h"

namespace kelvor::win32 {

// The system's services when password.cpl loads and exports VerifyScreenSavePwd (the 9x family);
// otherwise the program's own stand-in for both the check and the change, kept in `registry`, which
// must outlive the result.
std::unique_ptr<PasswordServices> CreatePasswordServices(Registry& registry);

}  // namespace kelvor::win32
