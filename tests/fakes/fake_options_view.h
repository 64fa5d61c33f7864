#pragma once
// The options dialog's window in memory: every control keeps what the logic set, check boxes start
// enabled and unticked, the animation list starts empty with nothing selected, labels size
// themselves to their caption (kTwipsPerCharacter each) and keep the position they were given.

#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "options/options_view.h"

namespace kelvor {

class FakeOptionsView final : public OptionsView {
public:
    static constexpr double kTwipsPerCharacter = 90;

    struct Label {
        std::string caption;
        double left = 0;
        double width = 0;
    };
    struct Message {
        std::string text;
        std::string title;
        MessageIcon icon;
    };
    struct Panel {
        bool visible = true;
        double left = -1;
        double top = -1;
    };

    void SetDialogCaption(const std::string& text) override { caption = text; }
    TwipRect DialogBounds() override { return dialog; }
    void MoveDialog(double left, double top) override {
        dialog.left = left;
        dialog.top = top;
        ++moves;
    }
    double ScreenWidth() override { return screenWidth; }
    double ScreenHeight() override { return screenHeight; }
    double TwipsPerPixelX() override { return twipsPerPixelX; }
    double TwipsPerPixelY() override { return twipsPerPixelY; }

    void SetLabelCaption(int label, const std::string& text) override {
        labels[label].caption = text;
        labels[label].width = kTwipsPerCharacter * static_cast<double>(text.size());
    }
    double LabelLeft(int label) override { return labels[label].left; }
    double LabelWidth(int label) override { return labels[label].width; }
    void SetLabelLeft(int label, double left) override { labels[label].left = left; }

    void SetChecked(int box, bool value) override { checked[box] = value; }
    bool IsChecked(int box) override { return checked[box]; }
    void SetCheckEnabled(int box, bool value) override { disabled[box] = !value; }
    bool IsCheckEnabled(int box) { return !disabled[box]; }

    void SetDescriptionText(const std::string& text) override { description = text; }
    std::string DescriptionText() override { return description; }
    void SetDescriptionEnabled(bool value, SystemColour colour) override {
        descriptionEnabled = value;
        descriptionColour = colour;
    }

    void AddMovementItem(const std::string& text) override { movements.push_back(text); }
    int MovementCount() override { return static_cast<int>(movements.size()); }
    void SelectMovement(int index) override { selectedMovement = index < MovementCount() ? index : -1; }
    int SelectedMovement() override { return selectedMovement; }
    void ShowMovePanel(int index, bool visible) override { panels.at(static_cast<size_t>(index)).visible = visible; }
    void MoveMovePanel(int index, double left, double top) override {
        panels.at(static_cast<size_t>(index)).left = left;
        panels.at(static_cast<size_t>(index)).top = top;
    }
    // The indices of the visible panels.
    std::vector<int> VisiblePanels() const {
        std::vector<int> visible;
        for (size_t i = 0; i < panels.size(); ++i)
            if (panels[i].visible) visible.push_back(static_cast<int>(i));
        return visible;
    }

    void SetSliderPosition(int position) override { slider = position; }
    int SliderPosition() override { return slider; }
    void SetSliderTooltip(const std::string& text) override { sliderTooltip = text; }

    void SetSample(const SampleFont& value) override { sample = value; }
    SampleFont Sample() override { return sample; }
    void SetSampleCaption(const std::string& text) override { sampleCaption = text; }

    void SetPointer(MousePointer value) override { pointer = value; }
    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override {
        messages.push_back({text, title, icon});
        if (onMessage) onMessage();
    }
    void CloseDialog() override { ++closeRequests; }

    std::string caption;
    TwipRect dialog{0, 0, 6000, 5000};
    int moves = 0;
    double screenWidth = 15360;  // 1024 x 768 pixels at 15 twips each
    double screenHeight = 11520;
    double twipsPerPixelX = 15;
    double twipsPerPixelY = 15;
    std::map<int, Label> labels;
    std::map<int, bool> checked;
    std::map<int, bool> disabled;
    std::string description;
    bool descriptionEnabled = true;
    SystemColour descriptionColour = SystemColour::WindowBackground;
    std::vector<std::string> movements;
    int selectedMovement = -1;
    std::array<Panel, kMovePanelCount> panels{};
    int slider = 0;
    std::string sliderTooltip;
    SampleFont sample;
    std::string sampleCaption;
    MousePointer pointer = MousePointer::Default;
    std::vector<Message> messages;
    // Runs while a message box is up, for a test to see what else is shown at that moment.
    std::function<void()> onMessage;
    int closeRequests = 0;
};

}  // namespace kelvor
