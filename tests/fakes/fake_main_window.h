#pragma once
// The display window without a screen: records what the logic did to it, in order.

#include <string>
#include <vector>

#include "host/main_window.h"

namespace kelvor {

class FakeMainWindow final : public MainWindow {
public:
    void SetTitle(const std::string& text) override { Log("Title"); title = text; }
    void Close() override { Log("Close"); ++closeRequests; }
    intptr_t NativeHandle() const override { return 0x1234; }
    void PlaceTopmost(int32_t left, int32_t top, int32_t width, int32_t height) override {
        Log("PlaceTopmost");
        placement = {left, top, width, height};
    }
    int32_t ShowCursor(bool show) override {
        Log(show ? "ShowCursor(true)" : "ShowCursor(false)");
        cursorCounter += show ? 1 : -1;
        return cursorCounter;
    }
    bool PaneClientSize(int32_t pane, int32_t& width, int32_t& height) override {
        if (pane != paneHandle) return false;
        width = paneWidth;
        height = paneHeight;
        return true;
    }
    void BecomeChildOf(int32_t pane) override { Log("BecomeChildOf"); parent = pane; }
    void PlaceInPane(int32_t width, int32_t height) override {
        Log("PlaceInPane");
        placement = {0, 0, width, height};
    }

    std::vector<std::string> log;
    std::string title = "frmMain";
    int closeRequests = 0;
    std::vector<int32_t> placement;
    int32_t cursorCounter = 0;
    int32_t paneHandle = 0;
    int32_t paneWidth = 0;
    int32_t paneHeight = 0;
    int32_t parent = 0;

private:
    void Log(const std::string& entry) { log.push_back(entry); }
};

}  // namespace kelvor
