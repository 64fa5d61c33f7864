#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "settings/registry_helpers.h"
#include "settings/saver_settings.h"
#include "win32/options_window.h"
#include "win32/resources/options_resource_ids.h"
#include "win32/win_registry.h"

namespace kelvor::win32 {
namespace {

constexpr char kDesktop[] = ".DEFAULT\\Control Panel\\Desktop";

std::string TextOf(HWND window) {
    std::vector<char> text(512);
    GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}

bool HasStyle(HWND window, LONG style) { return (GetWindowLongA(window, GWL_STYLE) & style) == style; }

LOGFONTA FontOf(HWND window) {
    LOGFONTA face{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof(face), &face);
    return face;
}

// The real dialog on the real registry: each test starts without settings and puts the default
// user's screen saver back as it found it.
class OptionsDialogWindow : public ::testing::Test {
protected:
    void SetUp() override {
        RemoveSettings();
        hadDefaultSaver = ReadRegString(registry, RegistryRoot::Users, kDesktop, "SCRNSAVE.EXE", defaultSaver);
        settings.FontName = "Verdana";
        settings.FontSize = 10;
        settings.FontColour = 16777215;
        settings.DisplayItems = 127;
        settings.Descr = "kept";
        settings.MouseSettings = 3;
        settings.MoveOption = 2;
        settings.MoveEBRandom = 4;
    }
    void TearDown() override {
        window.reset();
        RemoveSettings();
        HKEY key = nullptr;
        if (RegOpenKeyA(HKEY_USERS, kDesktop, &key) == ERROR_SUCCESS) {
            if (hadDefaultSaver)
                RegSetValueExA(key, "SCRNSAVE.EXE", 0, REG_SZ, reinterpret_cast<const BYTE*>(defaultSaver.c_str()),
                               static_cast<DWORD>(defaultSaver.size() + 1));
            else
                RegDeleteValueA(key, "SCRNSAVE.EXE");
            RegCloseKey(key);
        }
    }

    static void RemoveSettings() {
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\Kelvor Screen Saver\\Settings");
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\Kelvor Screen Saver");
    }

    OptionsWindow& Open(WindowsFamily family = WindowsFamily::Nt) {
        window = std::make_unique<OptionsWindow>(GetModuleHandleA(nullptr), settings, family, registry, "/c:77");
        EXPECT_TRUE(window->Create());
        Pump();
        return *window;
    }

    void Pump() {
        MSG message{};
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (window != nullptr && window->IsOpen() && IsDialogMessageA(window->Handle(), &message)) continue;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }

