#pragma once
// The program's own dialog for setting or changing the screen-saver password: old, new, confirm.

#include <windows.h>

#include "password/password_store.h"

namespace kelvor::win32 {

// Runs the dialog over `parent` until the password is changed (true) or the user cancels (false).
// A wrong old password or a mismatch is explained in a message box and the dialog stays open.
bool ChangeScreenSaverPassword(HWND parent, PasswordStore& store);

}  // namespace kelvor::win32
