#include "win32/display_window.h"

#include <algorithm>

#include "animation/timer_interval.h"
#include "common/run_time_error.h"
#include "host/main_form.h"
#include "win32/colour.h"
#include "win32/error_barrier.h"
#include "win32/log_font.h"
#include "win32/screen_dpi.h"
#include "win32/window_procedure.h"

namespace kelvor::win32 {

namespace {

constexpr char kWindowClass[] = "KelvorDisplayWindow";
constexpr UINT_PTR kRefreshTimer = 1;
// Ticks between two looks at the monitors' layout: once a second.
constexpr int32_t kTicksPerLayoutLook = 1000 / kTimerIntervalMs;

void RegisterWindowClass(HINSTANCE instance) {
    WNDCLASSA existing{};
    if (GetClassInfoA(instance, kWindowClass, &existing)) return;
    WNDCLASSA windowClass{};
    windowClass.style = CS_OWNDC;
    windowClass.lpfnWndProc = WindowProcedureOf<DisplayWindow>;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.lpszClassName = kWindowClass;
    RegisterClassA(&windowClass);
}

HWND PaneWindow(int32_t pane) { return reinterpret_cast<HWND>(static_cast<intptr_t>(pane)); }

RECT AsRect(const PixelRect& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

}  // namespace

DisplayWindow::DisplayWindow(HINSTANCE instance)
    : imageDc_(CreateCompatibleDC(nullptr)), measureDc_(CreateCompatibleDC(nullptr)),
      twipsPerPixelX_(1440.0 / ScreenDotsPerInch(LOGPIXELSX)),
      twipsPerPixelY_(1440.0 / ScreenDotsPerInch(LOGPIXELSY)) {
    RegisterWindowClass(instance);
    CreateWindowExA(0, kWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, this);
    if (window_ == nullptr) Raise(kErrOutOfMemory);
    windowDc_.emplace(window_);
}

DisplayWindow::~DisplayWindow() {
    windowDc_.reset();
    if (window_ != nullptr) {
        // The window outlives nothing it points to: detach before destroying.
        UnbindWindow(window_);
        DestroyWindow(window_);
    }
}

void DisplayWindow::Attach(MainForm& form) {
    form_ = &form;
    block_ = &form.Block();
}

void DisplayWindow::StartTimer() {
    running_ = true;
    layoutCache_.Update(displayLayout_);
    SetTimer(window_, kRefreshTimer, kTimerIntervalMs, nullptr);
    // The first tick at once, not an interval after start-up: the block shows that much sooner.
    PostMessageA(window_, WM_TIMER, kRefreshTimer, 0);
}

void DisplayWindow::Tick() {
    if (form_ == nullptr) return;
    if (--ticksToLayoutLook_ <= 0) {
        ticksToLayoutLook_ = kTicksPerLayoutLook;
        if (layoutCache_.Update(displayLayout_)) form_->DisplayChanged();
    }
    form_->Tick();
    PaintMarked();
}

void DisplayWindow::Destroy() {
    if (window_ != nullptr) DestroyWindow(window_);
}

LRESULT DisplayWindow::Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window_ == nullptr && message == WM_NCCREATE) window_ = window;
    return Guarded([&] { return HandleMessage(message, wParam, lParam); }, 0);
}

LRESULT DisplayWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;  // painted whole in WM_PAINT, from an off-screen bitmap
    case WM_PAINT: {
        const PaintScope paint(window_);
        RECT area{};
        GetClipBox(paint.Get(), &area);
        Paint(paint.Get(), {area.left, area.top, area.right, area.bottom});
        return 0;
    }
    case WM_TIMER:
        if (wParam == kRefreshTimer) Tick();
        return 0;
    case WM_DISPLAYCHANGE:
        // The change is followed now; the next look at the layout must not report it again.
        layoutCache_.Update(displayLayout_);
        if (form_ != nullptr) form_->DisplayChanged();
        PaintMarked();
        return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (form_ != nullptr) form_->KeyDown();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
        if (form_ != nullptr) form_->MouseDown();
        return 0;
    case WM_MOUSEMOVE:
        if (form_ != nullptr) form_->MouseMove();
        return 0;
    case WM_CLOSE:
        // Every closing, whoever asks for it, goes through the close request.
        if (form_ == nullptr || !form_->QueryUnload()) DestroyWindow(window_);
        return 0;
    case WM_DESTROY:
        KillTimer(window_, kRefreshTimer);
        if (form_ != nullptr) form_->Unload();
        windowDc_.reset();
        window_ = nullptr;
        if (running_) PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window_, message, wParam, lParam);
    }
}

void DisplayWindow::SetTitle(const std::string& title) { SetWindowTextA(window_, title.c_str()); }

void DisplayWindow::Close() { PostMessageA(window_, WM_CLOSE, 0, 0); }

void DisplayWindow::PlaceTopmost(int32_t left, int32_t top, int32_t width, int32_t height) {
    SetWindowPos(window_, HWND_TOPMOST, left, top, width, height, SWP_SHOWWINDOW);
}

