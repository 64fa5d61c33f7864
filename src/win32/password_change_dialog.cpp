#include "win32/password_change_dialog.h"

#include <string>

#include "password/password_texts.h"
#include "password/secure_wipe.h"
#include "win32/modal_dialog.h"
#include "win32/password_dialog_ids.h"

namespace kelvor::win32 {
namespace {

class PasswordChangeDialog final : public ModalDialog {
public:
    explicit PasswordChangeDialog(PasswordStore& store) : store_(store), state_(store.State()) {}

    bool Run(HWND parent) {
        // The note about an unreadable password, when there is one, goes above the boxes.
        const bool unreadable = state_ == StoredPassword::Unreadable;
        const short top = unreadable ? 30 : 7;
        const auto row = [top](int index) { return static_cast<short>(top + 18 * index); };
        DialogTemplate dialog(kPasswordChangeTitle, DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                              0, 220, static_cast<short>(row(3) + 28));
        dialog.AddStatic(kChangeNoteId, unreadable ? kPasswordUnreadableChangeNote : "", 7, 7, 206,
                         unreadable ? 18 : 0);
        dialog.AddStatic(kOldPasswordLabelId, kOldPasswordLabel, 7, static_cast<short>(row(0) + 2), 82, 8);
        dialog.AddPasswordEdit(kOldPasswordEditId, 92, row(0), 121, 13);
        dialog.AddStatic(kNewPasswordLabelId, kNewPasswordLabel, 7, static_cast<short>(row(1) + 2), 82, 8);
        dialog.AddPasswordEdit(kNewPasswordEditId, 92, row(1), 121, 13);
        dialog.AddStatic(kConfirmPasswordLabelId, kConfirmPasswordLabel, 7, static_cast<short>(row(2) + 2), 82, 8);
        dialog.AddPasswordEdit(kConfirmPasswordEditId, 92, row(2), 121, 13);
        dialog.AddButton(IDOK, "OK", true, 109, static_cast<short>(row(3) + 7), 50, 14);
        dialog.AddButton(IDCANCEL, "Cancel", false, 163, static_cast<short>(row(3) + 7), 50, 14);
        return ModalDialog::Run(parent, dialog) == TRUE;
    }

private:
    bool OldPasswordNeeded() const { return state_ == StoredPassword::Set; }

    bool OnInit() override {
        for (const int id : {kOldPasswordEditId, kNewPasswordEditId, kConfirmPasswordEditId})
            SendDlgItemMessageA(Handle(), id, EM_LIMITTEXT, kMaxPasswordLength, 0);
        // Without a readable password there is no old one to type.
        EnableWindow(GetDlgItem(Handle(), kOldPasswordLabelId), OldPasswordNeeded());
        EnableWindow(GetDlgItem(Handle(), kOldPasswordEditId), OldPasswordNeeded());
        SetForegroundWindow(Handle());
        FocusItem(OldPasswordNeeded() ? kOldPasswordEditId : kNewPasswordEditId);
        return false;
    }

    void OnCommand(int id) override {
        if (id == IDCANCEL) End(FALSE);
        if (id != IDOK) return;
        std::string oldPassword = OldPasswordNeeded() ? ItemText(kOldPasswordEditId) : std::string();
        std::string newPassword = ItemText(kNewPasswordEditId);
        std::string confirmation = ItemText(kConfirmPasswordEditId);
        const HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
        const PasswordChange result = store_.Change(oldPassword, newPassword, confirmation);
        SetCursor(previous);
        WipeText(oldPassword);
        WipeText(newPassword);
        WipeText(confirmation);
        if (result == PasswordChange::Changed) {
            End(TRUE);
            return;
        }
        MessageBoxA(Handle(), std::string(PasswordChangeMessage(result)).c_str(), kPasswordChangeTitle,
                    MB_OK | MB_ICONEXCLAMATION);
        // Clear what has to be typed again and put the cursor there.
        if (result == PasswordChange::WrongOldPassword) {
            SetItemText(kOldPasswordEditId, "");
            FocusItem(kOldPasswordEditId);
        } else if (result == PasswordChange::Mismatch) {
            SetItemText(kNewPasswordEditId, "");
            SetItemText(kConfirmPasswordEditId, "");
            FocusItem(kNewPasswordEditId);
        }
    }

    PasswordStore& store_;
    StoredPassword state_;
};

}  // namespace

bool ChangeScreenSaverPassword(HWND parent, PasswordStore& store) {
    PasswordChangeDialog dialog(store);
    return dialog.Run(parent);
}

}  // namespace kelvor::win32
