#include "win32/own_password_services.h"

#include "win32/password_change_dialog.h"
#include "win32/password_prompt_dialog.h"

namespace kelvor::win32 {

OwnPasswordServices::OwnPasswordServices(Registry& registry) : store_(registry, salts_) {}

bool OwnPasswordServices::VerifyScreenSavePassword(intptr_t window) {
    if (store_.State() == StoredPassword::None) return true;
    return AskForScreenSaverPassword(reinterpret_cast<HWND>(window), store_);
}

void OwnPasswordServices::ChangePassword(intptr_t parentWindow) {
    ChangeScreenSaverPassword(reinterpret_cast<HWND>(parentWindow), store_);
}

}  // namespace kelvor::win32
