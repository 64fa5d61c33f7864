#include "win32/display_window.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "common/rounding.h"
#include "common/run_time_error.h"
#include "host/main_form.h"
#include "win32/colour.h"
#include "win32/error_barrier.h"
#include "win32/screen_dpi.h"

namespace kelvor::win32 {

namespace {

constexpr char kWindowClass[] = "KelvorDisplayWindow";
constexpr UINT_PTR kRefreshTimer = 1;
constexpr UINT kRefreshIntervalMs = 100;
constexpr int32_t kErrInvalidPropertyValue = 380;

[[noreturn]] void RaiseInvalidProperty() {
    throw RunTimeError(kErrInvalidPropertyValue, "", "Invalid property value");
}

void RegisterWindowClass(HINSTANCE instance) {
    WNDCLASSA existing{};
    if (GetClassInfoA(instance, kWindowClass, &existing)) return;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.lpszClassName = kWindowClass;
    RegisterClassA(&windowClass);
}

// Calls `each` with every line of the text; lines are broken on a lone carriage return.
template <typename Each>
void ForEachLine(const std::string& text, Each each) {
    size_t start = 0;
    for (;;) {
        const size_t end = text.find('\r', start);
        each(std::string_view(text).substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) return;
        start = end + 1;
    }
}

}  // namespace

DisplayWindow::DisplayWindow(HINSTANCE instance) {
    RegisterWindowClass(instance);
    window_ = CreateWindowExA(0, kWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    if (window_ == nullptr) throw RunTimeError(7, "", "Out of memory");
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DisplayWindow::WindowProc));
    const WindowDc screen(nullptr);
    backBrush_ = ScopedBrush(CreateSolidBrush(ToColorRef(backColour_)));
    blockBrush_ = ScopedBrush(CreateSolidBrush(ToColorRef(blockBackColour_)));
    const int dpiX = GetDeviceCaps(screen.Get(), LOGPIXELSX);
    dpiY_ = GetDeviceCaps(screen.Get(), LOGPIXELSY);
    twipsPerPixelX_ = 1440.0 / (dpiX > 0 ? dpiX : 96);
    twipsPerPixelY_ = 1440.0 / (dpiY_ > 0 ? dpiY_ : 96);
    for (Label& label : labels_) {
        lstrcpynA(label.font.lfFaceName, "Verdana", LF_FACESIZE);
        label.font.lfWeight = FW_NORMAL;
        label.font.lfCharSet = DEFAULT_CHARSET;
        label.font.lfQuality = DEFAULT_QUALITY;
        RebuildFont(label);
    }
}

DisplayWindow::~DisplayWindow() {
    if (window_ != nullptr) {
        // The window outlives nothing it points to: detach before destroying.
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

void DisplayWindow::StartTimer() {
    running_ = true;
    SetTimer(window_, kRefreshTimer, kRefreshIntervalMs, nullptr);
}

void DisplayWindow::Destroy() {
    if (window_ != nullptr) DestroyWindow(window_);
}

LRESULT CALLBACK DisplayWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<DisplayWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    return Guarded([&] { return self->HandleMessage(message, wParam, lParam); }, 0);
}

LRESULT DisplayWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;  // painted whole in WM_PAINT, from an off-screen bitmap
    case WM_PAINT: {
        const PaintScope paint(window_);
        Paint(paint.Get());
        return 0;
    }
    case WM_TIMER:
        if (wParam == kRefreshTimer && form_ != nullptr) form_->Tick();
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
        window_ = nullptr;
        if (running_) PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window_, message, wParam, lParam);
    }
}

void DisplayWindow::SetBackColour(int32_t colour) {
    backColour_ = colour;
    backBrush_ = ScopedBrush(CreateSolidBrush(ToColorRef(colour)));
    InvalidateRect(window_, nullptr, FALSE);
}

void DisplayWindow::SetBlockBackColour(int32_t colour) {
    blockBackColour_ = colour;
    blockBrush_ = ScopedBrush(CreateSolidBrush(ToColorRef(colour)));
    InvalidateBlock();
}

void DisplayWindow::SetTitle(const std::string& title) { SetWindowTextA(window_, title.c_str()); }

void DisplayWindow::Close() { PostMessageA(window_, WM_CLOSE, 0, 0); }

void DisplayWindow::SetLabelFontName(InfoLabel label, const std::string& name) {
    if (name.size() >= LF_FACESIZE) RaiseInvalidProperty();
    ChangeFont(label, [&name](LOGFONTA& font) { lstrcpynA(font.lfFaceName, name.c_str(), LF_FACESIZE); });
}

