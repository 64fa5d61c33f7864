#include "win32/win_password_services.h"

#include <utility>

#include "password/password_forms.h"
#include "win32/form_dialog.h"

namespace kelvor::win32 {

std::unique_ptr<PasswordServices> CreatePasswordServices(Registry& registry) {
    if (std::unique_ptr<PasswordServices> system = Win9xPasswordServices::Load()) return system;
    return std::make_unique<OwnPasswordServices>(registry);
}

std::unique_ptr<Win9xPasswordServices> Win9xPasswordServices::Load() {
    LoadedModule passwordCpl(api::VerifyScreenSavePwd.library);
    const VerifyFunction verify = passwordCpl.Find(api::VerifyScreenSavePwd);
    if (verify == nullptr) return nullptr;
    return std::make_unique<Win9xPasswordServices>(std::move(passwordCpl), verify);
}

Win9xPasswordServices::Win9xPasswordServices(LoadedModule passwordCpl, VerifyFunction verify)
    : passwordCpl_(std::move(passwordCpl)),
      mpr_(api::PwdChangePassword.library),
      verify_(verify),
      change_(mpr_.Find(api::PwdChangePassword)) {}

bool Win9xPasswordServices::VerifyScreenSavePassword(intptr_t window) {
    // Only the low 16 bits of the service's answer carry the result.
    return (static_cast<uint32_t>(verify_(reinterpret_cast<HWND>(window))) & 0xFFFFu) != 0;
}

void Win9xPasswordServices::ChangePassword(intptr_t parentWindow) {
    if (change_ != nullptr) change_("SCRSAVE", reinterpret_cast<HWND>(parentWindow), 0, 0);
}

OwnPasswordServices::OwnPasswordServices(Registry& registry) : store_(registry, salts_) {}

bool OwnPasswordServices::VerifyScreenSavePassword(intptr_t window) {
    if (store_.State() == StoredPassword::None) return true;
    PasswordPromptForm prompt(store_, store_.State() != StoredPassword::Unreadable);
    return RunFormDialog(reinterpret_cast<HWND>(window), prompt);
}

void OwnPasswordServices::ChangePassword(intptr_t parentWindow) {
    PasswordChangeForm change(store_);
    RunFormDialog(reinterpret_cast<HWND>(parentWindow), change);
}

}  // namespace kelvor::win32
