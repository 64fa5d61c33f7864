#include "win32/password_prompt_dialog.h"

#include <string>

#include "password/password_texts.h"
#include "password/secure_wipe.h"
#include "win32/modal_dialog.h"
#include "win32/password_dialog_ids.h"

namespace kelvor::win32 {
namespace {

class PasswordPromptDialog final : public ModalDialog {
public:
    PasswordPromptDialog(PasswordStore& store, bool readable) : store_(store), readable_(readable) {}

    bool Run(HWND owner) {
        // The explanation of an unreadable password needs four lines; the plain prompt one.
        const short labelHeight = readable_ ? 10 : 34;
        const short editTop = static_cast<short>(7 + labelHeight + 3);
        const short buttonTop = static_cast<short>(editTop + 19);
        DialogTemplate dialog(kApplicationTitle, DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                              WS_EX_TOPMOST, 200, static_cast<short>(buttonTop + 21));
        dialog.AddStatic(kPasswordLabelId, readable_ ? kPasswordPromptLabel : kPasswordUnreadablePromptLabel, 7, 7,
                         186, labelHeight);
        dialog.AddPasswordEdit(kPasswordEditId, 7, editTop, 186, 13);
        dialog.AddButton(IDOK, "OK", true, 89, buttonTop, 50, 14);
        dialog.AddButton(IDCANCEL, "Cancel", false, 143, buttonTop, 50, 14);
        return ModalDialog::Run(owner, dialog) == TRUE;
    }

private:
    bool OnInit() override {
        // Owned by a topmost full-screen window, the prompt must itself be topmost and in front.
        SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SetForegroundWindow(Handle());
        SendDlgItemMessageA(Handle(), kPasswordEditId, EM_LIMITTEXT, kMaxPasswordLength, 0);
        FocusItem(kPasswordEditId);
        return false;
    }

    void OnCommand(int id) override {
        if (id == IDCANCEL) End(FALSE);
        if (id != IDOK) return;
        std::string password = ItemText(kPasswordEditId);
        // The check takes a noticeable moment on a slow machine.
        const HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
        const bool correct = store_.Verify(password);
        SetCursor(previous);
        WipeText(password);
        End(correct ? TRUE : FALSE);
    }

    PasswordStore& store_;
    bool readable_;
};

}  // namespace

bool AskForScreenSaverPassword(HWND owner, PasswordStore& store) {
    PasswordPromptDialog dialog(store, store.State() != StoredPassword::Unreadable);
    return dialog.Run(owner);
}

}  // namespace kelvor::win32
