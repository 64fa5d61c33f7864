#pragma once
// frmMain on Windows: a borderless window that the display's logic places full screen or in the
// preview pane, and the surface on which the information block is painted. Messages become calls
// of MainForm; painting is double-buffered so ten moves a second neither flash nor leave trails.
// What a tick marks is painted at the end of that tick through the window's own DC, not through
// the window's update region and WM_PAINT, which under Wine cost several server round trips per
// paint; WM_PAINT paints what the system asks for (the window shown or uncovered).

#include <windows.h>

#include <array>
#include <optional>
#include <string>

#include "animation/layout_cache.h"
#include "display/block_painter.h"
#include "display/block_surface.h"
#include "host/main_window.h"
#include "win32/gdi_scopes.h"
#include "win32/win_display_layout.h"

namespace kelvor {
class InfoBlock;
class MainForm;
}  // namespace kelvor

namespace kelvor::win32 {

class DisplayWindow final : public MainWindow, public BlockSurface {
public:
    explicit DisplayWindow(HINSTANCE instance);
    DisplayWindow(const DisplayWindow&) = delete;
    DisplayWindow& operator=(const DisplayWindow&) = delete;
    ~DisplayWindow() override;

    // From here on the window's input goes to the form and its paints show the form's block.
    void Attach(MainForm& form);
    HWND Handle() const { return window_; }
    void StartTimer();
    // One refresh tick, as the timer runs it: once a second a look at the monitors' layout, the
    // form's tick, then the paint of what they marked.
    void Tick();
    // Closes the window without showing it; the unload handler still runs.
    void Destroy();
    LRESULT Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // MainWindow
    void SetTitle(const std::string& title) override;
    void Close() override;
    intptr_t NativeHandle() const override { return reinterpret_cast<intptr_t>(window_); }
    void PlaceTopmost(int32_t left, int32_t top, int32_t width, int32_t height) override;
    int32_t ShowCursor(bool show) override;
    bool PaneClientSize(int32_t pane, int32_t& width, int32_t& height) override;
    void BecomeChildOf(int32_t pane) override;
    void PlaceInPane(int32_t width, int32_t height) override;

    // BlockSurface
    bool UseFont(InfoLabel label, const FontDescription& font) override;
    int32_t LineWidth(InfoLabel label, std::string_view line) override;
    int32_t LineHeight(InfoLabel label) override { return lineHeights_[Index(label)]; }
    PixelSize AreaSize() const override;
    double TwipsPerPixelX() const override { return twipsPerPixelX_; }
    double TwipsPerPixelY() const override { return twipsPerPixelY_; }
    void Invalidate(const PixelRect& rect) override;
    void InvalidateMoved(const PixelRect& rect) override;
    void PaintNow() override { PaintMarked(); }

private:
    static size_t Index(InfoLabel label) { return label == InfoLabel::Info ? 0 : 1; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Paints what is marked within the window, if anything, and forgets the mark.
    void PaintMarked();
    // Paints `area` of the window: the background around the panel, the panel from its image.
    void Paint(HDC target, const PixelRect& area);
    // Brings the panel's image to the panel's size and redraws its stale part.
    void PrepareImage(const InfoBlock& block, const PixelRect& panel);

    // Drawing resources kept between paints: ten paints a second should not create and destroy
    // them each time. The bitmap is declared before its DC so that the DC lets go of it first.
    // The panel's image is kept as drawn: a moving panel is copied to its new place, and text is
    // drawn again only where what the block shows changed.
    ScopedBitmap imageBitmap_;
    MemoryDc imageDc_;
    SIZE imageSize_{};
    ColourBrush backBrush_;
    ColourBrush blockBrush_;
    MemoryDc measureDc_;  // where labels measure their text
    // The window's own DC (its class has CS_OWNDC): kept from creation to destruction, so a paint
    // at the end of a tick asks the system for nothing.
    std::optional<WindowDc> windowDc_;
    BlockPainter painter_;  // what the tick marked, painted at its end
    std::array<ScopedFont, 2> fonts_;
    std::array<int32_t, 2> lineHeights_{};

    HWND window_ = nullptr;
    MainForm* form_ = nullptr;
    const InfoBlock* block_ = nullptr;
    double twipsPerPixelX_ = 15.0;
    double twipsPerPixelY_ = 15.0;
    // Set while the message loop runs: closing the window then ends the program.
    bool running_ = false;
    // Not every system tells a window of a changed layout (Wine sends no WM_DISPLAYCHANGE when the
    // X server's outputs change), so the timer reads it again once a second.
    WinDisplayLayout displayLayout_;
    LayoutCache layoutCache_;
    int32_t ticksToLayoutLook_ = 0;
};

}  // namespace kelvor::win32