void DisplayWindow::SetLabelBold(InfoLabel label, bool on) {
    ChangeFont(label, [on](LOGFONTA& font) { font.lfWeight = on ? FW_BOLD : FW_NORMAL; });
}

void DisplayWindow::SetLabelItalic(InfoLabel label, bool on) {
    ChangeFont(label, [on](LOGFONTA& font) { font.lfItalic = on ? TRUE : FALSE; });
}

void DisplayWindow::SetLabelStrikethru(InfoLabel label, bool on) {
    ChangeFont(label, [on](LOGFONTA& font) { font.lfStrikeOut = on ? TRUE : FALSE; });
}

void DisplayWindow::SetLabelUnderline(InfoLabel label, bool on) {
    ChangeFont(label, [on](LOGFONTA& font) { font.lfUnderline = on ? TRUE : FALSE; });
}

void DisplayWindow::SetLabelFontSize(InfoLabel label, double points) {
    // The range a font size can take; 0 or less names no font.
    if (!(points > 0.0 && points <= 2160.0)) RaiseInvalidProperty();
    Label& l = LabelOf(label);
    l.points = points;
    RebuildFont(l);
}

void DisplayWindow::SetLabelColour(InfoLabel label, int32_t colour) {
    LabelOf(label).colour = colour;
    InvalidateBlock();
}

void DisplayWindow::SetLabelText(InfoLabel label, const std::string& text) {
    Label& l = LabelOf(label);
    if (l.text == text) return;
    if (l.visible) InvalidateLabel(l);
    l.text = text;
    Measure(l);
    if (l.visible) InvalidateLabel(l);
}

void DisplayWindow::SetLabelVisible(InfoLabel label, bool visible) {
    LabelOf(label).visible = visible;
    InvalidateBlock();
}

float DisplayWindow::LabelWidth(InfoLabel label) const {
    return ToSingle(LabelOf(label).size.cx * twipsPerPixelX_);
}

float DisplayWindow::LabelHeight(InfoLabel label) const {
    return ToSingle(LabelOf(label).size.cy * twipsPerPixelY_);
}

void DisplayWindow::SetLabelTop(InfoLabel label, float top) {
    LabelOf(label).top = top;
    InvalidateBlock();
}

void DisplayWindow::SetBlockSize(float width, float height) {
    InvalidateBlock();
    blockWidth_ = width;
    blockHeight_ = height;
    InvalidateBlock();
}

void DisplayWindow::RepaintNow() {
    InvalidateBlock();
    UpdateWindow(window_);
}

void DisplayWindow::PlaceTopmost(int32_t left, int32_t top, int32_t width, int32_t height) {
    SetWindowPos(window_, HWND_TOPMOST, left, top, width, height, SWP_SHOWWINDOW);
}

int32_t DisplayWindow::ShowCursor(bool show) { return ::ShowCursor(show ? TRUE : FALSE); }

bool DisplayWindow::PaneClientSize(int32_t pane, int32_t& width, int32_t& height) {
    const HWND paneWindow = reinterpret_cast<HWND>(static_cast<intptr_t>(pane));
    RECT client{};
    if (!IsWindow(paneWindow) || !GetClientRect(paneWindow, &client)) return false;
    width = client.right;
    height = client.bottom;
    return true;
}

void DisplayWindow::BecomeChildOf(int32_t pane) {
    const HWND paneWindow = reinterpret_cast<HWND>(static_cast<intptr_t>(pane));
    // A child window cannot also be a pop-up: the borderless pop-up style gives way to WS_CHILD.
    SetWindowLongA(window_, GWL_STYLE, (GetWindowLongA(window_, GWL_STYLE) & ~WS_POPUP) | WS_CHILD);
    SetParent(window_, paneWindow);
    SetWindowLongPtrA(window_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(paneWindow));
}

