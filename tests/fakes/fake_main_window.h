#pragma once
// The display window without a screen: records what the logic did to it, in order.

#include <map>
#include <string>
#include <vector>

#include "animation/mover_surface.h"
#include "common/run_time_error.h"
#include "host/main_window.h"

namespace kelvor {

struct FakeLabel {
    std::string FontName = "Verdana";
    bool Bold = false;
    bool Italic = false;
    bool Strikethru = false;
    bool Underline = false;
    double FontSize = 9.75;
    int32_t Colour = 0xFFFFFF;
    std::string Text;
    bool Visible = true;
    float Top = 0.0f;
};

// Text is measured as 100 twips a character across and 200 twips a line down.
class FakeMainWindow final : public MainWindow, public MoverSurface {
public:
    void SetBackColour(int32_t colour) override { Log("BackColour"); backColour = colour; }
    int32_t BackColour() const override { return backColour; }
    void SetBlockBackColour(int32_t colour) override { blockBackColour = colour; }
    void SetTitle(const std::string& text) override { Log("Title"); title = text; }
    void Close() override { Log("Close"); ++closeRequests; }
    intptr_t NativeHandle() const override { return 0x1234; }

    void SetLabelFontName(InfoLabel l, const std::string& name) override {
        Property(l, "FontName"); Label(l).FontName = name;
    }
    void SetLabelBold(InfoLabel l, bool on) override { Property(l, "Bold"); Label(l).Bold = on; }
    void SetLabelItalic(InfoLabel l, bool on) override { Property(l, "Italic"); Label(l).Italic = on; }
    void SetLabelStrikethru(InfoLabel l, bool on) override { Property(l, "Strikethru"); Label(l).Strikethru = on; }
    void SetLabelUnderline(InfoLabel l, bool on) override { Property(l, "Underline"); Label(l).Underline = on; }
    void SetLabelFontSize(InfoLabel l, double points) override { Property(l, "FontSize"); Label(l).FontSize = points; }
    void SetLabelColour(InfoLabel l, int32_t colour) override { Property(l, "Colour"); Label(l).Colour = colour; }
    void SetLabelText(InfoLabel l, const std::string& text) override { Label(l).Text = text; }
    const std::string& LabelText(InfoLabel l) const override { return Label(l).Text; }
    void SetLabelVisible(InfoLabel l, bool visible) override {
        Log(std::string(l == InfoLabel::Info ? "lblInfo" : "lblNetwork") + (visible ? ".Show" : ".Hide"));
        Label(l).Visible = visible;
    }
    float LabelWidth(InfoLabel l) const override {
        size_t longest = 0;
        size_t current = 0;
        for (const char c : Label(l).Text) {
            current = c == '\r' ? 0 : current + 1;
            if (current > longest) longest = current;
        }
        return 100.0f * static_cast<float>(longest);
    }
    float LabelHeight(InfoLabel l) const override {
        size_t lines = 1;
        for (const char c : Label(l).Text) lines += c == '\r' ? 1 : 0;
        return 200.0f * static_cast<float>(lines);
    }
    float LabelTop(InfoLabel l) const override { return Label(l).Top; }
    void SetLabelTop(InfoLabel l, float top) override { Label(l).Top = top; }
    void SetBlockSize(float width, float height) override {
        blockWidth = width;
        blockHeight = height;
    }
    void RepaintNow() override { Log("RepaintNow"); }

    // What the movers see: a 1024 x 768 pixel screen at 15 twips a pixel unless a test says otherwise.
    float AreaWidth() const override { return areaWidth; }
    float AreaHeight() const override { return areaHeight; }
    float PanelWidth() const override { return blockWidth; }
    float PanelHeight() const override { return blockHeight; }
    float Left() const override { return blockLeft; }
    float Top() const override { return blockTop; }
    void Move(float left, float top) override {
        Log("Move");
        blockLeft = left;
        blockTop = top;
    }
    void SetLeft(float left) override { blockLeft = left; }
    void SetTop(float top) override { blockTop = top; }
    int32_t DesktopLeft() const override { return 0; }
    int32_t DesktopTop() const override { return 0; }
    double TwipsPerPixelX() const override { return 15.0; }
    double TwipsPerPixelY() const override { return 15.0; }

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

    FakeLabel& Label(InfoLabel l) { return l == InfoLabel::Info ? info : network; }
    const FakeLabel& Label(InfoLabel l) const { return l == InfoLabel::Info ? info : network; }

    // Makes every assignment of this property fail, as an unusable value would.
    std::vector<std::string> failingProperties;
    std::vector<std::string> log;
    FakeLabel info;
    FakeLabel network;
    int32_t backColour = 0x8000000F;
    int32_t blockBackColour = 0x8000000F;
    std::string title = "frmMain";
    int closeRequests = 0;
    std::vector<int32_t> placement;
    int32_t cursorCounter = 0;
    int32_t paneHandle = 0;
    int32_t paneWidth = 0;
    int32_t paneHeight = 0;
    int32_t parent = 0;
    float areaWidth = 15360.0f;
    float areaHeight = 11520.0f;
    float blockLeft = 240.0f;
    float blockTop = 240.0f;
    float blockWidth = 3015.0f;
    float blockHeight = 1455.0f;

private:
    void Log(const std::string& entry) { log.push_back(entry); }
    void Property(InfoLabel l, const std::string& name) {
        Log((l == InfoLabel::Info ? "lblInfo." : "lblNetwork.") + name);
        for (const std::string& failing : failingProperties)
            if (failing == name) throw RunTimeError(380, "", "Invalid property value");
    }
};

}  // namespace kelvor
