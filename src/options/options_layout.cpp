#include "options/options_layout.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "options/about_texts.h"
#include "settings/saver_settings.h"

namespace kelvor {

namespace {

constexpr ControlDefinition kControls[] = {
    {kIdOk, ControlKind::DefaultButton, "OK", kOnDialog, 156, 208, 50, 15},
    {kIdCancel, ControlKind::Button, "Cancel", kOnDialog, 212, 208, 50, 15},
    // "&Display"
    {kIdSelectLabel, ControlKind::Label, "Select information to be displayed:", kOnPage0, 10, 12, 200, 8},
    {kIdDisplayFirst + 0, ControlKind::CheckBox, kDisplayItems[0].caption, kOnPage0, 12, 24, 110, 10},
    {kIdDisplayFirst + 1, ControlKind::CheckBox, kDisplayItems[1].caption, kOnPage0, 12, 35, 110, 10},
    {kIdDisplayFirst + 2, ControlKind::CheckBox, kDisplayItems[2].caption, kOnPage0, 12, 46, 110, 10},
    {kIdDisplayFirst + 3, ControlKind::CheckBox, kDisplayItems[3].caption, kOnPage0, 12, 57, 110, 10},
    {kIdDisplayFirst + 4, ControlKind::CheckBox, kDisplayItems[4].caption, kOnPage0, 128, 24, 110, 10},
    {kIdDisplayFirst + 5, ControlKind::CheckBox, kDisplayItems[5].caption, kOnPage0, 128, 35, 110, 10},
    {kIdDisplayFirst + 6, ControlKind::CheckBox, kDisplayItems[6].caption, kOnPage0, 128, 46, 110, 10},
    {kIdExtraFirst + 0, ControlKind::CheckBox, kExtraItems[0].caption, kOnPage0, 128, 57, 110, 10},
    {kIdExtraFirst + 1, ControlKind::CheckBox, kExtraItems[1].caption, kOnPage0, 128, 68, 110, 10},
    {kIdDisplayFirst + 7, ControlKind::CheckBox, kDisplayItems[7].caption, kOnPage0, 12, 83, 56, 10},
    {kIdDescr, ControlKind::TextBox, "", kOnPage0, 70, 82, 168, 12},
    {kIdDisplayFrame, ControlKind::Frame, "Display Options", kOnPage0, 4, 2, 240, 99},
    {kIdFontSample, ControlKind::Sample, "", kOnPage0, 10, 116, 160, 52},
    {kIdSetFont, ControlKind::Button, "Set &Font...", kOnPage0, 178, 116, 60, 14},
    {kIdSetBgColour, ControlKind::Button, "&Background...", kOnPage0, 178, 134, 60, 14},
    {kIdFontFrame, ControlKind::Frame, "Display Font", kOnPage0, 4, 105, 240, 69},
    // "A&nimation"
    {kIdMoveIntro, ControlKind::Label, 
     "Select the type of animation to be used for moving the screen saver text around on the screen:",
     kOnPage0 + 1, 10, 14, 228, 18},
    {kIdTypeLabel, ControlKind::Label, "&type", kOnPage0 + 1, 10, 38, 18, 8},
    {kIdMovement, ControlKind::DropDownList, "", kOnPage0 + 1, 30, 36, 120, 90},
    {kIdMove0Descr, ControlKind::Label,
     "Text is displayed for several seconds at random places on the screen.", kOnPanel0 + 0, 0, 0, 190, 20},
    {kIdMove1Descr, ControlKind::Label,
     "Text slowly moves around the screen, from one random point to antoher.", kOnPanel0 + 1, 0, 0, 190, 20},
    {kIdMove2Descr, ControlKind::Label,
     "Text slowly moves around the screen, bouncing off the sides of the screen.", kOnPanel0 + 2, 0, 0, 190, 20},
    {kIdBounceLabel, ControlKind::Label, "bounce randomness", kOnPanel0 + 2, 0, 30, 80, 8},
    {kIdSlider, ControlKind::Slider, "", kOnPanel0 + 2, 82, 26, 106, 18, ""},
    {kIdMove3Descr, ControlKind::Label, "Text follows a random path around the screen.", kOnPanel0 + 3, 0, 0, 190, 20},
    {kIdMove4Descr, ControlKind::Label, "Text is displayed in the centre of the screen.", kOnPanel0 + 4, 0, 0, 190, 20},
    {kIdMoveFrame, ControlKind::Frame, "Animation Type", kOnPage0 + 1, 4, 2, 240, 172},
    // "&Other"
    {kId24Hour, ControlKind::CheckBox, "24 hour format", kOnPage0 + 2, 10, 14, 200, 10},
    {kIdTimeNote, ControlKind::Label, 
     "This will cause all times to be displayed in 24 hour format (ie, 15:06:10, instead of 3:06:10 pm).",
     kOnPage0 + 2, 10, 27, 228, 18},
    {kIdTimeFrame, ControlKind::Frame, "Time Format", kOnPage0 + 2, 4, 2, 240, 48},
    {kIdMouseFirst + 0, ControlKind::CheckBox, "Ignore Mouse Movements", kOnPage0 + 2, 10, 64, 200, 10},
    {kIdMouseFirst + 1, ControlKind::CheckBox, "Ignore Mouse Clicks", kOnPage0 + 2, 10, 76, 200, 10},
    {kIdMouseFrame, ControlKind::Frame, "Mouse Options (Win 9x only)", kOnPage0 + 2, 4, 52, 240, 40},
    {kIdSetAsDefault, ControlKind::CheckBox,
     "Set This As Default Screen Saver For All Users", kOnPage0 + 2, 10, 106, 228, 10},
    {kIdDefaultNote, ControlKind::Label, 
     "This will set this screen saver as the default screen saver for all users, and the screen saver when no user "
     "is logged into the console.",
     kOnPage0 + 2, 10, 119, 228, 26},
    {kIdDefaultFrame, ControlKind::Frame, "Default Screen Saver (WinNT only)", kOnPage0 + 2, 4, 94, 240, 56},
    // "&About"
    {kIdImage, ControlKind::Picture, "", kOnPage0 + 3, 10, 8, 21, 20},
    {kIdAppName, ControlKind::TitleLabel, kApplicationTitle, kOnPage0 + 3, 38, 8, 200, 12},
    {kIdVersion, ControlKind::TextLabel, "", kOnPage0 + 3, 38, 22, 200, 8},
    {kIdSeparator1, ControlKind::Separator, "", kOnPage0 + 3, 4, 36, 240, 2},
    {kIdVisit, ControlKind::FittedLabel, "visit the", kOnPage0 + 3, 10, 44, 100, 8},
    {kIdWebsite, ControlKind::Link, kWebsiteCaption, kOnPage0 + 3, 120, 44, 40, 8, kWebsiteTooltip},
    {kIdCopyright, ControlKind::FittedLabel, kCopyrightLine, kOnPage0 + 3, 10, 56, 100, 8},
    {kIdEmail, ControlKind::Link, kAuthorName, kOnPage0 + 3, 120, 56, 80, 8, kEmailTooltip},
    {kIdRights, ControlKind::Label, kRightsLine, kOnPage0 + 3, 10, 66, 228, 8},
    {kIdSeparator2, ControlKind::Separator, "", kOnPage0 + 3, 4, 80, 240, 2},
    {kIdLicence, ControlKind::Label, kLicenceNotice, kOnPage0 + 3, 10, 88, 228, 32},
    {kIdEEgg, ControlKind::TextLabel, "", kOnPage0 + 3, 10, 126, 228, 40},
};

}  // namespace

int PageOfAccessKey(char key) {
    const int wanted = std::tolower(static_cast<unsigned char>(key));
    for (int page = 0; page < kOptionsPageCount; ++page) {
        const char* marker = std::strchr(kOptionsPageCaptions[page], '&');
        if (marker != nullptr && std::tolower(static_cast<unsigned char>(marker[1])) == wanted) return page;
    }
    return -1;
}

std::span<const ControlDefinition> OptionsControlDefinitions() { return kControls; }

const ControlDefinition* FindOptionsControl(int id) {
    const auto found = std::find_if(std::begin(kControls), std::end(kControls),
                                    [id](const ControlDefinition& control) { return control.id == id; });
    return found == std::end(kControls) ? nullptr : found;
}

}  // namespace kelvor
