#include "password/password_forms.h"

#include "password/password_texts.h"
#include "password/secure_wipe.h"

namespace kelvor {

namespace {

// Reads a password box; the text is wiped when the guard goes.
class TypedPassword {
public:
    TypedPassword(FormView& view, int id) : text_(view.Text(id)) {}
    TypedPassword(const TypedPassword&) = delete;
    TypedPassword& operator=(const TypedPassword&) = delete;
    ~TypedPassword() { WipeText(text_); }
    const std::string& Get() const { return text_; }

private:
    std::string text_;
};

// The checks take a noticeable moment on a slow machine.
template <typename Work>
auto WithWaitPointer(FormView& view, Work work) {
    view.SetWaitPointer(true);
    const auto result = work();
    view.SetWaitPointer(false);
    return result;
}

}  // namespace

FormDescription PasswordPromptForm::Describe() const {
    // The explanation of an unreadable password needs four lines; the plain prompt one.
    const short labelHeight = readable_ ? 10 : 34;
    const short editTop = static_cast<short>(7 + labelHeight + 3);
    const short buttonTop = static_cast<short>(editTop + 19);
    return {kApplicationTitle,
            true,
            200,
            static_cast<short>(buttonTop + 21),
            {{kPasswordLabelId, FormItemKind::Text, readable_ ? kPasswordPromptLabel : kPasswordUnreadablePromptLabel,
              7, 7, 186, labelHeight},
             {kPasswordEditId, FormItemKind::PasswordBox, "", 7, editTop, 186, 13},
             {kFormOkId, FormItemKind::DefaultButton, "OK", 89, buttonTop, 50, 14},
             {kFormCancelId, FormItemKind::Button, "Cancel", 143, buttonTop, 50, 14}}};
}

void PasswordPromptForm::Opened(FormView& view) { view.Focus(kPasswordEditId); }

void PasswordPromptForm::Pressed(FormView& view, int id) {
    if (id == kFormCancelId) view.End(false);
    if (id != kFormOkId) return;
    const TypedPassword password(view, kPasswordEditId);
    view.End(WithWaitPointer(view, [&] { return store_.Verify(password.Get()); }));
}

FormDescription PasswordChangeForm::Describe() const {
    // The note about an unreadable password, when there is one, goes above the boxes.
    const bool unreadable = state_ == StoredPassword::Unreadable;
    const short top = unreadable ? 30 : 7;
    const auto row = [top](int index) { return static_cast<short>(top + 18 * index); };
    const auto label = [&](int id, const char* text, int index) {
        return FormItem{id, FormItemKind::Text, text, 7, static_cast<short>(row(index) + 2), 82, 8};
    };
    const auto box = [&](int id, int index) {
        return FormItem{id, FormItemKind::PasswordBox, "", 92, row(index), 121, 13};
    };
    const short buttonTop = static_cast<short>(row(3) + 7);
    return {kPasswordChangeTitle,
            false,
            220,
            static_cast<short>(row(3) + 28),
            {{kChangeNoteId, FormItemKind::Text, unreadable ? kPasswordUnreadableChangeNote : "", 7, 7, 206,
              static_cast<short>(unreadable ? 18 : 0)},
             label(kOldPasswordLabelId, kOldPasswordLabel, 0),
             box(kOldPasswordEditId, 0),
             label(kNewPasswordLabelId, kNewPasswordLabel, 1),
             box(kNewPasswordEditId, 1),
             label(kConfirmPasswordLabelId, kConfirmPasswordLabel, 2),
             box(kConfirmPasswordEditId, 2),
             {kFormOkId, FormItemKind::DefaultButton, "OK", 109, buttonTop, 50, 14},
             {kFormCancelId, FormItemKind::Button, "Cancel", 163, buttonTop, 50, 14}}};
}

void PasswordChangeForm::Opened(FormView& view) {
    view.Enable(kOldPasswordLabelId, OldPasswordNeeded());
    view.Enable(kOldPasswordEditId, OldPasswordNeeded());
    view.Focus(OldPasswordNeeded() ? kOldPasswordEditId : kNewPasswordEditId);
}

void PasswordChangeForm::Pressed(FormView& view, int id) {
    if (id == kFormCancelId) view.End(false);
    if (id != kFormOkId) return;
    const PasswordChange result = [&] {
        const TypedPassword oldPassword(view, kOldPasswordEditId);
        const TypedPassword newPassword(view, kNewPasswordEditId);
        const TypedPassword confirmation(view, kConfirmPasswordEditId);
        return WithWaitPointer(view, [&] {
            return store_.Change(OldPasswordNeeded() ? oldPassword.Get() : "", newPassword.Get(), confirmation.Get());
        });
    }();
    if (result == PasswordChange::Changed) {
        view.End(true);
        return;
    }
    view.ShowMessage(std::string(PasswordChangeMessage(result)), kPasswordChangeTitle);
    // Clear what has to be typed again and put the cursor there.
    if (result == PasswordChange::WrongOldPassword) {
        view.SetText(kOldPasswordEditId, "");
        view.Focus(kOldPasswordEditId);
    } else if (result == PasswordChange::Mismatch) {
        view.SetText(kNewPasswordEditId, "");
        view.SetText(kConfirmPasswordEditId, "");
        view.Focus(kNewPasswordEditId);
    }
}

}  // namespace kelvor
