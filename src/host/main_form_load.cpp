#include <new>

#include "common/run_time_error.h"
#include "host/command_line.h"
#include "host/main_form.h"

namespace kelvor {

namespace {

constexpr char kLoading[] = "screen saver";

}  // namespace

StartMode MainForm::Load(const std::string& commandLine) {
    const auto report = [this](std::string_view description, int32_t number) {
        platform_.ShowCriticalError(kApplicationTitle, CriticalErrorText(kLoading, description, number));
        return StartMode::Ended;
    };
    try {
        const StartMode mode = RunLoadSequence(commandLine);
        shown_ = mode == StartMode::FullScreen || mode == StartMode::Preview;
        return mode;
    } catch (const RunTimeError& error) {
        return report(error.Description(), error.Number());
    } catch (const std::bad_alloc&) {
        return report(ErrorDescription(kErrOutOfMemory), kErrOutOfMemory);
    }
}

StartMode MainForm::RunLoadSequence(const std::string& commandLine) {
    state_.Random = std::make_unique<SeededRandom>(platform_.RandomSeed());
    platform_.ReadOSVersion(state_.Os);
    display_.SetComputerName(platform_.ReadComputerName());
    LoadSettings(platform_.SystemRegistry(), state_.Settings);
    InfoBlock& block = display_.Block();
    block.SetBackColour(state_.Settings.BgColour);
    block.SetBlockBackColour(block.BackColour());
    state_.CpuSampler = platform_.CreateCpuSampler();
    display_.StyleLabels();
    platform_.GetDesktopBounds(state_.Os.HasMultiMonitor, state_.Desktop);
    block.SetDesktopOrigin(state_.Desktop.Left, state_.Desktop.Top);
    return Dispatch(commandLine);
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
