#include "win32/modal_dialog.h"

namespace kelvor::win32 {

INT_PTR ModalDialog::Run(HWND owner, const DialogTemplate& dialogTemplate) {
    // A handle given on a command line may name no window (any more); the dialog then has no owner.
    const HWND validOwner = owner != nullptr && IsWindow(owner) ? owner : nullptr;
    failure_ = nullptr;
    const INT_PTR result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), dialogTemplate.Get(), validOwner,
                                                   &ModalDialog::Procedure, reinterpret_cast<LPARAM>(this));
    window_ = nullptr;
    if (failure_) std::rethrow_exception(failure_);
    return result;
}

std::string ModalDialog::ItemText(int id) const {
    const HWND item = GetDlgItem(window_, id);
    std::string text(static_cast<size_t>(GetWindowTextLengthA(item)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(item, text.data(), static_cast<int>(text.size()))));
    return text;
}

INT_PTR CALLBACK ModalDialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        reinterpret_cast<ModalDialog*>(lParam)->window_ = window;
    }
    auto* const dialog = reinterpret_cast<ModalDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    if (dialog == nullptr) return FALSE;
    try {
        return dialog->Dispatch(message, wParam);
    } catch (...) {
        dialog->failure_ = std::current_exception();
        EndDialog(window, -1);
        return TRUE;
    }
}

INT_PTR ModalDialog::Dispatch(UINT message, WPARAM wParam) {
    switch (message) {
        case WM_INITDIALOG: return OnInit() ? TRUE : FALSE;
        case WM_COMMAND:
            // Buttons, Enter and Esc; the edit boxes' notifications are of no interest.
            if (HIWORD(wParam) != BN_CLICKED) return FALSE;
            OnCommand(LOWORD(wParam));
            return TRUE;
        default: return FALSE;
    }
}

}  // namespace kelvor::win32
