#include "animation/monitor_layout.h"
#include "host/command_line.h"
#include "host/main_form.h"

namespace kelvor {

void MainForm::SetupRegularMode() {
    previewMode_ = false;
    display_.HideLabels();
    if (!state_.IsNtFamily()) platform_.SetScreenSaverRunning(true);
    CoverDesktop();
    window_.ShowCursor(false);
}

void MainForm::CoverDesktop() {
    const DesktopBounds& d = state_.Desktop;
    window_.PlaceTopmost(d.Left, d.Top, d.Right - d.Left, d.Bottom - d.Top);
    display_.Block().SetMonitors(LayoutInArea(d.Monitors, d.Primary, {d.Left, d.Top}));
}

void MainForm::DisplayChanged() {
    // The preview's pane is its one monitor, whatever the desktop does.
    if (!shown_ || previewMode_) return;
    state_.Desktop = {};
    platform_.GetDesktopBounds(state_.Os.HasMultiMonitor, state_.Desktop);
    display_.Block().SetDesktopOrigin(state_.Desktop.Left, state_.Desktop.Top);
    CoverDesktop();
    // The window now covers the new desktop: the block follows at once, as after any resize.
    display_.WindowResized();
}

bool MainForm::SetupPreviewMode(const std::string& commandLine) {
    previewMode_ = true;
    const int32_t pane = ParseWindowHandle(commandLine);
    int32_t width = 0;
    int32_t height = 0;
    // Without a pane there is nothing to draw into and nobody who could close the window.
    if (pane == 0 || !window_.PaneClientSize(pane, width, height)) return false;
    window_.BecomeChildOf(pane);
    window_.PlaceInPane(width, height);
    // The pane's size halves the fonts, and the block shrinks further where it would not fit.
    display_.KeepFittedToWindow();
    display_.HideLabels();
    return true;
}

}  // namespace kelvor