    void ChooseTab(int index) {
        SendMessageA(window->Tab(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
        NMHDR header{window->Tab(), kIdTab, static_cast<UINT>(TCN_SELCHANGE)};
        SendMessageA(window->Handle(), WM_NOTIFY, kIdTab, reinterpret_cast<LPARAM>(&header));
    }

    std::vector<int> VisiblePanels() const {
        std::vector<int> visible;
        for (int i = 0; i < kMovePanelCount; ++i)
            if (HasStyle(window->Panel(i), WS_VISIBLE)) visible.push_back(i);
        return visible;
    }

    WinRegistry registry;
    SaverSettings settings;
    std::unique_ptr<OptionsWindow> window;
    std::string defaultSaver;
    bool hadDefaultSaver = false;
};

TEST_F(OptionsDialogWindow, ControlsCarryTheirCaptionsAndStates) {
    OptionsWindow& dialog = Open();
    const HWND handle = dialog.Handle();
    EXPECT_EQ(TextOf(handle), "Kelvor Screen Saver Setup");
    EXPECT_TRUE(IsWindowVisible(handle));
    EXPECT_EQ(GetWindow(handle, GW_OWNER), nullptr);
    EXPECT_TRUE(HasStyle(handle, WS_CAPTION | WS_SYSMENU));
    EXPECT_FALSE(HasStyle(handle, WS_MINIMIZEBOX) || HasStyle(handle, WS_MAXIMIZEBOX) || HasStyle(handle, WS_THICKFRAME));
    EXPECT_STREQ(FontOf(handle).lfFaceName, "Tahoma");
    EXPECT_EQ(SendMessageA(handle, DM_GETDEFID, 0, 0), MAKELRESULT(IDOK, DC_HASDEFID));

    const std::map<int, std::string> captions = {
        {IDOK, "OK"}, {IDCANCEL, "Cancel"}, {kIdDisplayFrame, "Display Options"},
        {kIdSelectLabel, "Select information to be displayed:"}, {kIdDisplayFirst, "Computer Name"},
        {kIdDisplayFirst + 3, "Computer Start Time"}, {kIdDisplayFirst + 6, "Network Activity"},
        {kIdDisplayFirst + 7, "Description"}, {kIdExtraFirst, "&IP Address"}, {kIdExtraFirst + 1, "&System Version"},
        {kIdFontFrame, "Display Font"}, {kIdSetFont, "Set &Font..."},
        {kIdSetBgColour, "&Background..."}, {kIdMoveFrame, "Animation Type"}, {kIdTypeLabel, "&type"},
        {kIdMove1Descr, "Text slowly moves around the screen, from one random point to antoher."},
        {kIdBounceLabel, "bounce randomness"}, {kIdMove4Descr, "Text is displayed in the centre of the screen."},
        {kIdTimeFrame, "Time Format"}, {kId24Hour, "24 hour format"},
        {kIdMouseFrame, "Mouse Options (Win 9x only)"}, {kIdMouseFirst, "Ignore Mouse Movements"},
        {kIdMouseFirst + 1, "Ignore Mouse Clicks"}, {kIdDefaultFrame, "Default Screen Saver (WinNT only)"},
        {kIdSetAsDefault, "Set This As Default Screen Saver For All Users"}, {kIdAppName, "Kelvor Screen Saver"},
        {kIdVersion, "version 1.4 rev 5  (14 January 2004)"}, {kIdVisit, "visit the Kelvor Screen Saver"},
        {kIdWebsite, "website"}, {kIdFontSample, "Verdana regular 10 point"}, {kIdEEgg, ""}};
    for (const auto& [id, caption] : captions) EXPECT_EQ(TextOf(dialog.Control(id)), caption) << id;

    const char* tabs[] = {"&Display", "A&nimation", "&Other", "&About"};
    ASSERT_EQ(SendMessageA(dialog.Tab(), TCM_GETITEMCOUNT, 0, 0), 4);
    for (int i = 0; i < 4; ++i) {
        char text[64] = {};
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof(text);
        SendMessageA(dialog.Tab(), TCM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        EXPECT_STREQ(text, tabs[i]);
        EXPECT_EQ(IsWindowVisible(dialog.Page(i)) != FALSE, i == 0) << i;
    }
    EXPECT_EQ(SendMessageA(dialog.Tab(), TCM_GETCURSEL, 0, 0), 0);

    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(SendMessageA(dialog.Control(kIdDisplayFirst + i), BM_GETCHECK, 0, 0), i < 7 ? BST_CHECKED : 0);
    EXPECT_EQ(TextOf(dialog.Control(kIdDescr)), "kept");
    EXPECT_FALSE(IsWindowEnabled(dialog.Control(kIdDescr)));
    for (int i = 0; i < 2; ++i) {  // NT: the mouse boxes are off whatever was stored
        EXPECT_FALSE(IsWindowEnabled(dialog.Control(kIdMouseFirst + i)));
        EXPECT_EQ(SendMessageA(dialog.Control(kIdMouseFirst + i), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    }
    EXPECT_TRUE(IsWindowEnabled(dialog.Control(kIdSetAsDefault)));
    EXPECT_EQ(SendMessageA(dialog.Control(kIdMovement), CB_GETCOUNT, 0, 0), 5);
    EXPECT_EQ(SendMessageA(dialog.Control(kIdMovement), CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(VisiblePanels(), std::vector<int>{2});
    EXPECT_EQ(SendMessageA(dialog.Control(kIdSlider), TBM_GETRANGEMIN, 0, 0), 0);
    EXPECT_EQ(SendMessageA(dialog.Control(kIdSlider), TBM_GETRANGEMAX, 0, 0), 10);
    EXPECT_EQ(SendMessageA(dialog.Control(kIdSlider), TBM_GETPOS, 0, 0), 4);

    const LOGFONTA title = FontOf(dialog.Control(kIdAppName));
    EXPECT_STREQ(title.lfFaceName, "Tahoma");
    EXPECT_GE(title.lfWeight, FW_BOLD);
    const LOGFONTA link = FontOf(dialog.Control(kIdEmail));
    EXPECT_STREQ(link.lfFaceName, "Tahoma");
    EXPECT_TRUE(link.lfUnderline);
    EXPECT_NE(SendMessageA(dialog.Control(kIdImage), STM_GETICON, 0, 0), 0);

    // The links follow their lead-in text after 60 twips, 4 pixels at 96 dots per inch.
    RECT visit{}, website{};
    GetWindowRect(dialog.Control(kIdVisit), &visit);
    GetWindowRect(dialog.Control(kIdWebsite), &website);
    EXPECT_EQ(website.left - visit.right, 4);
}

TEST_F(OptionsDialogWindow, HiddenClickOnThePictureWantsShiftCtrlAndAlt) {
    OptionsWindow& dialog = Open();
    ChooseTab(3);
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    const auto press = [&](bool withShift) {
        keys[VK_SHIFT] = withShift ? 0x80 : 0;
        keys[VK_CONTROL] = keys[VK_MENU] = 0x80;
        SetKeyboardState(keys);
        SendMessageA(dialog.Control(kIdImage), WM_LBUTTONDOWN, MK_LBUTTON, 0);
        SendMessageA(dialog.Control(kIdImage), WM_LBUTTONUP, 0, 0);
    };
    press(false);
    EXPECT_EQ(TextOf(dialog.Control(kIdEEgg)), "");
    press(true);
    EXPECT_EQ(TextOf(dialog.Control(kIdEEgg)), "/c:77");
    keys[VK_SHIFT] = keys[VK_CONTROL] = keys[VK_MENU] = 0;
    SetKeyboardState(keys);
}

TEST_F(OptionsDialogWindow, HandPointerOverTheLinks) {
    OptionsWindow& dialog = Open();
    const auto hand = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_OPTIONS_HAND));
    ASSERT_NE(hand, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(hand, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 13u);
    EXPECT_EQ(info.yHotspot, 5u);
    BITMAP mask{};
    GetObjectA(info.hbmMask, sizeof(mask), &mask);
    EXPECT_EQ(mask.bmWidth, 32);
    DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);

    ChooseTab(3);
    SendMessageA(dialog.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(dialog.Control(kIdEmail)),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), hand);
    SendMessageA(dialog.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(dialog.Page(3)),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_NE(GetCursor(), hand);
}

TEST_F(OptionsDialogWindow, TheHourglassStandsOverTheWholeDialogWhileALinkOpens) {
    OptionsWindow& dialog = Open();
    ChooseTab(3);
    const HCURSOR hourglass = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT));
    const HCURSOR hand = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_OPTIONS_HAND));
    const auto pointerOver = [&](HWND under, int hitTest) {
        SendMessageA(dialog.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(under),
                     MAKELPARAM(hitTest, WM_MOUSEMOVE));
        return GetCursor();
    };
    dialog.Platform().SetWaitPointer(true);
    EXPECT_EQ(pointerOver(dialog.Control(kIdEmail), HTCLIENT), hourglass);
    EXPECT_EQ(pointerOver(dialog.Control(kIdSetAsDefault), HTCLIENT), hourglass);
    EXPECT_EQ(pointerOver(dialog.Handle(), HTCAPTION), hourglass);
    dialog.Platform().SetWaitPointer(false);
    EXPECT_EQ(pointerOver(dialog.Control(kIdEmail), HTCLIENT), hand);
}

TEST_F(OptionsDialogWindow, TabsAndTheAnimationListShowTheirPages) {
    OptionsWindow& dialog = Open();
    ChooseTab(1);
    EXPECT_TRUE(IsWindowVisible(dialog.Page(1)));
    EXPECT_FALSE(IsWindowVisible(dialog.Page(0)));
    EXPECT_TRUE(IsWindowVisible(dialog.Panel(2)));
    // The Tab key goes from the list to the slider of the panel below it.
    EXPECT_EQ(GetNextDlgTabItem(dialog.Handle(), dialog.Control(kIdMovement), FALSE), dialog.Control(kIdSlider));
    EXPECT_EQ(GetNextDlgTabItem(dialog.Handle(), dialog.Control(kIdSlider), TRUE), dialog.Control(kIdMovement));

    RECT before{};
    GetWindowRect(dialog.Panel(2), &before);

    SendMessageA(dialog.Control(kIdMovement), CB_SETCURSEL, 3, 0);
    SendMessageA(dialog.Handle(), WM_COMMAND, MAKEWPARAM(kIdMovement, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(dialog.Control(kIdMovement)));
    EXPECT_EQ(VisiblePanels(), std::vector<int>{3});
    RECT after{};
    GetWindowRect(dialog.Panel(3), &after);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);

    // Alt with a tab's access key, then Ctrl+Tab to the next one.
    MSG key{dialog.Control(kIdMovement), WM_SYSCHAR, 'o', 0, 0, {}};
    EXPECT_TRUE(dialog.TranslateKeyboard(key));
    EXPECT_TRUE(IsWindowVisible(dialog.Page(2)));
    EXPECT_EQ(SendMessageA(dialog.Tab(), TCM_GETCURSEL, 0, 0), 2);
    key.wParam = 'x';
    EXPECT_FALSE(dialog.TranslateKeyboard(key));
}

TEST_F(OptionsDialogWindow, OkThroughItsButtonWritesTheRegistryAndCloses) {
    WriteRegString(registry, RegistryRoot::Users, kDesktop, "SCRNSAVE.EXE", "before.scr");
    OptionsWindow& dialog = Open();
    SendMessageA(dialog.Control(kIdDisplayFirst + 7), BM_CLICK, 0, 0);
    EXPECT_TRUE(IsWindowEnabled(dialog.Control(kIdDescr)));
    SetWindowTextA(dialog.Control(kIdDescr), "server room");
    ChooseTab(2);
    SendMessageA(dialog.Control(kIdSetAsDefault), BM_CLICK, 0, 0);
    SendMessageA(dialog.Control(kId24Hour), BM_CLICK, 0, 0);
    SendMessageA(dialog.Control(IDOK), BM_CLICK, 0, 0);
    Pump();
    EXPECT_FALSE(dialog.IsOpen());
    EXPECT_FALSE(IsWindow(dialog.Handle()));

    SaverSettings stored;
    LoadSettings(registry, stored);
    EXPECT_EQ(stored.DisplayItems, 255);
    EXPECT_EQ(stored.Descr, "server room");
    EXPECT_EQ(stored.TimeFormat, 1);
    EXPECT_EQ(stored.MouseSettings, 0);
    EXPECT_EQ(stored.MoveEBRandom, 4);
    EXPECT_EQ(stored.FontName, "Verdana");
    EXPECT_EQ(settings.Descr, "server room");
    std::string text;
    EXPECT_TRUE(ReadRegString(registry, RegistryRoot::Users, kDesktop, "SCRNSAVE.EXE", text));
    EXPECT_EQ(text, "kelvor.scr");
    EXPECT_TRUE(ReadRegString(registry, kSettingsRoot, kSettingsSubkey, "oldDefaultSS", text));
    EXPECT_EQ(text, "before.scr");
}

TEST_F(OptionsDialogWindow, TheCloseBoxKeepsNothing) {
    OptionsWindow& dialog = Open();
    SendMessageA(dialog.Control(kIdDisplayFirst), BM_CLICK, 0, 0);
    SendMessageA(dialog.Handle(), WM_CLOSE, 0, 0);
    Pump();
    EXPECT_FALSE(dialog.IsOpen());
    EXPECT_EQ(settings.DisplayItems, 127);
    HKEY key = nullptr;
    EXPECT_NE(RegOpenKeyA(HKEY_LOCAL_MACHINE, "Software\\Kelvor Screen Saver\\Settings", &key), ERROR_SUCCESS);
}

// The real registry, except that keys cannot be opened for writing: creating one fails with an
// error that no step of the dialog traps.
class RegistryThatThrowsOnWrite final : public Registry {
public:
    int32_t OpenKey(RegistryRoot root, const std::string& subkey, RegistryKeyHandle& key) override {
        return real.OpenKey(root, subkey, key);
    }
    int32_t CreateKey(RegistryRoot, const std::string&, RegistryKeyHandle&) override {
        throw std::runtime_error("registry unavailable");
    }
    int32_t QueryValue(RegistryKeyHandle key, const std::string& name, uint32_t& type, std::vector<uint8_t>& buffer,
                       uint32_t& size) override {
        return real.QueryValue(key, name, type, buffer, size);
    }
    int32_t SetValue(RegistryKeyHandle key, const std::string& name, uint32_t type,
                     const std::vector<uint8_t>& data) override {
        return real.SetValue(key, name, type, data);
    }
    int32_t CloseKey(RegistryKeyHandle key) override { return real.CloseKey(key); }

