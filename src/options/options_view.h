#pragma once
// The options dialog's window as its logic sees it: captions, check boxes, the description box, the
// animation list and its option panels, the slider, the font sample, the About tab's labels, the
// pointer, placement and message boxes. Positions and sizes are in twips (1/1440 inch); label
// positions are inside the label's container, the dialog's on the screen.

#include <cstdint>
#include <string>

#include "common/font_description.h"
#include "options/options_layout.h"

namespace kelvor {

// Check boxes and labels are named by their control identifiers (options/options_layout.h); the
// boxes of the chkDisplay(0..7), extra lines' (0..1) and chkMouse(0..1) arrays by their index.
inline constexpr int kDisplayCheckCount = 8;
inline constexpr int kExtraCheckCount = 2;
inline constexpr int kMouseCheckCount = 2;
inline constexpr int DisplayCheck(int index) { return kIdDisplayFirst + index; }
inline constexpr int ExtraCheck(int index) { return kIdExtraFirst + index; }
inline constexpr int MouseCheck(int index) { return kIdMouseFirst + index; }

enum class SystemColour { WindowBackground, ButtonFace };
enum class MousePointer { Default, Hand };
enum class MessageIcon { Critical, Warning, None };

// What the font sample shows: the face, its size in points and styles, text and background colours
// (RGB, red in the lowest byte).
struct SampleFont {
    FontDescription font;
    int32_t bgColour = 0;
    bool operator==(const SampleFont&) const = default;
};

struct TwipRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

inline constexpr int kMovePanelCount = 5;

class OptionsView {
public:
    virtual ~OptionsView() = default;

    virtual void SetDialogCaption(const std::string& caption) = 0;
    // The dialog's outer rectangle on the screen.
    virtual TwipRect DialogBounds() = 0;
    virtual void MoveDialog(double left, double top) = 0;
    virtual double ScreenWidth() = 0;
    virtual double ScreenHeight() = 0;
    virtual double TwipsPerPixelX() = 0;
    virtual double TwipsPerPixelY() = 0;

    // Lead-in and link labels size themselves to their caption.
    virtual void SetLabelCaption(int label, const std::string& caption) = 0;
    virtual double LabelLeft(int label) = 0;
    virtual double LabelWidth(int label) = 0;
    virtual void SetLabelLeft(int label, double left) = 0;

    virtual void SetChecked(int box, bool checked) = 0;
    virtual bool IsChecked(int box) = 0;
    virtual void SetCheckEnabled(int box, bool enabled) = 0;

    virtual void SetDescriptionText(const std::string& text) = 0;
    virtual std::string DescriptionText() = 0;
    virtual void SetDescriptionEnabled(bool enabled, SystemColour background) = 0;

    // The animation list: selecting by code does not call back into the logic.
    virtual void AddMovementItem(const std::string& text) = 0;
    virtual int MovementCount() = 0;
    virtual void SelectMovement(int index) = 0;  // -1 selects nothing
    virtual int SelectedMovement() = 0;          // -1 when nothing is selected
    virtual void ShowMovePanel(int index, bool visible) = 0;
    // Position inside the "Animation Type" frame.
    virtual void MoveMovePanel(int index, double left, double top) = 0;

    virtual void SetSliderPosition(int position) = 0;
    virtual int SliderPosition() = 0;
    virtual void SetSliderTooltip(const std::string& text) = 0;

    virtual void SetSample(const SampleFont& sample) = 0;
    virtual SampleFont Sample() = 0;
    virtual void SetSampleCaption(const std::string& caption) = 0;

    virtual void SetPointer(MousePointer pointer) = 0;
    virtual void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) = 0;
    // Asks for the dialog to close; the window layer runs the unload step when it has gone.
    virtual void CloseDialog() = 0;
};

}  // namespace kelvor
