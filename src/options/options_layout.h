#pragma once
// The options dialog's content, described without a platform: its size, the tab pages with their
// captions, and every control with its identifier, kind, caption, container and place, in the
// order of the Tab key. Places and sizes are dialog units inside the container; the platform makes
// the controls from this description and says nothing of its own about them.

#include <cstdint>
#include <span>

namespace kelvor {

enum OptionsControlId : int {
    kIdOk = 1,
    kIdCancel = 2,
    kIdTab = 1000,
    kIdDisplayFirst = 1010,  // chkDisplay(0..7)
    kIdExtraFirst = 1018,    // the extra lines' boxes (0..1)
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

enum class ControlKind {
    Label,        // text; "&" marks an access key
    TextLabel,    // text shown as it is
    TitleLabel,   // text shown as it is, in a larger bold face
    FittedLabel,  // text shown as it is; the label is as wide as its text
    Link,         // underlined blue text that opens a link when clicked; as wide as its text
    CheckBox,
    Button,
    DefaultButton,
    Frame,      // a group box; it comes after its contents, so that it never paints over them
    Separator,  // an etched line
    TextBox,
    DropDownList,
    Slider,
    Sample,   // the font sample: centred text on the chosen background
    Picture,  // the program's icon; reports clicks
};

// A control's container: the dialog, a tab page or an animation type's option panel.
inline constexpr int kOnDialog = -1;
inline constexpr int kOnPage0 = 0;
inline constexpr int kOnPanel0 = 10;

struct ControlDefinition {
    int id;
    ControlKind kind;
    const char* caption;
    int container;
    short x, y, width, height;
    const char* tooltip = nullptr;
};

struct DialogUnitRect {
    short x, y, width, height;
};

// The dialog, in Tahoma 8, and its tab strip.
inline constexpr short kOptionsDialogWidth = 270;
inline constexpr short kOptionsDialogHeight = 230;
inline constexpr char kOptionsDialogFont[] = "Tahoma";
inline constexpr DialogUnitRect kOptionsTabStrip{6, 6, 258, 196};
// Where the animation types' option panels sit on the "A&nimation" page.
inline constexpr DialogUnitRect kMovePanelArea{30, 64, 190, 60};

inline constexpr int kOptionsPageCount = 4;
inline constexpr const char* kOptionsPageCaptions[kOptionsPageCount] = {"&Display", "A&nimation", "&Other",
                                                                        "&About"};
// The page whose caption has this access key (any case), or -1.
int PageOfAccessKey(char key);

// The bounce randomness slider's range.
inline constexpr int kSliderMin = 0;
inline constexpr int kSliderMax = 10;

std::span<const ControlDefinition> OptionsControlDefinitions();
// The definition of a control, or nullptr.
const ControlDefinition* FindOptionsControl(int id);

}  // namespace kelvor
