#pragma once
// A modal dialog run from an in-memory template; its dialog procedure hands commands to the object.
// No exception crosses the procedure: one raised by a handler ends the dialog and is raised again
// once the dialog is gone.

#include <windows.h>

#include <exception>
#include <string>

#include "win32/dialog_template.h"

namespace kelvor::win32 {

class ModalDialog {
public:
    ModalDialog() = default;
    ModalDialog(const ModalDialog&) = delete;
    ModalDialog& operator=(const ModalDialog&) = delete;

    INT_PTR Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    ~ModalDialog() = default;

    // Shows the dialog over `owner` (none when it is not a window) until a handler calls End; gives
    // End's value, or -1 when the dialog could not be created.
    INT_PTR Run(HWND owner, const DialogTemplate& dialogTemplate);

    // Called once the controls exist. Returns true when it has not put the focus anywhere itself.
    virtual bool OnInit() = 0;
    // A button pressed, or Enter (IDOK) or Esc (IDCANCEL).
    virtual void OnCommand(int id) = 0;

    HWND Handle() const { return window_; }
    void End(INT_PTR result) const { EndDialog(window_, result); }
    // The text of a control; the caller wipes it when it held a password.
    std::string ItemText(int id) const;
    void SetItemText(int id, const std::string& text) const { SetDlgItemTextA(window_, id, text.c_str()); }
    void FocusItem(int id) const { SetFocus(GetDlgItem(window_, id)); }

private:
    INT_PTR HandleMessage(UINT message, WPARAM wParam);

    HWND window_ = nullptr;
    std::exception_ptr failure_;
};

}  // namespace kelvor::win32
