#pragma once
// What the program's own password prompt and password-change dialog say.

#include <string_view>

#include "password/password_store.h"

namespace kelvor {

inline constexpr char kPasswordChangeTitle[] = "Change Password";
inline constexpr char kPasswordPromptLabel[] = "Type your screen saver password:";
inline constexpr char kPasswordUnreadablePromptLabel[] =
    "The saved screen saver password cannot be read, so no password can end the screen saver. Restart the "
    "computer and set a new password in the screen saver's settings.";
inline constexpr char kOldPasswordLabel[] = "&Old password:";
inline constexpr char kNewPasswordLabel[] = "&New password:";
inline constexpr char kConfirmPasswordLabel[] = "&Confirm new password:";
inline constexpr char kPasswordUnreadableChangeNote[] =
    "The saved password cannot be read. Type a new password to replace it.";

// The message shown after an unsuccessful change; empty for a successful one.
std::string_view PasswordChangeMessage(PasswordChange result);

}  // namespace kelvor