int32_t DisplayWindow::ShowCursor(bool show) { return ::ShowCursor(show ? TRUE : FALSE); }

bool DisplayWindow::PaneClientSize(int32_t pane, int32_t& width, int32_t& height) {
    RECT client{};
    if (!IsWindow(PaneWindow(pane)) || !GetClientRect(PaneWindow(pane), &client)) return false;
    width = client.right;
    height = client.bottom;
    return true;
}

void DisplayWindow::BecomeChildOf(int32_t pane) {
    // A child window cannot also be a pop-up: the borderless pop-up style gives way to WS_CHILD.
    SetWindowLongA(window_, GWL_STYLE, (GetWindowLongA(window_, GWL_STYLE) & ~WS_POPUP) | WS_CHILD);
    SetParent(window_, PaneWindow(pane));
    SetWindowLongPtrA(window_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(PaneWindow(pane)));
}

void DisplayWindow::PlaceInPane(int32_t width, int32_t height) {
    SetWindowPos(window_, HWND_TOPMOST, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

bool DisplayWindow::UseFont(InfoLabel label, const FontDescription& font) {
    const LOGFONTA face = LogFontOf(font);
    ScopedFont made(CreateFontIndirectA(&face));
    if (!made) return false;
    const ScopedSelect select(measureDc_.Get(), made.Get());
    TEXTMETRICA metrics{};
    GetTextMetricsA(measureDc_.Get(), &metrics);
    fonts_[Index(label)] = std::move(made);
    lineHeights_[Index(label)] = metrics.tmHeight;
    return true;
}

int32_t DisplayWindow::LineWidth(InfoLabel label, std::string_view line) {
    const ScopedSelect select(measureDc_.Get(), fonts_[Index(label)].Get());
    SIZE extent{};
    GetTextExtentPoint32A(measureDc_.Get(), line.data(), static_cast<int>(line.size()), &extent);
    return extent.cx;
}

PixelSize DisplayWindow::AreaSize() const {
    RECT client{};
    if (window_ != nullptr) GetClientRect(window_, &client);
    return {client.right, client.bottom};
}

void DisplayWindow::Invalidate(const PixelRect& rect) {
    if (block_ == nullptr) return painter_.Mark(rect);
    painter_.MarkChanged(rect, block_->BlockPixels());
}

void DisplayWindow::InvalidateMoved(const PixelRect& rect) { painter_.Mark(rect); }

void DisplayWindow::PaintMarked() {
    if (windowDc_) Paint(windowDc_->Get(), painter_.TakeMarked(AreaSize()));
}

void DisplayWindow::PrepareImage(const InfoBlock& block, const PixelRect& panel) {
    if (panel.Width() > imageSize_.cx || panel.Height() > imageSize_.cy) {
        // Grows only: the panel's size changes little from second to second.
        const WindowDc screen(window_);
        imageSize_ = {std::max<LONG>(panel.Width(), imageSize_.cx), std::max<LONG>(panel.Height(), imageSize_.cy)};
        ScopedBitmap bitmap(CreateCompatibleBitmap(screen.Get(), imageSize_.cx, imageSize_.cy));
        SelectObject(imageDc_.Get(), bitmap.Get());
        imageBitmap_ = std::move(bitmap);
        painter_.ImageLost();
    }
    const RECT stale = AsRect(painter_.TakeStale({panel.Width(), panel.Height()}));
    if (IsRectEmpty(&stale)) return;

    // Only the stale part: text drawn again over itself would not give the same pixels.
    const HDC dc = imageDc_.Get();
    FillRect(dc, &stale, blockBrush_.For(block.BlockBackColour()));
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, stale.left, stale.top, stale.right, stale.bottom);
    SetBkMode(dc, TRANSPARENT);
    block.ForEachLine([&](InfoLabel label, int32_t x, int32_t y, std::string_view line) {
        y -= panel.top;
        if (y >= stale.bottom || y + lineHeights_[Index(label)] <= stale.top) return;
        const ScopedSelect font(dc, fonts_[Index(label)].Get());
        SetTextColor(dc, ToColorRef(block.Font(label).colour));
        TextOutA(dc, x - panel.left, y, line.data(), static_cast<int>(line.size()));
    });
    RestoreDC(dc, saved);
}

void DisplayWindow::Paint(HDC target, const PixelRect& area) {
    if (area.IsEmpty() || block_ == nullptr) return;
    const PixelRect panel = block_->BlockPixels();
    const BlockPaint paint = PaintOf(area, panel);
    // Strips, not a clip region: restoring a window DC's state costs Wine a font selection.
    const HBRUSH back = backBrush_.For(block_->BackColour());
    for (const PixelRect& strip : paint.background)
        if (const RECT rect = AsRect(strip); !strip.IsEmpty()) FillRect(target, &rect, back);
    if (paint.copy.IsEmpty()) return;
    PrepareImage(*block_, panel);
    BitBlt(target, paint.copy.left, paint.copy.top, paint.copy.Width(), paint.copy.Height(), imageDc_.Get(),
           paint.copyFrom.x, paint.copyFrom.y, SRCCOPY);
}

}  // namespace kelvor::win32
