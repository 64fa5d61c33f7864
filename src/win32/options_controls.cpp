#include "win32/options_controls.h"

#include <commctrl.h>

#include <string>

#include "win32/gdi_scopes.h"
#include "win32/resources/resource_ids.h"
#include "win32/window_text.h"

namespace kelvor::win32 {
namespace {

constexpr char kPageClass[] = "KelvorOptionsPage";

// The window class and styles that make a control of each kind.
struct ControlStyle {
    const char* className;
    DWORD style;
    DWORD extendedStyle;
};

ControlStyle StyleOf(ControlKind kind) {
    constexpr DWORD kText = SS_LEFT | SS_NOPREFIX;
    switch (kind) {
        case ControlKind::Label: return {"STATIC", SS_LEFT, 0};
        case ControlKind::TextLabel:
        case ControlKind::TitleLabel:
        case ControlKind::FittedLabel: return {"STATIC", kText, 0};
        case ControlKind::Link: return {"STATIC", SS_LEFT | SS_NOTIFY, 0};
        case ControlKind::CheckBox: return {"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0};
        case ControlKind::Button: return {"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
        case ControlKind::DefaultButton: return {"BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, 0};
        // Frames come after their contents and clip them out, so that they never paint over them.
        case ControlKind::Frame: return {"BUTTON", BS_GROUPBOX | WS_CLIPSIBLINGS, 0};
        case ControlKind::Separator: return {"STATIC", SS_ETCHEDHORZ, 0};
        case ControlKind::TextBox: return {"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
        case ControlKind::DropDownList: return {"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0};
        case ControlKind::Slider: return {TRACKBAR_CLASSA, TBS_HORZ | TBS_AUTOTICKS | WS_TABSTOP, 0};
        case ControlKind::Sample: return {"STATIC", SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX, WS_EX_STATICEDGE};
        case ControlKind::Picture: return {"STATIC", SS_ICON | SS_NOTIFY, 0};
    }
    return {"STATIC", SS_LEFT, 0};
}

bool SizedToText(ControlKind kind) { return kind == ControlKind::FittedLabel || kind == ControlKind::Link; }

// Pages and panels hand their controls' notifications to the dialog, which handles them all.
LRESULT CALLBACK PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
        return SendMessageA(GetParent(window), message, wParam, lParam);
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

void RegisterPageClass(HINSTANCE instance) {
    WNDCLASSA page{};
    if (GetClassInfoA(instance, kPageClass, &page)) return;
    page.lpfnWndProc = PageProc;
    page.hInstance = instance;
    page.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    page.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    page.lpszClassName = kPageClass;
    RegisterClassA(&page);
}

RECT DialogUnits(HWND dialog, const DialogUnitRect& place) {
    RECT rect{place.x, place.y, place.x + place.width, place.y + place.height};
    MapDialogRect(dialog, &rect);
    return rect;
}

// Widens or narrows a label to its text in its own font.
void FitLabelToText(HWND label) {
    const std::string text = WindowText(label);
    SIZE extent{};
    {
        const WindowDc dc(label);
        const ScopedSelect font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageA(label, WM_GETFONT, 0, 0)));
        GetTextExtentPoint32A(dc.Get(), text.data(), static_cast<int>(text.size()), &extent);
    }
    RECT rect{};
    GetClientRect(label, &rect);
    SetWindowPos(label, nullptr, 0, 0, extent.cx, rect.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND CreateChild(const char* className, const char* caption, DWORD style, DWORD exStyle, HWND parent, int id,
                 const RECT& rect, HINSTANCE instance, HFONT font) {
    HWND child = CreateWindowExA(exStyle, className, caption, WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
                                 rect.right - rect.left, rect.bottom - rect.top, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return child;
}

ScopedFont VariantOf(HFONT font, bool bold, bool underline, int heightPercent) {
    LOGFONTA face{};
    GetObjectA(font, sizeof(face), &face);
    lstrcpynA(face.lfFaceName, "Tahoma", LF_FACESIZE);
    if (bold) face.lfWeight = FW_BOLD;
    face.lfUnderline = underline ? TRUE : FALSE;
    face.lfHeight = face.lfHeight * heightPercent / 100;
    return ScopedFont(CreateFontIndirectA(&face));
}

void AddTooltip(const OptionsControls& controls, HWND control, const char* text) {
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = controls.dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<char*>(text);
    SendMessageA(controls.tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void CreatePagesAndPanels(HWND dialog, HINSTANCE instance, OptionsControls& controls, HFONT font) {
    RECT area{};
    GetClientRect(controls.tab, &area);
    SendMessageA(controls.tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    MapWindowPoints(controls.tab, dialog, reinterpret_cast<POINT*>(&area), 2);
    for (int i = 0; i < kOptionsPageCount; ++i) {
        controls.pages[static_cast<size_t>(i)] =
            CreateChild(kPageClass, "", WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, dialog, kIdPageFirst + i, area,
                        instance, font);
        // Above the tab strip, so that the pages come first for the Tab key and paint over the strip.
        SetWindowPos(controls.pages[static_cast<size_t>(i)], HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
    const RECT panel = DialogUnits(dialog, kMovePanelArea);
    for (int i = 0; i < kMovePanelCount; ++i)
        controls.panels[static_cast<size_t>(i)] = CreateChild(kPageClass, "", 0, WS_EX_CONTROLPARENT,
                                                              controls.pages[1], kIdPanelFirst + i, panel, instance,
                                                              font);
}

HWND ContainerOf(const OptionsControls& controls, int container) {
    if (container == kOnDialog) return controls.dialog;
    if (container >= kOnPanel0) return controls.panels[static_cast<size_t>(container - kOnPanel0)];
    return controls.pages[static_cast<size_t>(container)];
}

// What a control of some kinds needs beyond its window: a font of its own, its icon, its size.
void FinishControl(const ControlDefinition& control, HWND window, const OptionsControls& controls,
                   HINSTANCE instance) {
    switch (control.kind) {
        case ControlKind::TitleLabel:
            SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(controls.titleFont.Get()), FALSE);
            break;
        case ControlKind::Link:
            SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(controls.linkFont.Get()), FALSE);
            break;
        case ControlKind::Slider: SendMessageA(window, TBM_SETRANGE, TRUE, MAKELPARAM(kSliderMin, kSliderMax)); break;
        case ControlKind::Picture: {
            const HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_KELVOR));
            SendMessageA(window, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
            break;
        }
        default: break;
    }
    if (SizedToText(control.kind)) FitLabelToText(window);
    if (control.tooltip != nullptr) AddTooltip(controls, window, control.tooltip);
}

}  // namespace

void CreateOptionsControls(HWND dialog, HINSTANCE instance, OptionsControls& controls) {
    RegisterPageClass(instance);
    controls.dialog = dialog;
    const auto font = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    controls.titleFont = VariantOf(font, true, false, 125);
    controls.linkFont = VariantOf(font, false, true, 100);
    controls.tooltip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr,
                                       instance, nullptr);

    controls.tab = CreateChild(WC_TABCONTROLA, "", WS_TABSTOP | WS_CLIPSIBLINGS, 0, dialog, kIdTab,
                               DialogUnits(dialog, kOptionsTabStrip), instance, font);
    for (int i = 0; i < kOptionsPageCount; ++i) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(kOptionsPageCaptions[i]);
        SendMessageA(controls.tab, TCM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    CreatePagesAndPanels(dialog, instance, controls, font);

    for (const ControlDefinition& control : OptionsControlDefinitions()) {
        const ControlStyle style = StyleOf(control.kind);
        const HWND window =
            CreateChild(style.className, control.caption, style.style, style.extendedStyle,
                        ContainerOf(controls, control.container), control.id,
                        DialogUnits(dialog, {control.x, control.y, control.width, control.height}), instance, font);
        controls.items[control.id] = window;
        FinishControl(control, window, controls, instance);
    }

    // The option panels were made before the animation list: put them after it, so that the Tab
    // key reaches the list before the slider on the panel below it.
    HWND previous = controls.Item(kIdMovement);
    for (const HWND panel : controls.panels) {
        SetWindowPos(panel, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = panel;
    }
    ShowOptionsPage(controls, 0);
}

void ShowOptionsPage(OptionsControls& controls, int page) {
    if (SendMessageA(controls.tab, TCM_GETCURSEL, 0, 0) != page)
        SendMessageA(controls.tab, TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
    const HWND focus = GetFocus();
    for (int i = 0; i < kOptionsPageCount; ++i) {
        const HWND window = controls.pages[static_cast<size_t>(i)];
        if (i == page) {
            ShowWindow(window, SW_SHOW);
        } else {
            if (focus != nullptr && IsChild(window, focus)) SetFocus(controls.tab);
            ShowWindow(window, SW_HIDE);
        }
    }
}

void SetControlCaption(const OptionsControls& controls, int id, const char* caption) {
    const HWND control = controls.Item(id);
    SetWindowTextA(control, caption);
    const ControlDefinition* definition = FindOptionsControl(id);
    if (definition != nullptr && SizedToText(definition->kind)) FitLabelToText(control);
}

void SetControlTooltip(const OptionsControls& controls, HWND control, const char* text) {
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = controls.dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<char*>(text);
    SendMessageA(controls.tooltip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace kelvor::win32
