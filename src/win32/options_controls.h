#pragma once
// The options dialog's controls: their identifiers, and building them into the dialog window. The
// four tab pages and the five animation option panels are child windows that hold their controls
// and pass the controls' notifications on to the dialog.

#include <windows.h>

#include <array>
#include <map>

#include "options/options_view.h"
#include "win32/gdi_objects.h"

namespace kelvor::win32 {

enum OptionsControlId : int {
    kIdTab = 1000,
    kIdDisplayFirst = 1010,  // chkDisplay(0..7)
    kIdDescr = 1020,
    kIdFontSample = 1021,
    kIdSetFont = 1022,
    kIdSetBgColour = 1023,
    kIdDisplayFrame = 1024,
    kIdSelectLabel = 1025,
    kIdFontFrame = 1026,
    kIdMoveFrame = 1030,
    kIdMoveIntro = 1031,
    kIdTypeLabel = 1032,
    kIdMovement = 1033,
    kIdMove0Descr = 1050,
    kIdMove1Descr = 1051,
    kIdMove2Descr = 1052,
    kIdBounceLabel = 1053,
    kIdSlider = 1054,
    kIdMove3Descr = 1055,
    kIdMove4Descr = 1056,
    kIdTimeFrame = 1060,
    kId24Hour = 1061,
    kIdTimeNote = 1062,
    kIdMouseFrame = 1063,
    kIdMouseFirst = 1064,  // chkMouse(0..1)
    kIdDefaultFrame = 1066,
    kIdSetAsDefault = 1067,
    kIdDefaultNote = 1068,
    kIdImage = 1070,
    kIdAppName = 1071,
    kIdVersion = 1072,
    kIdVisit = 1073,
    kIdWebsite = 1074,
    kIdCopyright = 1075,
    kIdEmail = 1076,
    kIdRights = 1077,
    kIdLicence = 1078,
    kIdEEgg = 1079,
    kIdSeparator1 = 1080,
    kIdSeparator2 = 1081,
    kIdPageFirst = 1090,   // the four tab pages
    kIdPanelFirst = 1100,  // picMoveOptions(0..4)
};

inline constexpr int kOptionsPageCount = 4;
// The dialog's size in dialog units; the font is Tahoma 8.
inline constexpr short kOptionsDialogWidth = 270;
inline constexpr short kOptionsDialogHeight = 230;

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
// Widens or narrows a label to its text in its own font.
void FitLabelToText(HWND label);
// Sets a tooltip's text for a control that has one.
void SetControlTooltip(const OptionsControls& controls, HWND control, const char* text);

}  // namespace kelvor::win32
