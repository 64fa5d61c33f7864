#include "win32/win_options_view.h"

#include <commctrl.h>

#include <utility>

#include "common/rounding.h"
#include "win32/colour.h"
#include "win32/log_font.h"
#include "win32/screen_dpi.h"
#include "win32/window_text.h"

namespace kelvor::win32 {
namespace {

// A window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int ToPixels(double twips, double twipsPerPixel) { return static_cast<int>(RoundHalfEven(twips / twipsPerPixel)); }

}  // namespace

double WinOptionsView::TwipsPerPixelX() { return 1440.0 / ScreenDotsPerInch(LOGPIXELSX); }
double WinOptionsView::TwipsPerPixelY() { return 1440.0 / ScreenDotsPerInch(LOGPIXELSY); }
double WinOptionsView::ScreenWidth() { return GetSystemMetrics(SM_CXSCREEN) * TwipsPerPixelX(); }
double WinOptionsView::ScreenHeight() { return GetSystemMetrics(SM_CYSCREEN) * TwipsPerPixelY(); }

void WinOptionsView::SetDialogCaption(const std::string& caption) { SetWindowTextA(controls_.dialog, caption.c_str()); }

TwipRect WinOptionsView::DialogBounds() {
    RECT rect{};
    GetWindowRect(controls_.dialog, &rect);
    const double x = TwipsPerPixelX();
    const double y = TwipsPerPixelY();
    return {rect.left * x, rect.top * y, (rect.right - rect.left) * x, (rect.bottom - rect.top) * y};
}

void WinOptionsView::MoveDialog(double left, double top) {
    SetWindowPos(controls_.dialog, nullptr, ToPixels(left, TwipsPerPixelX()), ToPixels(top, TwipsPerPixelY()), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void WinOptionsView::SetLabelCaption(int label, const std::string& caption) {
    SetControlCaption(controls_, label, caption.c_str());
}

double WinOptionsView::LabelLeft(int label) { return RectInParent(controls_.Item(label)).left * TwipsPerPixelX(); }

double WinOptionsView::LabelWidth(int label) {
    const RECT rect = RectInParent(controls_.Item(label));
    return (rect.right - rect.left) * TwipsPerPixelX();
}

void WinOptionsView::SetLabelLeft(int label, double left) {
    const HWND window = controls_.Item(label);
    SetWindowPos(window, nullptr, ToPixels(left, TwipsPerPixelX()), RectInParent(window).top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void WinOptionsView::SetChecked(int box, bool checked) {
    SendMessageA(controls_.Item(box), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool WinOptionsView::IsChecked(int box) {
    return SendMessageA(controls_.Item(box), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void WinOptionsView::SetCheckEnabled(int box, bool enabled) { EnableWindow(controls_.Item(box), enabled); }

void WinOptionsView::SetDescriptionText(const std::string& text) {
    SetWindowTextA(controls_.Item(kIdDescr), text.c_str());
}

std::string WinOptionsView::DescriptionText() { return WindowText(controls_.Item(kIdDescr)); }

void WinOptionsView::SetDescriptionEnabled(bool enabled, SystemColour background) {
    descriptionColour_ = background == SystemColour::WindowBackground ? COLOR_WINDOW : COLOR_BTNFACE;
    EnableWindow(controls_.Item(kIdDescr), enabled);
    InvalidateRect(controls_.Item(kIdDescr), nullptr, TRUE);
}

void WinOptionsView::AddMovementItem(const std::string& text) {
    SendMessageA(controls_.Item(kIdMovement), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

int WinOptionsView::MovementCount() {
    return static_cast<int>(SendMessageA(controls_.Item(kIdMovement), CB_GETCOUNT, 0, 0));
}

void WinOptionsView::SelectMovement(int index) {
    SendMessageA(controls_.Item(kIdMovement), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int WinOptionsView::SelectedMovement() {
    return static_cast<int>(SendMessageA(controls_.Item(kIdMovement), CB_GETCURSEL, 0, 0));
}

void WinOptionsView::ShowMovePanel(int index, bool visible) {
    ShowWindow(controls_.panels.at(static_cast<size_t>(index)), visible ? SW_SHOW : SW_HIDE);
}

void WinOptionsView::MoveMovePanel(int index, double left, double top) {
    const RECT frame = RectInParent(controls_.Item(kIdMoveFrame));
    SetWindowPos(controls_.panels.at(static_cast<size_t>(index)), nullptr,
                 frame.left + ToPixels(left, TwipsPerPixelX()), frame.top + ToPixels(top, TwipsPerPixelY()), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void WinOptionsView::SetSliderPosition(int position) {
    SendMessageA(controls_.Item(kIdSlider), TBM_SETPOS, TRUE, position);
}

int WinOptionsView::SliderPosition() {
    return static_cast<int>(SendMessageA(controls_.Item(kIdSlider), TBM_GETPOS, 0, 0));
}

void WinOptionsView::SetSliderTooltip(const std::string& text) {
    SetControlTooltip(controls_, controls_.Item(kIdSlider), text.c_str());
}

void WinOptionsView::SetSample(const SampleFont& sample) {
    sample_ = sample;
    const LOGFONTA face = LogFontOf(sample.font);
    ScopedFont font(CreateFontIndirectA(&face));
    const HWND label = controls_.Item(kIdFontSample);
    // The label takes the new font before the one it held is deleted.
    SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
    sampleFont_ = std::move(font);
    sampleBrush_ = ScopedBrush(CreateSolidBrush(ToColorRef(sample.bgColour)));
    InvalidateRect(label, nullptr, TRUE);
}

void WinOptionsView::SetSampleCaption(const std::string& caption) {
    SetWindowTextA(controls_.Item(kIdFontSample), caption.c_str());
}

void WinOptionsView::SetPointer(MousePointer pointer) {
    pointer_ = pointer;
    SetCursor(PointerCursor());
}

HCURSOR WinOptionsView::PointerCursor() const {
    if (pointer_ == MousePointer::Hand && handCursor_ != nullptr) return handCursor_;
    return LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
}

void WinOptionsView::ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) {
    UINT style = MB_OK;
    if (icon == MessageIcon::Critical) style |= MB_ICONERROR;
    if (icon == MessageIcon::Warning) style |= MB_ICONWARNING;
    // A dialog that is not shown yet (a failed load) cannot own the box.
    const HWND owner = IsWindowVisible(controls_.dialog) ? controls_.dialog : nullptr;
    MessageBoxA(owner, text.c_str(), title.c_str(), style);
}

void WinOptionsView::CloseDialog() {
    closeRequested_ = true;
    PostMessageA(controls_.dialog, kOptionsCloseMessage, 0, 0);
}

HBRUSH WinOptionsView::ControlColours(HWND control, HDC dc) const {
    if (control == controls_.Item(kIdFontSample) && sampleBrush_.Get() != nullptr) {
        SetTextColor(dc, ToColorRef(sample_.font.colour));
        SetBkColor(dc, ToColorRef(sample_.bgColour));
        return sampleBrush_.Get();
    }
    if (control == controls_.Item(kIdWebsite) || control == controls_.Item(kIdEmail)) {
        SetTextColor(dc, RGB(0, 0, 255));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return GetSysColorBrush(COLOR_BTNFACE);
    }
    if (control == controls_.Item(kIdDescr)) {
        SetBkColor(dc, GetSysColor(descriptionColour_));
        return GetSysColorBrush(descriptionColour_);
    }
    return nullptr;
}

}  // namespace kelvor::win32
