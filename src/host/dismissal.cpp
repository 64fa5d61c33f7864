#include "common/date_time_format.h"
#include "common/rounding.h"
#include "host/main_form.h"
#include "settings/registry_helpers.h"

namespace kelvor {

namespace {

constexpr int16_t kMovesThatEndTheSaver = 10;
constexpr double kMoveWindowSeconds = 10.0;
constexpr int32_t kCursorCounterCertainlyShown = 6;
constexpr int32_t kCursorCounterCertainlyHidden = -6;

// Marks the password prompt as up for as long as it is shown.
class PromptShown {
public:
    explicit PromptShown(bool& flag) : flag_(flag) { flag_ = true; }
    PromptShown(const PromptShown&) = delete;
    PromptShown& operator=(const PromptShown&) = delete;
    ~PromptShown() { flag_ = false; }

private:
    bool& flag_;
};

}  // namespace

void MainForm::KeyDown() {
    if (!previewMode_) window_.Close();
}

void MainForm::MouseDown() {
    if (previewMode_) return;
    if ((state_.Settings.MouseSettings & kIgnoreMouseClicks) != 0 && !state_.IsNtFamily()) return;
    window_.Close();
}

void MainForm::MouseMove() {
    if (previewMode_) return;
    if ((state_.Settings.MouseSettings & kIgnoreMouseMoves) != 0 && !state_.IsNtFamily()) return;
    if (state_.IgnoreMouseMoves > 0) {
        --state_.IgnoreMouseMoves;
        return;
    }
    ++moveCount_;
    if (moveCount_ >= kMovesThatEndTheSaver) {
        moveCount_ = 0;
        window_.Close();
    }
    const double now = SecondsSinceMidnight(sources_.Now());
    if (firstMoveTime_ == 0) {
        firstMoveTime_ = RoundToInt32(now);
    } else if (now - firstMoveTime_ > kMoveWindowSeconds) {
        firstMoveTime_ = 0;
        moveCount_ = 0;
    }
}

bool MainForm::QueryUnload() {
    // A window that was never shown closes without a prompt, so no hidden window can be kept alive.
    if (!shown_) return false;
    // Input that arrives while the prompt is up does not ask again.
    if (checkingPassword_) return true;
    int32_t usePassword = 0;
    if (!ReadRegNumber(platform_.SystemRegistry(), RegistryRoot::CurrentUser, "Control Panel\\Desktop",
                       "ScreenSaveUsePassword", usePassword))
        usePassword = 0;
    if (usePassword == 0 || previewMode_ || state_.IsNtFamily()) return false;

    while (window_.ShowCursor(true) < kCursorCounterCertainlyShown) {
    }
    bool accepted = false;
    {
        const PromptShown shown(checkingPassword_);
        accepted = platform_.Passwords().VerifyScreenSavePassword(window_.NativeHandle());
    }
    if (accepted) return false;
    while (window_.ShowCursor(false) > kCursorCounterCertainlyHidden) {
    }
    return true;
}

void MainForm::Unload() {
    window_.ShowCursor(true);
    state_.CpuSampler.reset();
    if (!state_.IsNtFamily()) platform_.SetScreenSaverRunning(false);
}

}  // namespace kelvor
