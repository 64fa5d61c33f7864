#pragma once
// The options dialog's logic shown on the real dialog and its controls.

#include <windows.h>

#include <string>

#include "options/options_view.h"
#include "win32/options_controls.h"
#include "win32/gdi_scopes.h"

namespace kelvor::win32 {

class WinOptionsView final : public OptionsView {
public:
    explicit WinOptionsView(OptionsControls& controls) : controls_(controls) {}

    void SetDialogCaption(const std::string& caption) override;
    TwipRect DialogBounds() override;
    void MoveDialog(double left, double top) override;
    double ScreenWidth() override;
    double ScreenHeight() override;
    double TwipsPerPixelX() override;
    double TwipsPerPixelY() override;

    void SetLabelCaption(int label, const std::string& caption) override;
    double LabelLeft(int label) override;
    double LabelWidth(int label) override;
    void SetLabelLeft(int label, double left) override;

    void SetChecked(int box, bool checked) override;
    bool IsChecked(int box) override;
    void SetCheckEnabled(int box, bool enabled) override;

    void SetDescriptionText(const std::string& text) override;
    std::string DescriptionText() override;
    void SetDescriptionEnabled(bool enabled, SystemColour background) override;

    void AddMovementItem(const std::string& text) override;
    int MovementCount() override;
    void SelectMovement(int index) override;
    int SelectedMovement() override;
    void ShowMovePanel(int index, bool visible) override;
    void MoveMovePanel(int index, double left, double top) override;

    void SetSliderPosition(int position) override;
    int SliderPosition() override;
    void SetSliderTooltip(const std::string& text) override;

    void SetSample(const SampleFont& sample) override;
    SampleFont Sample() override { return sample_; }
    void SetSampleCaption(const std::string& caption) override;

    void SetPointer(MousePointer pointer) override;
    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
    void CloseDialog() override;

    // True once the logic has asked for the dialog to close: later clicks are not handled.
    bool CloseRequested() const { return closeRequested_; }
    // For the dialog's colour and pointer messages.
    MousePointer Pointer() const { return pointer_; }
    HCURSOR PointerCursor() const;
    void SetHandCursor(HCURSOR cursor) { handCursor_ = cursor; }
    // The brush and colours for a control's WM_CTLCOLOR*, or nullptr for the system's default.
    HBRUSH ControlColours(HWND control, HDC dc) const;

private:
    OptionsControls& controls_;
    SampleFont sample_;
    ScopedFont sampleFont_;
    ScopedBrush sampleBrush_;
    int descriptionColour_ = COLOR_WINDOW;
    MousePointer pointer_ = MousePointer::Default;
    HCURSOR handCursor_ = nullptr;
    bool closeRequested_ = false;
};

// Sent to the dialog to have it destroyed once the handler that asked for it has returned.
inline constexpr UINT kOptionsCloseMessage = WM_APP + 1;

}  // namespace kelvor::win32
