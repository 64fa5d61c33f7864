#pragma once
// The program's own password dialogs, described and driven without a platform: the prompt over the
// running saver and the dialog that sets or changes the password (old, new, confirm). The platform
// builds a dialog from the form's description, then hands it the dialog's opening and its button
// presses; the form answers through FormView.

#include <string>
#include <vector>

#include "password/password_store.h"

namespace kelvor {

// The dialogs' controls, for the forms and for tests that drive the real dialogs.
inline constexpr int kFormOkId = 1;
inline constexpr int kFormCancelId = 2;
inline constexpr int kPasswordLabelId = 100;
inline constexpr int kPasswordEditId = 101;
inline constexpr int kOldPasswordEditId = 102;
inline constexpr int kNewPasswordEditId = 103;
inline constexpr int kConfirmPasswordEditId = 104;
inline constexpr int kOldPasswordLabelId = 105;
inline constexpr int kNewPasswordLabelId = 106;
inline constexpr int kConfirmPasswordLabelId = 107;
inline constexpr int kChangeNoteId = 108;
// The longest password a password box takes.
inline constexpr int kMaxPasswordLength = 127;

enum class FormItemKind { Text, PasswordBox, Button, DefaultButton };

// Places and sizes in dialog units.
struct FormItem {
    int id;
    FormItemKind kind;
    std::string text;
    short x, y, width, height;
};

struct FormDescription {
    std::string title;
    bool topmost = false;  // over the topmost full-screen saver
    short width = 0;
    short height = 0;
    std::vector<FormItem> items;
};

// What a form can do to its dialog.
class FormView {
public:
    virtual ~FormView() = default;
    // The text of a control; the caller wipes it when it held a password.
    virtual std::string Text(int id) = 0;
    virtual void SetText(int id, const std::string& text) = 0;
    virtual void Focus(int id) = 0;
    virtual void Enable(int id, bool enabled) = 0;
    virtual void SetWaitPointer(bool waiting) = 0;
    virtual void ShowMessage(const std::string& text, const std::string& title) = 0;
    // Closes the dialog with its result.
    virtual void End(bool accepted) = 0;
};

class PasswordForm {
public:
    virtual ~PasswordForm() = default;
    virtual FormDescription Describe() const = 0;
    // The dialog is open and its controls exist.
    virtual void Opened(FormView& view) = 0;
    // A button pressed, or Enter (kFormOkId) or Esc (kFormCancelId).
    virtual void Pressed(FormView& view, int id) = 0;
};

// Asks for the password and checks it: true only for the right one; a wrong one or Cancel gives false.
class PasswordPromptForm final : public PasswordForm {
public:
    PasswordPromptForm(PasswordStore& store, bool readable) : store_(store), readable_(readable) {}
    FormDescription Describe() const override;
    void Opened(FormView& view) override;
    void Pressed(FormView& view, int id) override;

private:
    PasswordStore& store_;
    const bool readable_;
};

// Sets or changes the password; a wrong old password or a mismatch is explained and the dialog stays.
class PasswordChangeForm final : public PasswordForm {
public:
    explicit PasswordChangeForm(PasswordStore& store) : store_(store), state_(store.State()) {}
    FormDescription Describe() const override;
    void Opened(FormView& view) override;
    void Pressed(FormView& view, int id) override;

private:
    // Without a readable password there is no old one to type.
    bool OldPasswordNeeded() const { return state_ == StoredPassword::Set; }

    PasswordStore& store_;
    const StoredPassword state_;
};

}  // namespace kelvor
