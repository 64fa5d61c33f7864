#pragma once
// A form of the program's own dialogs (password/password_forms.h) shown as a modal dialog built in
// memory from the form's description. No exception crosses the dialog procedure: one raised by the
// form ends the dialog and is raised again once the dialog is gone.

#include <windows.h>

#include "password/password_forms.h"

namespace kelvor::win32 {

// Shows the form over `owner` (none when it is not a window) until the form ends it; its result,
// false when the dialog could not be created.
bool RunFormDialog(HWND owner, PasswordForm& form);

}  // namespace kelvor::win32
