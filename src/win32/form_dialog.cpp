#include "win32/form_dialog.h"

#include <exception>

#include "win32/dialog_template.h"
#include "win32/window_procedure.h"
#include "win32/window_text.h"

namespace kelvor::win32 {

namespace {

class FormDialog final : public FormView {
public:
    explicit FormDialog(PasswordForm& form) : form_(form), description_(form.Describe()) {}

    bool Run(HWND owner) {
        // A handle given on a command line may name no window (any more); the dialog then has no owner.
        const HWND validOwner = owner != nullptr && IsWindow(owner) ? owner : nullptr;
        DialogTemplate layout(description_.title, DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                              description_.topmost ? WS_EX_TOPMOST : 0, description_.width, description_.height);
        for (const FormItem& item : description_.items) AddItem(layout, item);
        const INT_PTR result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), layout.Get(), validOwner,
                                                       &DialogProcedureOf<FormDialog>, reinterpret_cast<LPARAM>(this));
        if (failure_) std::rethrow_exception(failure_);
        return result == TRUE;
    }

    INT_PTR Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM) {
        try {
            if (message == WM_INITDIALOG) {
                window_ = window;
                Opened();
                return FALSE;  // the form has put the focus
            }
            // Buttons, Enter and Esc; the edit boxes' notifications are of no interest.
            if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return FALSE;
            form_.Pressed(*this, LOWORD(wParam));
            return TRUE;
        } catch (...) {
            failure_ = std::current_exception();
            EndDialog(window, -1);
            return TRUE;
        }
    }

    std::string Text(int id) override { return WindowText(GetDlgItem(window_, id)); }
    void SetText(int id, const std::string& text) override { SetDlgItemTextA(window_, id, text.c_str()); }
    void Focus(int id) override { SetFocus(GetDlgItem(window_, id)); }
    void Enable(int id, bool enabled) override { EnableWindow(GetDlgItem(window_, id), enabled ? TRUE : FALSE); }
    void SetWaitPointer(bool waiting) override {
        if (waiting) {
            previousPointer_ = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
        } else {
            SetCursor(previousPointer_);
        }
    }
    void ShowMessage(const std::string& text, const std::string& title) override {
        MessageBoxA(window_, text.c_str(), title.c_str(), MB_OK | MB_ICONEXCLAMATION);
    }
    void End(bool accepted) override { EndDialog(window_, accepted ? TRUE : FALSE); }

private:
    static void AddItem(DialogTemplate& layout, const FormItem& item) {
        switch (item.kind) {
            case FormItemKind::Text:
                layout.AddStatic(item.id, item.text, item.x, item.y, item.width, item.height);
                break;
            case FormItemKind::PasswordBox:
                layout.AddPasswordEdit(item.id, item.x, item.y, item.width, item.height);
                break;
            case FormItemKind::Button:
            case FormItemKind::DefaultButton:
                layout.AddButton(item.id, item.text, item.kind == FormItemKind::DefaultButton, item.x, item.y,
                                 item.width, item.height);
                break;
        }
    }

    void Opened() {
        // Over a topmost full-screen saver the dialog must itself be topmost, and in front.
        if (description_.topmost) SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SetForegroundWindow(window_);
        for (const FormItem& item : description_.items)
            if (item.kind == FormItemKind::PasswordBox)
                SendDlgItemMessageA(window_, item.id, EM_LIMITTEXT, kMaxPasswordLength, 0);
        form_.Opened(*this);
    }

    PasswordForm& form_;
    const FormDescription description_;
    HWND window_ = nullptr;
    HCURSOR previousPointer_ = nullptr;
    std::exception_ptr failure_;
};

}  // namespace

bool RunFormDialog(HWND owner, PasswordForm& form) {
    FormDialog dialog(form);
    return dialog.Run(owner);
}

}  // namespace kelvor::win32
