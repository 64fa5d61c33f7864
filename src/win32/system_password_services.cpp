#include "win32/system_password_services.h"

#include <utility>

namespace kelvor::win32 {

std::unique_ptr<SystemPasswordServices> SystemPasswordServices::Load() {
    LoadedModule passwordCpl("password.cpl");
    const VerifyFunction verify = passwordCpl.Find(api::VerifyScreenSavePwd);
    if (verify == nullptr) return nullptr;
    return std::make_unique<SystemPasswordServices>(std::move(passwordCpl), verify);
}

SystemPasswordServices::SystemPasswordServices(LoadedModule passwordCpl, VerifyFunction verify)
    : passwordCpl_(std::move(passwordCpl)),
      mpr_("mpr.dll"),
      verify_(verify),
      change_(mpr_.Find(api::PwdChangePassword)) {}

bool SystemPasswordServices::VerifyScreenSavePassword(intptr_t window) {
    // Only the low 16 bits of the service's answer carry the result.
    return (static_cast<uint32_t>(verify_(reinterpret_cast<HWND>(window))) & 0xFFFFu) != 0;
}

void SystemPasswordServices::ChangePassword(intptr_t parentWindow) {
    if (change_ != nullptr) change_("SCRSAVE", reinterpret_cast<HWND>(parentWindow), 0, 0);
}

}  // namespace kelvor::win32
