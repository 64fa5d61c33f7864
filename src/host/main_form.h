#pragma once
// The logic of the display window: start-up and dispatch, the two display modes, and its end.

#include <cstdint>
#include <string>

#include "display/block_surface.h"
#include "display/info_block.h"
#include "host/info_display.h"
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
    MainForm(ProgramState& state, MainWindow& window, BlockSurface& surface, SaverPlatform& platform,
             InformationSources& sources)
        : state_(state), window_(window), platform_(platform), sources_(sources), display_(state, surface, sources) {}

    // The load sequence: prepares the program state, styles the labels and dispatches on the
    // command line (the arguments only, as Windows passes them).
    StartMode Load(const std::string& commandLine);

    // The refresh timer (see InfoDisplay).
    void Tick() { display_.Tick(); }
    // Monitors were added, removed or moved: the full-screen window covers the new desktop, and
    // the next tick brings the block onto a monitor that shows it.
    void DisplayChanged();
    InfoBlock& Block() { return display_.Block(); }

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
    const std::string& ComputerName() const { return display_.ComputerName(); }

private:
    StartMode RunLoadSequence(const std::string& commandLine);
    StartMode Dispatch(const std::string& commandLine);
    void SetupRegularMode();
    // Places the window over the desktop and tells the block which monitors show it.
    void CoverDesktop();
    bool SetupPreviewMode(const std::string& commandLine);

    ProgramState& state_;
    MainWindow& window_;
    SaverPlatform& platform_;
    InformationSources& sources_;
    InfoDisplay display_;

    bool previewMode_ = false;
    // Only a window that was shown asks for the password when it closes.
    bool shown_ = false;
    bool checkingPassword_ = false;
    int16_t moveCount_ = 0;
    int32_t firstMoveTime_ = 0;
};

}  // namespace kelvor
