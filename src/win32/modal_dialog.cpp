#include "win32/modal_dialog.h"

#include "win32/window_procedure.h"
#include "win32/window_text.h"

namespace kelvor::win32 {

INT_PTR ModalDialog::Run(HWND owner, const DialogTemplate& dialogTemplate) {
    // A handle given on a command line may name no window (any more); the dialog then has no owner.
    const HWND validOwner = owner != nullptr && IsWindow(owner) ? owner : nullptr;
    failure_ = nullptr;
    const INT_PTR result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), dialogTemplate.Get(), validOwner,
                                                   &DialogProcedureOf<ModalDialog>, reinterpret_cast<LPARAM>(this));
    window_ = nullptr;
    if (failure_) std::rethrow_exception(failure_);
    return result;
}

std::string ModalDialog::ItemText(int id) const { return WindowText(GetDlgItem(window_, id)); }

INT_PTR ModalDialog::Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) window_ = window;
    try {
        return HandleMessage(message, wParam);
    } catch (...) {
        failure_ = std::current_exception();
        EndDialog(window, -1);
        return TRUE;
    }
}

INT_PTR ModalDialog::HandleMessage(UINT message, WPARAM wParam) {
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
