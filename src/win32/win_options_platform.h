#pragma once
// The system around the options dialog: user32 for the "Display Properties" window, shell32 for
// links, comdlg32's font and colour dialogs (titled through a hook), the wait pointer. shell32 and
// comdlg32 are loaded with the dialog, not with the program: the running saver needs neither.

#include <windows.h>

#include <array>

#include "options/options_platform.h"
#include "win32/loaded_module.h"

namespace kelvor::win32 {

class WinOptionsPlatform final : public OptionsPlatform {
public:
    // The window that owns the font and colour dialogs.
    void SetOwner(HWND owner) { owner_ = owner; }

    WindowId FindWindowByTitle(const std::string& title) override;
    void EnableWindow(WindowId window, bool enabled) override;
    bool GetWindowRect(WindowId window, PixelRect& rect) override;
    intptr_t ShellOpen(const std::string& link) override;
    int32_t LastError() override;
    bool PickFont(const std::string& title, uint32_t flags, FontDescription& choice) override;
    bool PickColour(const std::string& title, uint32_t flags, int32_t& colour) override;
    void SetWaitPointer(bool waiting) override;
    // True between the two SetWaitPointer calls around a link: the hourglass then stands over
    // every part of the dialog, whatever the pointer would be there otherwise.
    bool Waiting() const { return waiting_; }

private:
    LoadedModule shell32_{api::ShellExecute.library};
    LoadedModule comdlg32_{api::ChooseFont.library};
    HWND owner_ = nullptr;
    bool waiting_ = false;
    // The colour dialog's sixteen custom colours, kept between openings.
    std::array<COLORREF, 16> customColours_{};
};

}  // namespace kelvor::win32