    WinRegistry real;
};

HWND WaitForTopLevel(const char* className, const char* title) {
    for (int waited = 0; waited < 10000; waited += 20) {
        const HWND window = FindWindowA(className, title);
        if (window != nullptr && IsWindowVisible(window)) return window;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return nullptr;
}

TEST_F(OptionsDialogWindow, AnUntrappedErrorIsShownAndEndsTheProgramWithTheDisplayPropertiesEnabled) {
    const HWND displayProperties = CreateWindowExA(0, "STATIC", "Display Properties", WS_POPUP, 0, 0, 200, 100,
                                                   nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(displayProperties, nullptr);
    RegistryThatThrowsOnWrite failing;

    // A second thread presses OK, whose save meets the error, and reads and closes the error box.
    std::string shown;
    bool disabledWhileOpen = false;
    std::thread user([&] {
        const HWND dialog = WaitForTopLevel("#32770", "Kelvor Screen Saver Setup");
        if (dialog == nullptr) return;
        disabledWhileOpen = !IsWindowEnabled(displayProperties);
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        const HWND box = WaitForTopLevel("#32770", "Kelvor Screen Saver");
        if (box == nullptr) return;
        char text[512] = {};
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        shown = text;
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    const int exitCode = RunOptionsDialog(GetModuleHandleA(nullptr), settings, WindowsFamily::Win9x, failing, "/c");
    user.join();

    EXPECT_EQ(exitCode, 1);
    EXPECT_EQ(shown, "Run-time error '51':\r\n\r\nInternal error: registry unavailable");
    EXPECT_TRUE(disabledWhileOpen);
    EXPECT_TRUE(IsWindowEnabled(displayProperties));
    EXPECT_EQ(FindWindowA("#32770", "Kelvor Screen Saver Setup"), nullptr);
    DestroyWindow(displayProperties);
}

}  // namespace
}  // namespace kelvor::win32
