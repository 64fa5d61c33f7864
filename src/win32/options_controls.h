#pragma once
// The options dialog's controls made from their portable description (options/options_layout.h):
// the tab strip, the four tab pages and the five animation option panels are child windows that
// hold their controls and pass the controls' notifications on to the dialog.

#include <windows.h>

#include <array>
#include <map>

#include "options/options_layout.h"
#include "options/options_view.h"
#include "win32/scoped_handle.h"

namespace kelvor::win32 {

struct OptionsControls {
    HWND dialog = nullptr;
    HWND tab = nullptr;
    HWND tooltip = nullptr;
    std::array<HWND, kOptionsPageCount> pages{};
    std::array<HWND, kMovePanelCount> panels{};
    std::map<int, HWND> items;  // every control by identifier
    ScopedFont titleFont;
    ScopedFont linkFont;

    HWND Item(int id) const {
        const auto found = items.find(id);
        return found == items.end() ? nullptr : found->second;
    }
};

// Creates every control of the dialog (which already has its Tahoma font) and opens on the first tab.
void CreateOptionsControls(HWND dialog, HINSTANCE instance, OptionsControls& controls);
// Shows one tab page and hides the others; focus on a hidden page moves to the tab strip.
void ShowOptionsPage(OptionsControls& controls, int page);
// Sets a control's caption; a label of a kind that is as wide as its text is sized to it.
void SetControlCaption(const OptionsControls& controls, int id, const char* caption);
// Sets a tooltip's text for a control that has one.
void SetControlTooltip(const OptionsControls& controls, HWND control, const char* text);

}  // namespace kelvor::win32
