#pragma once
// frmMain on Windows: a borderless window holding the information block (two labels) that the
// movers place. Messages become calls of MainForm; drawing is double-buffered so ten moves a
// second neither flash nor leave trails.

#include <windows.h>

#include <array>
#include <string>

#include "animation/mover_surface.h"
#include "host/main_window.h"
#include "win32/gdi_objects.h"

namespace kelvor {
class MainForm;
}

namespace kelvor::win32 {

class DisplayWindow final : public MainWindow, public MoverSurface {
public:
    explicit DisplayWindow(HINSTANCE instance);
    DisplayWindow(const DisplayWindow&) = delete;
    DisplayWindow& operator=(const DisplayWindow&) = delete;
    ~DisplayWindow() override;

    void Attach(MainForm& form) { form_ = &form; }
    // The virtual desktop's top-left corner in pixels, known once start-up has run.
    void UseDesktopOrigin(int32_t left, int32_t top) {
        desktopLeft_ = left;
        desktopTop_ = top;
    }
    HWND Handle() const { return window_; }
    // Starts the refresh timer.
    void StartTimer();
    // Closes the window without showing it; the unload handler still runs.
    void Destroy();

    // MainWindow
    void SetBackColour(int32_t colour) override;
    int32_t BackColour() const override { return backColour_; }
    void SetBlockBackColour(int32_t colour) override;
    void SetTitle(const std::string& title) override;
    void Close() override;
    intptr_t NativeHandle() const override { return reinterpret_cast<intptr_t>(window_); }
    void SetLabelFontName(InfoLabel label, const std::string& name) override;
    void SetLabelBold(InfoLabel label, bool on) override;
    void SetLabelItalic(InfoLabel label, bool on) override;
    void SetLabelStrikethru(InfoLabel label, bool on) override;
    void SetLabelUnderline(InfoLabel label, bool on) override;
    void SetLabelFontSize(InfoLabel label, double points) override;
    void SetLabelColour(InfoLabel label, int32_t colour) override;
    void SetLabelText(InfoLabel label, const std::string& text) override;
    const std::string& LabelText(InfoLabel label) const override { return LabelOf(label).text; }
    void SetLabelVisible(InfoLabel label, bool visible) override;
    float LabelWidth(InfoLabel label) const override;
    float LabelHeight(InfoLabel label) const override;
    float LabelTop(InfoLabel label) const override { return LabelOf(label).top; }
    void SetLabelTop(InfoLabel label, float top) override;
    void SetBlockSize(float width, float height) override;
    void RepaintNow() override;
    void PlaceTopmost(int32_t left, int32_t top, int32_t width, int32_t height) override;
    int32_t ShowCursor(bool show) override;
    bool PaneClientSize(int32_t pane, int32_t& width, int32_t& height) override;
    void BecomeChildOf(int32_t pane) override;
    void PlaceInPane(int32_t width, int32_t height) override;

    // MoverSurface
    float AreaWidth() const override;
    float AreaHeight() const override;
    float PanelWidth() const override { return blockWidth_; }
    float PanelHeight() const override { return blockHeight_; }
    float Left() const override { return blockLeft_; }
    float Top() const override { return blockTop_; }
    void Move(float left, float top) override;
    void SetLeft(float left) override { Move(left, blockTop_); }
    void SetTop(float top) override { Move(blockLeft_, top); }
    int32_t DesktopLeft() const override { return desktopLeft_; }
    int32_t DesktopTop() const override { return desktopTop_; }
    double TwipsPerPixelX() const override { return twipsPerPixelX_; }
    double TwipsPerPixelY() const override { return twipsPerPixelY_; }

private:
    struct Label {
        LOGFONTA font{};
        double points = 9.75;
        ScopedFont handle;
        int32_t colour = 0xFFFFFF;
        std::string text;
        bool visible = true;
        float top = 0.0f;  // twips inside the block
        SIZE size{};       // pixels, from the text in the current font
        LONG lineHeight = 0;
    };

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    Label& LabelOf(InfoLabel label) { return labels_[label == InfoLabel::Info ? 0 : 1]; }
    const Label& LabelOf(InfoLabel label) const { return labels_[label == InfoLabel::Info ? 0 : 1]; }
    template <typename Change>
    void ChangeFont(InfoLabel label, Change change);
    void RebuildFont(Label& label);
    void Measure(Label& label);
    void Paint(HDC target);
    RECT BlockPixels() const;
    void InvalidateBlock();
    void InvalidateLabel(const Label& label);
    HDC BufferOfAtLeast(int width, int height);

    // Drawing resources kept between paints: ten paints a second should not create and destroy
    // them each time. The bitmap is declared before its DC so that the DC lets go of it first.
    ScopedBitmap bufferBitmap_;
    MemoryDc bufferDc_{nullptr};  // compatible with the screen
    SIZE bufferSize_{};
    ScopedBrush backBrush_;
    ScopedBrush blockBrush_;
    MemoryDc measureDc_{nullptr};  // where labels measure their text

    HWND window_ = nullptr;
    MainForm* form_ = nullptr;
    int32_t backColour_ = 0;
    int32_t blockBackColour_ = 0;
    std::array<Label, 2> labels_;
    float blockLeft_ = 240.0f;
    float blockTop_ = 240.0f;
    float blockWidth_ = 3015.0f;
    float blockHeight_ = 1455.0f;
    int32_t desktopLeft_ = 0;
    int32_t desktopTop_ = 0;
    double twipsPerPixelX_ = 15.0;
    double twipsPerPixelY_ = 15.0;
    int dpiY_ = 96;
    // Set while the message loop runs: closing the window then ends the program.
    bool running_ = false;
};

}  // namespace kelvor::win32
