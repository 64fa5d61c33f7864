#include "password/password_texts.h"

namespace kelvor {

std::string_view PasswordChangeMessage(PasswordChange result) {
    switch (result) {
        case PasswordChange::Changed: return "";
        case PasswordChange::WrongOldPassword: return "The old password is not correct. Type it again.";
        case PasswordChange::Mismatch:
            return "The new password and its confirmation do not match. Type the new password in both boxes again.";
        case PasswordChange::NotSaved: return "The password could not be saved.";
    }
    return "";
}

}  // namespace kelvor
