#pragma once
// The program's own stand-in for the 9x password services, for systems that lack password.cpl: the
// password is kept as a salted PBKDF2 record in the current user's registry, set with the program's
// change dialog and asked for with its prompt.

#include "host/password_services.h"
#include "password/password_store.h"
#include "settings/registry.h"
#include "win32/system_salt_source.h"

namespace kelvor::win32 {

class OwnPasswordServices final : public PasswordServices {
public:
    // The registry must outlive the services.
    explicit OwnPasswordServices(Registry& registry);

    // Without a stored password the empty one is the password, so there is nothing to ask and the
    // answer is true at once; otherwise the prompt decides.
    bool VerifyScreenSavePassword(intptr_t window) override;
    void ChangePassword(intptr_t parentWindow) override;

private:
    SystemSaltSource salts_;
    PasswordStore store_;
};

}  // namespace kelvor::win32
