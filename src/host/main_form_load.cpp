#include <new>

#include "common/continue_on_error.h"
#include "common/run_time_error.h"
#include "host/command_line.h"
#include "host/main_form.h"

namespace kelvor {

namespace {

constexpr char kLoading[] = "screen saver";

// The label properties that start-up sets from the settings, in their order.
using FontProperty = void (*)(FontDescription&, const SaverSettings&);
constexpr FontProperty kStyledProperties[] = {
    [](FontDescription& f, const SaverSettings& s) { f.name = s.FontName; },
    [](FontDescription& f, const SaverSettings& s) { f.bold = s.FontBold; },
    [](FontDescription& f, const SaverSettings& s) { f.italic = s.FontItalic; },
    [](FontDescription& f, const SaverSettings& s) { f.strikethru = s.FontStrikethru; },
    [](FontDescription& f, const SaverSettings& s) { f.underline = s.FontUnderline; },
    [](FontDescription& f, const SaverSettings& s) { f.size = s.FontSize; },
    [](FontDescription& f, const SaverSettings& s) { f.colour = s.FontColour; },
};

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
    StyleLabels();
    platform_.GetDesktopBounds(state_.Os.HasMultiMonitor, state_.Desktop);
    block.SetDesktopOrigin(state_.Desktop.Left, state_.Desktop.Top);
    return Dispatch(commandLine);
}

void MainForm::StyleLabels() {
    // Property by property: a value that cannot be applied is skipped and the rest still are.
    InfoBlock& block = display_.Block();
    for (const InfoLabel label : {InfoLabel::Info, InfoLabel::Network}) {
        for (const FontProperty property : kStyledProperties) {
            FontDescription font = block.Font(label);
            property(font, state_.Settings);
            ContinueOnError([&] { block.SetFont(label, font); });
        }
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
