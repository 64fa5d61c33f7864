#include "win32/options_window.h"

#include <commctrl.h>

#include <algorithm>

#include "win32/dialog_template.h"
#include "win32/error_barrier.h"
#include "win32/loaded_module.h"
#include "win32/resources/options_resource_ids.h"
#include "win32/window_procedure.h"

namespace kelvor::win32 {
namespace {

// The tab strip, the slider and the tooltips; comctl32 before 4.70 has only the older call.
void RegisterCommonControls(const LoadedModule& comctl) {
    if (auto* init = comctl.Find(api::InitCommonControlsEx)) {
        INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
        init(&classes);
    } else if (auto* initOlder = comctl.Find(api::InitCommonControls)) {
        initOlder();
    }
}

int ShiftState() {
    return (GetKeyState(VK_SHIFT) < 0 ? kShiftKey : 0) | (GetKeyState(VK_CONTROL) < 0 ? kCtrlKey : 0) |
           (GetKeyState(VK_MENU) < 0 ? kAltKey : 0);
}

}  // namespace

int RunOptionsDialog(HINSTANCE instance, SaverSettings& settings, WindowsFamily family, Registry& registry,
                     const std::string& commandLine) {
    OptionsWindow window(instance, settings, family, registry, commandLine);
    if (!window.Create()) return 0;
    MSG message{};
    while (window.IsOpen()) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        // The program was asked to quit, by an untrapped error among others: its code is the exit code.
        if (got == 0) return static_cast<int>(message.wParam);
        if (got < 0) break;
        if (window.TranslateKeyboard(message) || IsDialogMessageA(window.Handle(), &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

OptionsWindow::OptionsWindow(HINSTANCE instance, SaverSettings& settings, WindowsFamily family, Registry& registry,
                             std::string commandLine)
    : instance_(instance), view_(controls_),
      logic_(view_, platform_, registry, settings, family, std::move(commandLine)) {}

OptionsWindow::~OptionsWindow() {
    if (open_) DestroyWindow(controls_.dialog);
}

bool OptionsWindow::Create() {
    RegisterCommonControls(comctl32_);
    // Fixed dialog frame, caption with a close box and no minimise or maximise box, Tahoma 8; the
    // controls are made at WM_INITDIALOG.
    const DialogTemplate layout("", DS_MODALFRAME | DS_3DLOOK | WS_POPUP | WS_CAPTION | WS_SYSMENU, 0,
                                kOptionsDialogWidth, kOptionsDialogHeight, kOptionsDialogFont);
    // No owner: the dialog stands on its own, with its own taskbar button.
    const HWND dialog = CreateDialogIndirectParamA(instance_, layout.Get(), nullptr, DialogProcedureOf<OptionsWindow>,
                                                   reinterpret_cast<LPARAM>(this));
    if (dialog == nullptr) return false;
    open_ = true;
    if (loaded_) {
        ShowWindow(dialog, SW_SHOW);
        SetForegroundWindow(dialog);
    }
    return true;
}

INT_PTR OptionsWindow::Dispatch(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) controls_.dialog = dialog;
    // An error no handler traps is shown as untrapped and ends the program; the message itself
    // then gets the default handling.
    return Guarded([&] { return HandleMessage(message, wParam, lParam); }, FALSE);
}

INT_PTR OptionsWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        Initialise();
        // No control exists in the template, so the dialog manager picks the first one itself
        // when the dialog is activated.
        return FALSE;
    case WM_ACTIVATE:
        if (loaded_ && LOWORD(wParam) != WA_INACTIVE) logic_.Activate();
        return FALSE;
    case WM_COMMAND:
        if (!view_.CloseRequested()) Command(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_HSCROLL:
        if (reinterpret_cast<HWND>(lParam) == controls_.Item(kIdSlider)) logic_.SliderChanged();
        return TRUE;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->hwndFrom == controls_.tab && header->code == static_cast<UINT>(TCN_SELCHANGE))
            SelectPage(static_cast<int>(SendMessageA(controls_.tab, TCM_GETCURSEL, 0, 0)));
        return TRUE;
    }
    case WM_SETCURSOR:
        return PointerFor(reinterpret_cast<HWND>(wParam), LOWORD(lParam));
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
        return reinterpret_cast<INT_PTR>(
            view_.ControlColours(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam)));
    case WM_CLOSE:  // the close box keeps nothing
        if (!view_.CloseRequested()) logic_.CancelClicked();
        return TRUE;
    case kOptionsCloseMessage:
        DestroyWindow(controls_.dialog);
        return TRUE;
    case WM_DESTROY:
        logic_.Unload();
        open_ = false;
        return FALSE;
    default:
        return FALSE;
    }
}

void OptionsWindow::Initialise() {
    CreateOptionsControls(controls_.dialog, instance_, controls_);
    view_.SetHandCursor(LoadCursorA(instance_, MAKEINTRESOURCEA(IDC_OPTIONS_HAND)));
    platform_.SetOwner(controls_.dialog);
    loaded_ = logic_.Load();
}

void OptionsWindow::Command(int id, int code) {
    if (id == kIdMovement) {
        if (code == CBN_SELCHANGE) logic_.MovementSelected();
        return;
    }
    // Buttons and boxes report BN_CLICKED, links and the picture STN_CLICKED (the same code); the
    // picture reports a quick second press as a double click.
    if (code == BN_CLICKED || (id == kIdImage && code == STN_DBLCLK)) logic_.ControlClicked(id, ShiftState());
}

INT_PTR OptionsWindow::PointerFor(HWND under, int hitTest) {
    if (platform_.Waiting()) {
        SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
        SetWindowLongPtrA(controls_.dialog, DWLP_MSGRESULT, TRUE);
        return TRUE;
    }
    if (hitTest != HTCLIENT) return FALSE;
    const auto isOneOf = [under](const auto& windows) {
        return std::find(windows.begin(), windows.end(), under) != windows.end();
    };
    const bool surface = under == controls_.dialog || under == controls_.tab || isOneOf(controls_.pages) ||
                         isOneOf(controls_.panels);
    const ControlDefinition* control = FindOptionsControl(GetDlgCtrlID(under));
    if (control != nullptr && control->kind == ControlKind::Link)
        logic_.MouseOverLink();
    else if (surface)
        logic_.MouseOverSurface();
    else
        return FALSE;
    SetCursor(view_.PointerCursor());
    SetWindowLongPtrA(controls_.dialog, DWLP_MSGRESULT, TRUE);
    return TRUE;
}

void OptionsWindow::SelectPage(int page) { ShowOptionsPage(controls_, page); }

bool OptionsWindow::TranslateKeyboard(const MSG& message) {
    if (!open_ || (message.hwnd != controls_.dialog && !IsChild(controls_.dialog, message.hwnd))) return false;
    const int current = static_cast<int>(SendMessageA(controls_.tab, TCM_GETCURSEL, 0, 0));
    if (message.message == WM_SYSCHAR) {
        const int page = PageOfAccessKey(static_cast<char>(message.wParam));
        if (page < 0) return false;
        SelectPage(page);
        SetFocus(controls_.tab);
        return true;
    }
    if (message.message != WM_KEYDOWN || GetKeyState(VK_CONTROL) >= 0) return false;
    int step = 0;
    if (message.wParam == VK_TAB) step = GetKeyState(VK_SHIFT) < 0 ? -1 : 1;
    if (message.wParam == VK_NEXT) step = 1;
    if (message.wParam == VK_PRIOR) step = -1;
    if (step == 0) return false;
    SelectPage((current + step + kOptionsPageCount) % kOptionsPageCount);
    return true;
}

}  // namespace kelvor::win32
