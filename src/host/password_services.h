#pragma once
// The screen-saver password of the 9x family: asking for it before the saver closes, and changing
// it for "/A". The system's own services are used where present; elsewhere the program's stand-in.

#include <cstdint>

namespace kelvor {

class PasswordServices {
public:
    virtual ~PasswordServices() = default;
    // Shows the password prompt over the given window; true when the password was given correctly.
    virtual bool VerifyScreenSavePassword(intptr_t window) = 0;
    // Lets the user set or change the password, with the given window as the parent.
    virtual void ChangePassword(intptr_t parentWindow) = 0;
};

}  // namespace kelvor
