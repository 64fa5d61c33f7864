#include "options/options_dialog.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <iterator>
#include <span>
#include <utility>

#include "common/rounding.h"
#include "common/run_time_error.h"
#include "options/about_texts.h"
#include "common/continue_on_error.h"
#include "options/default_saver.h"
#include "options/dialog_placement.h"
#include "options/font_sample.h"
#include "options/options_layout.h"

namespace kelvor {
namespace {

constexpr std::array<const char*, 5> kMovementNames = {"Random Jumping", "Random Sliding", "Bounce Off Sides",
                                                       "Random Path", "Stationary in Centre"};
// Where the selected animation type's panel sits inside the "Animation Type" frame.
constexpr double kMovePanelLeft = 600;
constexpr double kMovePanelTop = 1440;

bool StartedForDisplayProperties(const std::string& commandLine) {
    std::string start = commandLine.substr(0, 2);
    std::transform(start.begin(), start.end(), start.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return start == "/C";
}

// Ticks the boxes from `firstId` on, box i for the bit of items[i], as `bits` has them.
void TickBoxes(OptionsView& view, int firstId, std::span<const DisplayItem> items, int bits) {
    for (size_t i = 0; i < items.size(); ++i) view.SetChecked(firstId + static_cast<int>(i), (bits & items[i].bit) != 0);
}

// The bits of the ticked boxes from `firstId` on.
int TickedBits(OptionsView& view, int firstId, std::span<const DisplayItem> items) {
    int bits = 0;
    for (size_t i = 0; i < items.size(); ++i)
        if (view.IsChecked(firstId + static_cast<int>(i))) bits |= items[i].bit;
    return bits;
}

static_assert(std::size(kDisplayItems) == kDisplayCheckCount && std::size(kExtraItems) == kExtraCheckCount);

}  // namespace

OptionsDialog::OptionsDialog(OptionsView& view, OptionsPlatform& platform, Registry& registry,
                             SaverSettings& settings, WindowsFamily family, std::string commandLine)
    : view_(view), platform_(platform), registry_(registry), settings_(settings), family_(family),
      commandLine_(std::move(commandLine)) {}

bool OptionsDialog::Load() {
    try {
        LoadSteps();
        return true;
    } catch (const RunTimeError& error) {
        view_.ShowMessage(CriticalErrorText("Options form", error.Description(), error.Number()), kApplicationTitle,
                          MessageIcon::Critical);
        view_.CloseDialog();
        return false;
    }
}

void OptionsDialog::LoadSteps() {
    view_.SetDialogCaption(std::string(kApplicationTitle) + " Setup");
    view_.SetLabelCaption(kIdAppName, kApplicationTitle);
    view_.SetLabelCaption(kIdVersion, "version " + std::to_string(kVersionMajor) + "." +
                                                     std::to_string(kVersionMinor) + " rev " +
                                                     std::to_string(kVersionRevision) + "  (" + kBuildDate + ")");
    PlaceDialog();

    fontChooser_ = {settings_.FontName,       static_cast<double>(settings_.FontSize),
                    settings_.FontBold,       settings_.FontItalic,
                    settings_.FontStrikethru, settings_.FontUnderline,
                    settings_.FontColour};
    bgColourChooser_ = settings_.BgColour;
    ShowSampleFont();

    TickBoxes(view_, DisplayCheck(0), kDisplayItems, settings_.DisplayItems);
    TickBoxes(view_, ExtraCheck(0), kExtraItems, settings_.ExtraItems);
    view_.SetDescriptionText(settings_.Descr);
    DisplayBoxClicked(kDescriptionBox);
    view_.SetChecked(MouseCheck(0), (settings_.MouseSettings & kIgnoreMouseMoves) != 0);
    view_.SetChecked(MouseCheck(1), (settings_.MouseSettings & kIgnoreMouseClicks) != 0);

    for (const char* name : kMovementNames) view_.AddMovementItem(name);
    // The list takes no index beyond its entries; -1 leaves it without a selection.
    if (settings_.MoveOption < -1 || settings_.MoveOption >= view_.MovementCount())
        Raise(kErrInvalidPropertyValue, "cboMovement");
    view_.SelectMovement(settings_.MoveOption);
    MovementSelected();

    if (settings_.MoveEBRandom < kSliderMin || settings_.MoveEBRandom > kSliderMax)
        Raise(kErrInvalidPropertyValue, "sliMoveEBRandom");
    view_.SetSliderPosition(settings_.MoveEBRandom);
    SliderChanged();

    if (family_ == WindowsFamily::Nt) {
        const DefaultSaverState state = ReadDefaultSaver(registry_);
        prevDefaultSaver_ = state.saver;
        wasDefaultSaver_ = state.isThisSaver;
    }
    view_.SetChecked(kIdSetAsDefault, wasDefaultSaver_);
    if (family_ == WindowsFamily::Nt) {
        for (int i = 0; i < kMouseCheckCount; ++i) {
            view_.SetChecked(MouseCheck(i), false);
            view_.SetCheckEnabled(MouseCheck(i), false);
        }
    } else {
        view_.SetChecked(kIdSetAsDefault, false);
        view_.SetCheckEnabled(kIdSetAsDefault, false);
    }
    view_.SetChecked(kId24Hour, (settings_.TimeFormat & kTime24Hour) != 0);
}

void OptionsDialog::PlaceDialog() {
    if (StartedForDisplayProperties(commandLine_)) {
        parentWindow_ = platform_.FindWindowByTitle(kDisplayPropertiesTitle);
        if (parentWindow_ != 0) {
            platform_.EnableWindow(parentWindow_, false);
            CentreOverWindow(parentWindow_);
            return;
        }
    }
    const DialogPosition centre = CentredOnScreen(view_.ScreenWidth(), view_.ScreenHeight(), view_.DialogBounds());
    view_.MoveDialog(centre.left, centre.top);
}

void OptionsDialog::CentreOverWindow(WindowId window) {
    if (window == 0) return;
    PixelRect rect;
    const TwipRect dialog = view_.DialogBounds();
    DialogPosition position;
    if (platform_.GetWindowRect(window, rect)) {
        position = CentredOverWindow(rect, view_.TwipsPerPixelX(), view_.TwipsPerPixelY(), dialog,
                                     view_.ScreenWidth(), view_.ScreenHeight());
    } else {
        // Without the window's rectangle there is nothing to centre over: the screen will do.
        position = CentredOnScreen(view_.ScreenWidth(), view_.ScreenHeight(), dialog);
    }
    view_.MoveDialog(position.left, position.top);
}

void OptionsDialog::Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    if (parentWindow_ != 0) platform_.EnableWindow(parentWindow_, true);
}

void OptionsDialog::ControlClicked(int id, int shift) {
    switch (id) {
        case kIdOk: OkClicked(); return;
        case kIdCancel: CancelClicked(); return;
        case kIdSetFont: SetFontClicked(); return;
        case kIdSetBgColour: SetBgColourClicked(); return;
        case kIdWebsite: WebsiteClicked(); return;
        case kIdEmail: EmailClicked(); return;
        case kIdImage: ImageMouseDown(kLeftButton, shift); return;
        default:
            if (id >= DisplayCheck(0) && id < DisplayCheck(kDisplayCheckCount)) DisplayBoxClicked(id - DisplayCheck(0));
    }
}

void OptionsDialog::OkClicked() {
    ApplyControls();
    bool defaultSaverWritten = true;
    ContinueOnError([&] { defaultSaverWritten = ApplyDefaultSaver(); });
    bool settingsSaved = false;
    ContinueOnError([&] { settingsSaved = SaveSettings(registry_, settings_); });
    if (!settingsSaved || !defaultSaverWritten) TellNotSaved(settingsSaved, defaultSaverWritten);
    view_.CloseDialog();
}

void OptionsDialog::ApplyControls() {
    // The font and colours come from the sample, the single place where the pending choice is shown.
    ContinueOnError([&] { settings_.FontName = view_.Sample().font.name; });
    ContinueOnError([&] { settings_.FontSize = RoundToInt16(view_.Sample().font.size); });
    ContinueOnError([&] {
        const FontDescription sample = view_.Sample().font;
        settings_.FontBold = sample.bold;
        settings_.FontItalic = sample.italic;
        settings_.FontStrikethru = sample.strikethru;
        settings_.FontUnderline = sample.underline;
    });
    ContinueOnError([&] {
        const SampleFont sample = view_.Sample();
        settings_.FontColour = sample.font.colour;
        settings_.BgColour = sample.bgColour;
    });
    ContinueOnError([&] { settings_.DisplayItems = NarrowToByte(TickedBits(view_, DisplayCheck(0), kDisplayItems)); });
    ContinueOnError([&] { settings_.ExtraItems = NarrowToByte(TickedBits(view_, ExtraCheck(0), kExtraItems)); });
    ContinueOnError([&] {
        settings_.Descr = (settings_.DisplayItems & kShowDescription) != 0 ? view_.DescriptionText() : "";
    });
    ContinueOnError([&] {
        settings_.MouseSettings = NarrowToByte((view_.IsChecked(MouseCheck(0)) ? kIgnoreMouseMoves : 0) |
                                               (view_.IsChecked(MouseCheck(1)) ? kIgnoreMouseClicks : 0));
    });
    ContinueOnError([&] { settings_.MoveOption = NarrowToInt16(view_.SelectedMovement()); });
    ContinueOnError([&] { settings_.MoveEBRandom = NarrowToInt16(view_.SliderPosition()); });
    ContinueOnError([&] { settings_.TimeFormat = view_.IsChecked(kId24Hour) ? kTime24Hour : 0; });
}

bool OptionsDialog::ApplyDefaultSaver() {
    if (family_ != WindowsFamily::Nt) return true;
    const bool ticked = view_.IsChecked(kIdSetAsDefault);
    if (ticked == wasDefaultSaver_) return true;
    const bool written = ticked ? TakeDefaultSaverRole(registry_, prevDefaultSaver_)
                                : GiveBackDefaultSaverRole(registry_, prevDefaultSaver_);
    wasDefaultSaver_ = ticked;
    return written;
}

void OptionsDialog::TellNotSaved(bool settingsSaved, bool defaultSaverWritten) {
    std::string text;
    if (!settingsSaved) text = "Your settings could not be saved.";
    if (!defaultSaverWritten) {
        if (!text.empty()) text += "\r\n";
        text += "The default screen saver for all users could not be changed.";
    }
    text += "\r\n\r\nYou may not have the rights to change them on this computer.";
    view_.ShowMessage(text, kApplicationTitle, MessageIcon::Warning);
}

void OptionsDialog::CancelClicked() { view_.CloseDialog(); }

void OptionsDialog::SetFontClicked() {
    FontDescription choice = fontChooser_;
    if (!platform_.PickFont(kFontDialogTitle, kFontDialogFlags, choice)) return;
    fontChooser_ = choice;
    ShowSampleFont();
}

void OptionsDialog::SetBgColourClicked() {
    bgColourChooser_ = view_.Sample().bgColour;
    int32_t colour = bgColourChooser_;
    if (!platform_.PickColour(kColourDialogTitle, kColourDialogFlags, colour)) return;
    bgColourChooser_ = colour;
    ShowSampleFont();
}

void OptionsDialog::ShowSampleFont() {
    if (fontChooser_.name.empty()) fontChooser_.name = "Tahoma";
    view_.SetSample({fontChooser_, bgColourChooser_});
    view_.SetSampleCaption(SampleCaption(fontChooser_));
}

void OptionsDialog::MovementSelected() {
    const int selected = view_.SelectedMovement();
    const int panels = std::min(view_.MovementCount(), kMovePanelCount);
    for (int i = 0; i < panels; ++i) {
        if (i == selected) {
            view_.MoveMovePanel(i, kMovePanelLeft, kMovePanelTop);
            view_.ShowMovePanel(i, true);
        } else {
            view_.ShowMovePanel(i, false);
        }
    }
}

void OptionsDialog::SliderChanged() { view_.SetSliderTooltip(std::to_string(view_.SliderPosition())); }

void OptionsDialog::DisplayBoxClicked(int index) {
    if (index != kDescriptionBox) return;
    if (view_.IsChecked(DisplayCheck(kDescriptionBox)))
        view_.SetDescriptionEnabled(true, SystemColour::WindowBackground);
    else
        view_.SetDescriptionEnabled(false, SystemColour::ButtonFace);
}

}  // namespace kelvor