void DisplayWindow::PlaceInPane(int32_t width, int32_t height) {
    SetWindowPos(window_, HWND_TOPMOST, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

float DisplayWindow::AreaWidth() const {
    RECT client{};
    GetClientRect(window_, &client);
    return ToSingle(client.right * twipsPerPixelX_);
}

float DisplayWindow::AreaHeight() const {
    RECT client{};
    GetClientRect(window_, &client);
    return ToSingle(client.bottom * twipsPerPixelY_);
}

void DisplayWindow::Move(float left, float top) {
    const RECT before = BlockPixels();
    blockLeft_ = left;
    blockTop_ = top;
    const RECT after = BlockPixels();
    // Many steps are a fraction of a pixel: nothing to redraw until the block lands elsewhere.
    if (window_ == nullptr || EqualRect(&before, &after)) return;
    InvalidateRect(window_, &before, FALSE);
    InvalidateRect(window_, &after, FALSE);
}

template <typename Change>
void DisplayWindow::ChangeFont(InfoLabel label, Change change) {
    Label& l = LabelOf(label);
    change(l.font);
    RebuildFont(l);
}

void DisplayWindow::RebuildFont(Label& label) {
    label.font.lfHeight = -static_cast<LONG>(RoundHalfEven(label.points * dpiY_ / 72.0));
    ScopedFont font(CreateFontIndirectA(&label.font));
    if (!font) RaiseInvalidProperty();
    label.handle = std::move(font);
    Measure(label);
    if (label.visible) InvalidateBlock();
}

void DisplayWindow::Measure(Label& label) {
    const HDC dc = measureDc_.Get();
    const ScopedSelect select(dc, label.handle.Get());
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    LONG width = 0;
    LONG lines = 0;
    ForEachLine(label.text, [&](std::string_view line) {
        SIZE extent{};
        if (!line.empty()) GetTextExtentPoint32A(dc, line.data(), static_cast<int>(line.size()), &extent);
        width = std::max(width, extent.cx);
        ++lines;
    });
    label.lineHeight = metrics.tmHeight;
    label.size = {label.text.empty() ? 0 : width, metrics.tmHeight * lines};
}

RECT DisplayWindow::BlockPixels() const {
    const auto pixels = [](double twips, double perPixel) { return static_cast<LONG>(std::floor(twips / perPixel)); };
    const LONG left = pixels(blockLeft_, twipsPerPixelX_);
    const LONG top = pixels(blockTop_, twipsPerPixelY_);
    return {left, top, left + static_cast<LONG>(std::ceil(blockWidth_ / twipsPerPixelX_)),
            top + static_cast<LONG>(std::ceil(blockHeight_ / twipsPerPixelY_))};
}

void DisplayWindow::InvalidateLabel(const Label& label) {
    if (window_ == nullptr) return;
    // Only the part of the label inside the block is ever drawn.
    const RECT block = BlockPixels();
    const LONG top = block.top + static_cast<LONG>(std::floor(label.top / twipsPerPixelY_));
    const RECT text{block.left, top, block.left + label.size.cx, top + label.size.cy};
    RECT damaged{};
    if (IntersectRect(&damaged, &text, &block)) InvalidateRect(window_, &damaged, FALSE);
}

void DisplayWindow::InvalidateBlock() {
    if (window_ == nullptr) return;
    const RECT block = BlockPixels();
    InvalidateRect(window_, &block, FALSE);
}

HDC DisplayWindow::BufferOfAtLeast(int width, int height) {
    if (width > bufferSize_.cx || height > bufferSize_.cy) {
        // Grows only: the damaged area of a moving block is about the same from paint to paint.
        const WindowDc screen(window_);
        bufferSize_ = {std::max<LONG>(width, bufferSize_.cx), std::max<LONG>(height, bufferSize_.cy)};
        ScopedBitmap bitmap(CreateCompatibleBitmap(screen.Get(), bufferSize_.cx, bufferSize_.cy));
        SelectObject(bufferDc_.Get(), bitmap.Get());
        bufferBitmap_ = std::move(bitmap);
    }
    return bufferDc_.Get();
}

void DisplayWindow::Paint(HDC target) {
    RECT area{};
    GetClipBox(target, &area);
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return;

    // Draw the damaged area off screen, then copy it in one go: no flash between fill and text.
    const HDC dc = BufferOfAtLeast(width, height);
    SetViewportOrgEx(dc, -area.left, -area.top, nullptr);
    FillRect(dc, &area, backBrush_.Get());

    const RECT block = BlockPixels();
    if (blockBackColour_ != backColour_) FillRect(dc, &block, blockBrush_.Get());
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, block.left, block.top, block.right, block.bottom);
    SetBkMode(dc, TRANSPARENT);
    for (const Label& label : labels_) {
        if (!label.visible || label.text.empty()) continue;
        const ScopedSelect selectFont(dc, label.handle.Get());
        SetTextColor(dc, ToColorRef(label.colour));
        LONG y = block.top + static_cast<LONG>(std::floor(label.top / twipsPerPixelY_));
        ForEachLine(label.text, [&](std::string_view line) {
            TextOutA(dc, block.left, y, line.data(), static_cast<int>(line.size()));
            y += label.lineHeight;
        });
    }
    RestoreDC(dc, saved);

    BitBlt(target, area.left, area.top, width, height, dc, area.left, area.top, SRCCOPY);
}

}  // namespace kelvor::win32
