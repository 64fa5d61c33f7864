#pragma once
// The logic of the display window: start-up and dispatch, the two display modes, and its end.

#include <cstdint>
#include <optional>
#include <string>

#include "animation/mover_surface.h"
#include "animation/movers.h"
#include "host/information_sources.h"
#include "host/main_window.h"
#include "host/program_state.h"
#include "host/saver_platform.h"

namespace kelvor {

// What start-up left running.
enum class StartMode {
    FullScreen,  // show the window and run until dismissed
    Preview,     // show the window inside the preview pane
    Options,     // open the options dialog; the display window unloads
    Ended,       // nothing to show; the display window unloads and the program ends
};

inline constexpr const char* kFullScreenTitle = "KelvorSS";

class MainForm {
public:
    MainForm(ProgramState& state, MainWindow& window, MoverSurface& surface, SaverPlatform& platform,
             InformationSources& sources)
        : state_(state), window_(window), surface_(surface), platform_(platform), sources_(sources) {}

    // The load sequence: prepares the program state, styles the labels and dispatches on the
    // command line (the arguments only, as Windows passes them).
    StartMode Load(const std::string& commandLine);

    // The refresh timer, every 100 ms: the network line on even ticks, the text once a second,
    // the mover on every tick; the first tick reveals the block once the mover has placed it.
    void Tick();
    // Rebuilds the information text from the lines that are switched on and sizes the block.
    void UpdateInfo();

    // Input on the window (the information block included): a key or a click ends the saver, so
    // does the tenth counted mouse move within ten seconds; the preview ignores all input.
    void KeyDown();
    void MouseDown();
    void MouseMove();
    // Runs first whenever the window is about to close; true cancels the close (refused password).
    bool QueryUnload();

    // Runs when the window closes, whatever closes it; releases what start-up took.
    void Unload();

    bool PreviewMode() const { return previewMode_; }
    const std::string& ComputerName() const { return computerName_; }

private:
    StartMode RunLoadSequence(const std::string& commandLine);
    void StyleLabels();
    StartMode Dispatch(const std::string& commandLine);
    void SetupRegularMode();
    bool SetupPreviewMode(const std::string& commandLine);
    void HideLabels();
    std::string ComposeInfoText();

    ProgramState& state_;
    MainWindow& window_;
    MoverSurface& surface_;
    SaverPlatform& platform_;
    InformationSources& sources_;
    // Created once start-up has seeded the random generator.
    std::optional<Movers> movers_;

    bool previewMode_ = false;
    // Only a window that was shown asks for the password when it closes.
    bool shown_ = false;
    bool checkingPassword_ = false;
    int16_t moveCount_ = 0;
    int32_t firstMoveTime_ = 0;
    std::string computerName_;
    int32_t tickCount_ = 0;
    uint8_t firstTickDone_ = 0;
};

}  // namespace kelvor
