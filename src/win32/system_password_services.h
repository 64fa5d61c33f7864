#pragma once
// The 9x family's own screen-saver password services: VerifyScreenSavePwd from password.cpl for the
// check and PwdChangePasswordA from mpr for the change, both looked up at run time.

#include <windows.h>

#include <memory>

#include "host/password_services.h"
#include "win32/loaded_module.h"

namespace kelvor::win32 {

class SystemPasswordServices final : public PasswordServices {
public:
    using VerifyFunction = LateBoundPointer<api::VerifyScreenSavePwd>;

    // The services, or nullptr when password.cpl cannot be loaded or does not export the check.
    static std::unique_ptr<SystemPasswordServices> Load();
    // `verify` is the check found in `passwordCpl`, never nullptr.
    SystemPasswordServices(LoadedModule passwordCpl, VerifyFunction verify);

    bool VerifyScreenSavePassword(intptr_t window) override;
    // Does nothing where mpr lacks PwdChangePasswordA; the service's own result is not used.
    void ChangePassword(intptr_t parentWindow) override;

private:
    LoadedModule passwordCpl_;
    LoadedModule mpr_;
    VerifyFunction verify_;
    LateBoundPointer<api::PwdChangePassword> change_;
};

}  // namespace kelvor::win32
