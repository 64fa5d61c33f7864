#pragma once
// The program's own screen-saver password prompt: a small topmost dialog over the running saver.

#include <windows.h>

#include "password/password_store.h"

namespace kelvor::win32 {

// Asks for the password over `owner` and checks it against the store. True only for the right
// password; a wrong one or Cancel closes the prompt with false.
bool AskForScreenSaverPassword(HWND owner, PasswordStore& store);

}  // namespace kelvor::win32
