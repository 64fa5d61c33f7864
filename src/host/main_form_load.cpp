#include <new>

#include "common/rounding.h"
#include "common/run_time_error.h"
#include "host/command_line.h"
#include "host/main_form.h"

namespace kelvor {

namespace {

std::string CriticalErrorText(const std::string& description, int32_t number) {
    return "Critical Error encountered while loading screen saver: \r" + description + " [" +
           std::to_string(number) + "]";
}

// Runs one property assignment; a value that cannot be applied is skipped.
template <typename Assignment>
void IgnoringErrors(Assignment assignment) {
    try {
        assignment();
    } catch (const RunTimeError&) {
    }
}

}  // namespace

StartMode MainForm::Load(const std::string& commandLine) {
    try {
        const StartMode mode = RunLoadSequence(commandLine);
        shown_ = mode == StartMode::FullScreen || mode == StartMode::Preview;
        return mode;
    } catch (const RunTimeError& error) {
        platform_.ShowCriticalError(kApplicationTitle, CriticalErrorText(error.Description(), error.Number()));
    } catch (const std::bad_alloc&) {
        platform_.ShowCriticalError(kApplicationTitle, CriticalErrorText("Out of memory", 7));
    }
    return StartMode::Ended;
}

StartMode MainForm::RunLoadSequence(const std::string& commandLine) {
    state_.Random = std::make_unique<SeededRandom>(platform_.RandomSeed());
    platform_.ReadOSVersion(state_.Os);
    computerName_ = platform_.ReadComputerName();
    LoadSettings(platform_.SystemRegistry(), state_.Settings);
    window_.SetBackColour(state_.Settings.BgColour);
    window_.SetBlockBackColour(window_.BackColour());
    state_.CpuSampler = platform_.CreateCpuSampler();
    StyleLabels();
    platform_.GetDesktopBounds(state_.Os.HasMultiMonitor, state_.Desktop);
    return Dispatch(commandLine);
}

void MainForm::StyleLabels() {
    const SaverSettings& s = state_.Settings;
    for (const InfoLabel label : {InfoLabel::Info, InfoLabel::Network}) {
        IgnoringErrors([&] { window_.SetLabelFontName(label, s.FontName); });
        IgnoringErrors([&] { window_.SetLabelBold(label, s.FontBold); });
        IgnoringErrors([&] { window_.SetLabelItalic(label, s.FontItalic); });
        IgnoringErrors([&] { window_.SetLabelStrikethru(label, s.FontStrikethru); });
        IgnoringErrors([&] { window_.SetLabelUnderline(label, s.FontUnderline); });
        IgnoringErrors([&] { window_.SetLabelFontSize(label, s.FontSize); });
        IgnoringErrors([&] { window_.SetLabelColour(label, s.FontColour); });
    }
}

StartMode MainForm::Dispatch(const std::string& commandLine) {
    const std::string mode = FormSwitch(commandLine);
    if (mode == "/S") {
        // Tested before this window takes the title, so it never finds itself.
        if (platform_.TopLevelWindowExists(kFullScreenTitle)) return StartMode::Ended;
        window_.SetTitle(kFullScreenTitle);
        SetupRegularMode();
        return StartMode::FullScreen;
    }
    if (mode == "/P") return SetupPreviewMode(commandLine) ? StartMode::Preview : StartMode::Ended;
    if (mode.empty() || mode == "/C") return StartMode::Options;
    if (mode == "/A") platform_.Passwords().ChangePassword(PasswordParentWindow(commandLine));
    return StartMode::Ended;
}

}  // namespace kelvor
