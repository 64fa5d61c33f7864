#include "common/rounding.h"
#include "host/command_line.h"
#include "host/main_form.h"

namespace kelvor {

void MainForm::SetupRegularMode() {
    previewMode_ = false;
    display_.HideLabels();
    if (!state_.IsNtFamily()) platform_.SetScreenSaverRunning(true);
    const DesktopBounds& d = state_.Desktop;
    window_.PlaceTopmost(d.Left, d.Top, d.Right - d.Left, d.Bottom - d.Top);
    window_.ShowCursor(false);
}

bool MainForm::SetupPreviewMode(const std::string& commandLine) {
    previewMode_ = true;
    const int32_t pane = ParseWindowHandle(commandLine);
    int32_t width = 0;
    int32_t height = 0;
    // Without a pane there is nothing to draw into and nobody who could close the window.
    if (pane == 0 || !window_.PaneClientSize(pane, width, height)) return false;
    const double halfSize = RoundHalfEven(state_.Settings.FontSize / 2.0);
    InfoBlock& block = display_.Block();
    for (const InfoLabel label : {InfoLabel::Info, InfoLabel::Network}) {
        FontDescription font = block.Font(label);
        font.size = halfSize;
        block.SetFont(label, font);
    }
    window_.BecomeChildOf(pane);
    window_.PlaceInPane(width, height);
    display_.HideLabels();
    return true;
}

}  // namespace kelvor
