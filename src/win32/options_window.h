#pragma once
// The options dialog as a real window: a modeless, unowned dialog with a fixed border and the Tahoma
// font, its controls, and a dialog procedure that turns each message into a call of the logic.

#include <windows.h>

#include <string>

#include "common/windows_family.h"
#include "options/options_dialog.h"
#include "settings/registry.h"
#include "settings/saver_settings.h"
#include "win32/loaded_module.h"
#include "win32/options_controls.h"
#include "win32/win_options_platform.h"
#include "win32/win_options_view.h"

namespace kelvor::win32 {

// The options mode ("/C" or no switch): shows the options dialog for the loaded `settings`
// (modeless, no owner) and runs its messages until it closes, by OK, Cancel, the close box or a
// failed load. `family` decides the options of the NT family; `commandLine` is the arguments only.
// OK changes `settings` and writes them through `registry`. Returns the program's exit code: 0, or
// the code of a quit request, such as the 1 of an untrapped error.
int RunOptionsDialog(HINSTANCE instance, SaverSettings& settings, WindowsFamily family, Registry& registry,
                     const std::string& commandLine);

class OptionsWindow {
public:
    OptionsWindow(HINSTANCE instance, SaverSettings& settings, WindowsFamily family, Registry& registry,
                  std::string commandLine);
    OptionsWindow(const OptionsWindow&) = delete;
    OptionsWindow& operator=(const OptionsWindow&) = delete;
    ~OptionsWindow();

    // Creates the dialog and loads it; it is shown unless the loading failed, in which case it closes
    // itself once its messages are pumped. False when no window could be made.
    bool Create();
    bool IsOpen() const { return open_; }
    HWND Handle() const { return controls_.dialog; }
    HWND Control(int id) const { return controls_.Item(id); }
    HWND Tab() const { return controls_.tab; }
    HWND Page(int index) const { return controls_.pages.at(static_cast<size_t>(index)); }
    HWND Panel(int index) const { return controls_.panels.at(static_cast<size_t>(index)); }
    WinOptionsPlatform& Platform() { return platform_; }

    // Keys the dialog manager does not know: Alt with a tab's access key, and Ctrl+Tab,
    // Ctrl+Shift+Tab, Ctrl+PageDown and Ctrl+PageUp to step through the tabs. True when used.
    bool TranslateKeyboard(const MSG& message);

    INT_PTR Dispatch(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

private:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Initialise();
    void Command(int id, int code);
    INT_PTR PointerFor(HWND under, int hitTest);
    void SelectPage(int page);

    HINSTANCE instance_;
    // Loaded while the dialog lives: its tab strip, slider and tooltips are comctl32's.
    LoadedModule comctl32_{api::InitCommonControls.library};
    OptionsControls controls_;
    WinOptionsView view_;
    WinOptionsPlatform platform_;
    OptionsDialog logic_;
    bool loaded_ = false;
    bool open_ = false;
};

}  // namespace kelvor::win32
