#include "win32/win_options_platform.h"

#include <commdlg.h>

#include "win32/colour.h"
#include "win32/log_font.h"

namespace kelvor::win32 {
namespace {

HWND ToWindow(WindowId window) { return reinterpret_cast<HWND>(window); }

// Both dialogs take their title from the custom data that the hook receives with WM_INITDIALOG.
UINT_PTR CALLBACK FontTitleHook(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG)
        SetWindowTextA(dialog, reinterpret_cast<const char*>(reinterpret_cast<CHOOSEFONTA*>(lParam)->lCustData));
    return 0;
}

UINT_PTR CALLBACK ColourTitleHook(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG)
        SetWindowTextA(dialog, reinterpret_cast<const char*>(reinterpret_cast<CHOOSECOLORA*>(lParam)->lCustData));
    return 0;
}

}  // namespace

WindowId WinOptionsPlatform::FindWindowByTitle(const std::string& title) {
    return reinterpret_cast<WindowId>(FindWindowA(nullptr, title.c_str()));
}

void WinOptionsPlatform::EnableWindow(WindowId window, bool enabled) { ::EnableWindow(ToWindow(window), enabled); }

bool WinOptionsPlatform::GetWindowRect(WindowId window, PixelRect& rect) {
    RECT screen{};
    if (!::GetWindowRect(ToWindow(window), &screen)) return false;
    rect = {screen.left, screen.top, screen.right, screen.bottom};
    return true;
}

intptr_t WinOptionsPlatform::ShellOpen(const std::string& link) {
    auto* const shellExecute = shell32_.Find(api::ShellExecute);
    if (shellExecute == nullptr) return 0;
    return reinterpret_cast<intptr_t>(shellExecute(nullptr, "open", link.c_str(), "", nullptr, SW_SHOWNORMAL));
}

int32_t WinOptionsPlatform::LastError() { return static_cast<int32_t>(GetLastError()); }

bool WinOptionsPlatform::PickFont(const std::string& title, uint32_t flags, FontDescription& choice) {
    auto* const chooseFont = comdlg32_.Find(api::ChooseFont);
    if (chooseFont == nullptr) return false;
    LOGFONTA face = LogFontOf(choice);
    CHOOSEFONTA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner_;
    dialog.lpLogFont = &face;
    dialog.Flags = flags | CF_INITTOLOGFONTSTRUCT | CF_ENABLEHOOK;
    // Preset with the colour the sample shows, a system colour included.
    dialog.rgbColors = ToColorRef(choice.colour);
    dialog.lCustData = reinterpret_cast<LPARAM>(title.c_str());
    dialog.lpfnHook = FontTitleHook;
    if (!chooseFont(&dialog)) return false;

    choice.name = face.lfFaceName;
    choice.size = dialog.iPointSize / 10.0;
    choice.bold = face.lfWeight >= FW_SEMIBOLD;
    choice.italic = face.lfItalic != 0;
    choice.strikethru = face.lfStrikeOut != 0;
    choice.underline = face.lfUnderline != 0;
    choice.colour = static_cast<int32_t>(dialog.rgbColors);
    return true;
}

bool WinOptionsPlatform::PickColour(const std::string& title, uint32_t flags, int32_t& colour) {
    auto* const chooseColor = comdlg32_.Find(api::ChooseColor);
    if (chooseColor == nullptr) return false;
    CHOOSECOLORA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner_;
    dialog.rgbResult = ToColorRef(colour);
    dialog.lpCustColors = customColours_.data();
    dialog.Flags = flags | CC_ENABLEHOOK;
    dialog.lCustData = reinterpret_cast<LPARAM>(title.c_str());
    dialog.lpfnHook = ColourTitleHook;
    if (!chooseColor(&dialog)) return false;
    colour = static_cast<int32_t>(dialog.rgbResult);
    return true;
}

void WinOptionsPlatform::SetWaitPointer(bool waiting) {
    waiting_ = waiting;
    SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(waiting ? IDC_WAIT : IDC_ARROW)));
}

}  // namespace kelvor::win32
