#include "win32/options_controls.h"

#include <commctrl.h>

#include <string>

#include "options/about_texts.h"
#include "win32/resources/resource_ids.h"
#include "win32/window_text.h"
#include "settings/saver_settings.h"

namespace kelvor::win32 {
namespace {

constexpr char kPageClass[] = "KelvorOptionsPage";

// Where a control lives: the dialog itself, one of the tab pages or one of the animation panels.
constexpr int kOnDialog = -1;
constexpr int kOnPage0 = 0;
constexpr int kOnPanel0 = 10;

struct ControlDefinition {
    int id;
    const char* className;
    const char* caption;
    DWORD style;
    DWORD exStyle;
    int parent;
    short x, y, cx, cy;  // dialog units inside the parent
};

constexpr DWORD kLabel = SS_LEFT;
constexpr DWORD kCheck = BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
// Frames come after their contents and clip them out, so that they never paint over them.
constexpr DWORD kFrame = BS_GROUPBOX | WS_CLIPSIBLINGS;
constexpr DWORD kLink = SS_LEFT | SS_NOTIFY;
constexpr DWORD kSeparator = SS_ETCHEDHORZ;

// In creation order, which is also the order of the Tab key.
const ControlDefinition kControls[] = {
    // "&Display"
    {kIdSelectLabel, "STATIC", "Select information to be displayed:", kLabel, 0, kOnPage0, 10, 12, 200, 8},
    {kIdDisplayFirst + 0, "BUTTON", "Computer Name", kCheck, 0, kOnPage0, 12, 24, 110, 10},
    {kIdDisplayFirst + 1, "BUTTON", "Current Time", kCheck, 0, kOnPage0, 12, 35, 110, 10},
    {kIdDisplayFirst + 2, "BUTTON", "Computer Uptime", kCheck, 0, kOnPage0, 12, 46, 110, 10},
    {kIdDisplayFirst + 3, "BUTTON", "Computer Start Time", kCheck, 0, kOnPage0, 12, 57, 110, 10},
    {kIdDisplayFirst + 4, "BUTTON", "Memory Usage", kCheck, 0, kOnPage0, 128, 24, 110, 10},
    {kIdDisplayFirst + 5, "BUTTON", "CPU Usage", kCheck, 0, kOnPage0, 128, 35, 110, 10},
    {kIdDisplayFirst + 6, "BUTTON", "Network Activity", kCheck, 0, kOnPage0, 128, 46, 110, 10},
    {kIdDisplayFirst + 7, "BUTTON", "Description", kCheck, 0, kOnPage0, 12, 72, 56, 10},
    {kIdDescr, "EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, kOnPage0, 70, 71, 168, 12},
    {kIdDisplayFrame, "BUTTON", "Display Options", kFrame, 0, kOnPage0, 4, 2, 240, 88},
    {kIdFontSample, "STATIC", "", SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX, WS_EX_STATICEDGE, kOnPage0, 10, 106, 160, 62},
    {kIdSetFont, "BUTTON", "Set &Font...", kButton, 0, kOnPage0, 178, 106, 60, 14},
    {kIdSetBgColour, "BUTTON", "&Background...", kButton, 0, kOnPage0, 178, 124, 60, 14},
    {kIdFontFrame, "BUTTON", "Display Font", kFrame, 0, kOnPage0, 4, 94, 240, 80},
    // "A&nimation"
    {kIdMoveIntro, "STATIC",
     "Select the type of animation to be used for moving the screen saver text around on the screen:", kLabel, 0,
     kOnPage0 + 1, 10, 14, 228, 18},
    {kIdTypeLabel, "STATIC", "&type", kLabel, 0, kOnPage0 + 1, 10, 38, 18, 8},
    {kIdMovement, "COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, kOnPage0 + 1, 30, 36, 120, 90},
    {kIdMove0Descr, "STATIC", "Text is displayed for several seconds at random places on the screen.", kLabel, 0,
     kOnPanel0 + 0, 0, 0, 190, 20},
    {kIdMove1Descr, "STATIC", "Text slowly moves around the screen, from one random point to antoher.", kLabel, 0,
     kOnPanel0 + 1, 0, 0, 190, 20},
    {kIdMove2Descr, "STATIC", "Text slowly moves around the screen, bouncing off the sides of the screen.", kLabel,
     0, kOnPanel0 + 2, 0, 0, 190, 20},
    {kIdBounceLabel, "STATIC", "bounce randomness", kLabel, 0, kOnPanel0 + 2, 0, 30, 80, 8},
    {kIdSlider, TRACKBAR_CLASSA, "", TBS_HORZ | TBS_AUTOTICKS | WS_TABSTOP, 0, kOnPanel0 + 2, 82, 26, 106, 18},
    {kIdMove3Descr, "STATIC", "Text follows a random path around the screen.", kLabel, 0, kOnPanel0 + 3, 0, 0, 190,
     20},
    {kIdMove4Descr, "STATIC", "Text is displayed in the centre of the screen.", kLabel, 0, kOnPanel0 + 4, 0, 0, 190,
     20},
    {kIdMoveFrame, "BUTTON", "Animation Type", kFrame, 0, kOnPage0 + 1, 4, 2, 240, 172},
    // "&Other"
    {kId24Hour, "BUTTON", "24 hour format", kCheck, 0, kOnPage0 + 2, 10, 14, 200, 10},
    {kIdTimeNote, "STATIC",
     "This will cause all times to be displayed in 24 hour format (ie, 15:06:10, instead of 3:06:10 pm).", kLabel, 0,
     kOnPage0 + 2, 10, 27, 228, 18},
    {kIdTimeFrame, "BUTTON", "Time Format", kFrame, 0, kOnPage0 + 2, 4, 2, 240, 48},
    {kIdMouseFirst + 0, "BUTTON", "Ignore Mouse Movements", kCheck, 0, kOnPage0 + 2, 10, 64, 200, 10},
    {kIdMouseFirst + 1, "BUTTON", "Ignore Mouse Clicks", kCheck, 0, kOnPage0 + 2, 10, 76, 200, 10},
    {kIdMouseFrame, "BUTTON", "Mouse Options (Win 9x only)", kFrame, 0, kOnPage0 + 2, 4, 52, 240, 40},
    {kIdSetAsDefault, "BUTTON", "Set This As Default Screen Saver For All Users", kCheck, 0, kOnPage0 + 2, 10, 106,
     228, 10},
    {kIdDefaultNote, "STATIC",
     "This will set this screen saver as the default screen saver for all users, and the screen saver when no user "
     "is logged into the console.",
     kLabel, 0, kOnPage0 + 2, 10, 119, 228, 26},
    {kIdDefaultFrame, "BUTTON", "Default Screen Saver (WinNT only)", kFrame, 0, kOnPage0 + 2, 4, 94, 240, 56},
    // "&About"
    {kIdImage, "STATIC", "", SS_ICON | SS_NOTIFY, 0, kOnPage0 + 3, 10, 8, 21, 20},
    {kIdAppName, "STATIC", kApplicationTitle, kLabel | SS_NOPREFIX, 0, kOnPage0 + 3, 38, 8, 200, 12},
    {kIdVersion, "STATIC", "", kLabel | SS_NOPREFIX, 0, kOnPage0 + 3, 38, 22, 200, 8},
    {kIdSeparator1, "STATIC", "", kSeparator, 0, kOnPage0 + 3, 4, 36, 240, 2},
    {kIdVisit, "STATIC", "visit the", kLabel | SS_NOPREFIX, 0, kOnPage0 + 3, 10, 44, 100, 8},
    {kIdWebsite, "STATIC", kWebsiteCaption, kLink, 0, kOnPage0 + 3, 120, 44, 40, 8},
    {kIdCopyright, "STATIC", kCopyrightLine, kLabel | SS_NOPREFIX, 0, kOnPage0 + 3, 10, 56, 100, 8},
    {kIdEmail, "STATIC", kAuthorName, kLink, 0, kOnPage0 + 3, 120, 56, 80, 8},
    {kIdRights, "STATIC", kRightsLine, kLabel, 0, kOnPage0 + 3, 10, 66, 228, 8},
    {kIdSeparator2, "STATIC", "", kSeparator, 0, kOnPage0 + 3, 4, 80, 240, 2},
    {kIdLicence, "STATIC", kLicenceNotice, kLabel, 0, kOnPage0 + 3, 10, 88, 228, 32},
    {kIdEEgg, "STATIC", "", kLabel | SS_NOPREFIX, 0, kOnPage0 + 3, 10, 126, 228, 40},
};

constexpr const char* kTabCaptions[kOptionsPageCount] = {"&Display", "A&nimation", "&Other", "&About"};

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

RECT DialogUnits(HWND dialog, short x, short y, short cx, short cy) {
    RECT rect{x, y, x + cx, y + cy};
    MapDialogRect(dialog, &rect);
    return rect;
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
    const RECT panel = DialogUnits(dialog, 30, 64, 190, 60);
    for (int i = 0; i < kMovePanelCount; ++i)
        controls.panels[static_cast<size_t>(i)] = CreateChild(kPageClass, "", 0, WS_EX_CONTROLPARENT,
                                                              controls.pages[1], kIdPanelFirst + i, panel, instance,
                                                              font);
}

}  // namespace

void CreateOptionsControls(HWND dialog, HINSTANCE instance, OptionsControls& controls) {
    RegisterPageClass(instance);
    controls.dialog = dialog;
    const auto font = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    controls.titleFont = VariantOf(font, true, false, 125);
    controls.linkFont = VariantOf(font, false, true, 100);

    controls.tab = CreateChild(WC_TABCONTROLA, "", WS_TABSTOP | WS_CLIPSIBLINGS, 0, dialog, kIdTab,
                               DialogUnits(dialog, 6, 6, 258, 196), instance, font);
    for (int i = 0; i < kOptionsPageCount; ++i) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(kTabCaptions[i]);
        SendMessageA(controls.tab, TCM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    controls.items[IDOK] = CreateChild("BUTTON", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 0, dialog, IDOK,
                                       DialogUnits(dialog, 156, 208, 50, 15), instance, font);
    controls.items[IDCANCEL] = CreateChild("BUTTON", "Cancel", BS_PUSHBUTTON | WS_TABSTOP, 0, dialog, IDCANCEL,
                                           DialogUnits(dialog, 212, 208, 50, 15), instance, font);
    CreatePagesAndPanels(dialog, instance, controls, font);

    for (const ControlDefinition& control : kControls) {
        HWND parent = control.parent >= kOnPanel0
                          ? controls.panels[static_cast<size_t>(control.parent - kOnPanel0)]
                      : control.parent == kOnDialog ? dialog
                                                    : controls.pages[static_cast<size_t>(control.parent)];
        controls.items[control.id] =
            CreateChild(control.className, control.caption, control.style, control.exStyle, parent, control.id,
                        DialogUnits(dialog, control.x, control.y, control.cx, control.cy), instance, font);
    }

    // The option panels were made before the animation list: put them after it, so that the Tab
    // key reaches the list before the slider on the panel below it.
    HWND previous = controls.Item(kIdMovement);
    for (const HWND panel : controls.panels) {
        SetWindowPos(panel, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = panel;
    }

    SendMessageA(controls.Item(kIdSlider), TBM_SETRANGE, TRUE, MAKELPARAM(0, 10));
    SendMessageA(controls.Item(kIdAppName), WM_SETFONT, reinterpret_cast<WPARAM>(controls.titleFont.Get()), FALSE);
    for (const int link : {kIdWebsite, kIdEmail})
        SendMessageA(controls.Item(link), WM_SETFONT, reinterpret_cast<WPARAM>(controls.linkFont.Get()), FALSE);
    for (const int label : {kIdVisit, kIdWebsite, kIdCopyright, kIdEmail}) FitLabelToText(controls.Item(label));
    const HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_KELVOR));
    SendMessageA(controls.Item(kIdImage), STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);

    controls.tooltip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr,
                                       instance, nullptr);
    AddTooltip(controls, controls.Item(kIdSlider), "");
    AddTooltip(controls, controls.Item(kIdWebsite), kWebsiteTooltip);
    AddTooltip(controls, controls.Item(kIdEmail), kEmailTooltip);

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

void SetControlTooltip(const OptionsControls& controls, HWND control, const char* text) {
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = controls.dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<char*>(text);
    SendMessageA(controls.tooltip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace kelvor::win32
