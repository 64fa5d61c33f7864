#pragma once
// The screen-saver password services on Windows: the 9x family's own (VerifyScreenSavePwd from
// password.cpl for the check, PwdChangePasswordA from mpr for the change, both looked up at run
// time) where password.cpl offers them; elsewhere the program's stand-in, which keeps the password
// as a salted PBKDF2 record in the current user's registry, sets it with the program's change
// dialog and asks for it with its prompt.

#include <windows.h>

#include <memory>

#include "host/password_services.h"
#include "password/password_store.h"
#include "settings/registry.h"
#include "win32/loaded_module.h"
#include "win32/win_salt_source.h"

namespace kelvor::win32 {

// The system's services when password.cpl loads and exports the check; otherwise the program's own,
// kept in `registry`, which must outlive the result.
std::unique_ptr<PasswordServices> CreatePasswordServices(Registry& registry);

class Win9xPasswordServices final : public PasswordServices {
public:
    using VerifyFunction = LateBoundPointer<api::VerifyScreenSavePwd>;

    // The services, or nullptr when password.cpl cannot be loaded or does not export the check.
    static std::unique_ptr<Win9xPasswordServices> Load();
    // `verify` is the check found in `passwordCpl`, never nullptr.
    Win9xPasswordServices(LoadedModule passwordCpl, VerifyFunction verify);

    bool VerifyScreenSavePassword(intptr_t window) override;
    // Does nothing where mpr lacks PwdChangePasswordA; the service's own result is not used.
    void ChangePassword(intptr_t parentWindow) override;

private:
    LoadedModule passwordCpl_;
    LoadedModule mpr_;
    VerifyFunction verify_;
    LateBoundPointer<api::PwdChangePassword> change_;
};

class OwnPasswordServices final : public PasswordServices {
public:
    // The registry must outlive the services.
    explicit OwnPasswordServices(Registry& registry);

    // Without a stored password the empty one is the password, so there is nothing to ask and the
    // answer is true at once; otherwise the prompt decides.
    bool VerifyScreenSavePassword(intptr_t window) override;
    void ChangePassword(intptr_t parentWindow) override;

private:
    WinSaltSource salts_;
    PasswordStore store_;
};

}  // namespace kelvor::win32
