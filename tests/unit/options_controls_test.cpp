#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "fakes/options_rig.h"
#include "options/font_sample.h"
#include "options/options_layout.h"

namespace kelvor {
namespace {

TEST(OptionsSample, CaptionNamesFaceStyleAndShortestSize) {
    EXPECT_EQ(SampleCaption({"Verdana", 10, false, false, false, false, 0}), "Verdana regular 10 point");
    EXPECT_EQ(SampleCaption({"Tahoma", 12, true, true, false, false, 0}), "Tahoma bold italic 12 point");
    EXPECT_EQ(SampleCaption({"Verdana", 10.5, false, true, false, false, 0}), "Verdana italic 10.5 point");
    EXPECT_EQ(SampleCaption({"Arial", 8, false, false, true, true, 0}), "Arial regular 8 point");
    EXPECT_EQ(SampleCaption({"Arial", 9.3, true, false, false, false, 0}), "Arial bold 9.3 point");
}

TEST(OptionsSample, FontChooserConfirmedOrCancelled) {
    OptionsRig rig;
    rig.settings.FontName = "";  // an empty face falls back to Tahoma
    rig.settings.BgColour = 0x203040;
    rig.Loaded();
    EXPECT_EQ(rig.view.sample.font.name, "Tahoma");
    EXPECT_EQ(rig.view.sample.bgColour, 0x203040);
    EXPECT_EQ(rig.view.sampleCaption, "Tahoma regular 10 point");

    rig.dialog->SetFontClicked();  // cancelled: nothing changes
    ASSERT_EQ(rig.platform.fontCalls.size(), 1u);
    EXPECT_EQ(rig.platform.fontCalls[0].title, "Specify Display Font...");
    EXPECT_EQ(rig.platform.fontCalls[0].flags, 0x810101u);
    EXPECT_EQ(rig.platform.fontCalls[0].presetFont.name, "Tahoma");
    EXPECT_EQ(rig.view.sampleCaption, "Tahoma regular 10 point");

    const FontDescription chosen{"Courier", 14.5, true, false, false, true, 0x0000FF};
    rig.platform.fontAnswer = chosen;
    rig.dialog->SetFontClicked();
    EXPECT_EQ(rig.view.sample, (SampleFont{chosen, 0x203040}));
    EXPECT_EQ(rig.view.sampleCaption, "Courier bold 14.5 point");
    rig.platform.fontAnswer.reset();
    rig.dialog->SetFontClicked();  // the next opening is preset with the confirmed choice
    EXPECT_EQ(rig.platform.fontCalls.back().presetFont, chosen);
}

TEST(OptionsSample, ColourChooserAlwaysOpensOnTheSampleBackground) {
    OptionsRig rig;
    rig.settings.BgColour = 0x000080;
    rig.Loaded();
    rig.platform.colourAnswer = 0x00FFFF;
    rig.dialog->SetBgColourClicked();
    EXPECT_EQ(rig.platform.colourCalls[0].title, "Specify Background Colour...");
    EXPECT_EQ(rig.platform.colourCalls[0].flags, 1u);
    EXPECT_EQ(rig.platform.colourCalls[0].presetColour, 0x000080);
    EXPECT_EQ(rig.view.sample.bgColour, 0x00FFFF);
    EXPECT_EQ(rig.view.sample.font.colour, 16777215);  // the text colour is independent of it
    rig.platform.colourAnswer.reset();
    rig.dialog->SetBgColourClicked();
    EXPECT_EQ(rig.platform.colourCalls[1].presetColour, 0x00FFFF);
    EXPECT_EQ(rig.view.sample.bgColour, 0x00FFFF);
}

TEST(OptionsControls, PanelsSliderTooltipAndDescriptionBox) {
    OptionsRig rig;
    rig.Loaded();
    rig.view.selectedMovement = 3;
    rig.dialog->MovementSelected();
    EXPECT_EQ(rig.view.VisiblePanels(), std::vector<int>{3});
    EXPECT_EQ(rig.view.panels[3].left, 600);
    EXPECT_EQ(rig.view.panels[3].top, 1440);

    rig.view.slider = 9;
    rig.dialog->SliderChanged();
    EXPECT_EQ(rig.view.sliderTooltip, "9");

    rig.view.description = "text";
    rig.view.checked[DisplayCheck(7)] = true;
    rig.dialog->DisplayBoxClicked(7);
    EXPECT_TRUE(rig.view.descriptionEnabled);
    EXPECT_EQ(rig.view.descriptionColour, SystemColour::WindowBackground);
    rig.view.checked[DisplayCheck(7)] = false;
    rig.dialog->DisplayBoxClicked(3);  // another box changes nothing
    EXPECT_TRUE(rig.view.descriptionEnabled);
    rig.dialog->DisplayBoxClicked(7);
    EXPECT_FALSE(rig.view.descriptionEnabled);
    EXPECT_EQ(rig.view.descriptionColour, SystemColour::ButtonFace);
    EXPECT_EQ(rig.view.description, "text");
}

TEST(OptionsAbout, ActivationPlacesTheLinksSixtyTwipsAfterTheirLeadIn) {
    OptionsRig rig;
    rig.Loaded();
    rig.view.labels[kIdVisit].left = 300;
    rig.view.labels[kIdCopyright].left = 450;
    rig.view.SetLabelCaption(kIdCopyright, "Copyright (C) 2002-2004");
    rig.view.SetLabelCaption(kIdEEgg, "left over");
    rig.dialog->Activate();
    EXPECT_EQ(rig.view.labels[kIdEEgg].caption, "");
    EXPECT_EQ(rig.view.labels[kIdVisit].caption, "visit the Kelvor Screen Saver");
    EXPECT_EQ(rig.view.labels[kIdWebsite].left, 300 + 29 * 90 + 60);
    EXPECT_EQ(rig.view.labels[kIdEmail].left, 450 + 23 * 90 + 60);
    EXPECT_EQ(rig.dialog->MailSubject(), "Kelvor Screen Saver 1.4 rev 5");
}

TEST(OptionsAbout, HiddenClickTogglesTheCommandLineAcrossActivations) {
    OptionsRig rig;
    rig.Loaded(WindowsFamily::Nt, "/c:4242");
    const auto eegg = [&] { return rig.view.labels[kIdEEgg].caption; };
    rig.dialog->ImageMouseDown(kLeftButton, kCtrlKey | kAltKey);
    rig.dialog->ImageMouseDown(2, kShiftKey | kCtrlKey | kAltKey);
    EXPECT_EQ(eegg(), "");
    EXPECT_FALSE(rig.dialog->ShowsCommandLine());

    rig.dialog->ImageMouseDown(kLeftButton, kShiftKey | kCtrlKey | kAltKey);
    EXPECT_EQ(eegg(), "/c:4242");
    rig.dialog->Activate();  // re-activation empties the label but keeps the toggle on
    EXPECT_EQ(eegg(), "");
    EXPECT_TRUE(rig.dialog->ShowsCommandLine());
    rig.dialog->ImageMouseDown(kLeftButton, 7);  // so this click only turns it off
    EXPECT_EQ(eegg(), "");
    EXPECT_FALSE(rig.dialog->ShowsCommandLine());
    rig.dialog->ImageMouseDown(kLeftButton, 7);
    EXPECT_EQ(eegg(), "/c:4242");
}

TEST(OptionsAbout, LinksGoThroughTheShellAndOnlyAZeroAnswerIsReported) {
    OptionsRig rig;
    rig.Loaded();
    rig.dialog->Activate();
    rig.dialog->EmailClicked();
    rig.dialog->WebsiteClicked();
    EXPECT_EQ(rig.platform.openedLinks,
              (std::vector<std::string>{"mailto:saver@kelvor.example?subject=Kelvor Screen Saver 1.4 rev 5",
                                        "http://www.kelvor.example/screensaver/"}));
    EXPECT_TRUE(rig.platform.waitPointerDuringShell);
    EXPECT_FALSE(rig.platform.waiting);
    EXPECT_TRUE(rig.view.messages.empty());

    rig.platform.shellResult = 31;  // "no association" is not an outright failure
    rig.dialog->WebsiteClicked();
    EXPECT_TRUE(rig.view.messages.empty());
    rig.platform.shellResult = 0;
    rig.platform.lastError = 1155;
    bool waitingUnderTheBox = true;
    rig.view.onMessage = [&] { waitingUnderTheBox = rig.platform.waiting; };
    rig.dialog->ExecuteLink("http://x.example/");
    ASSERT_EQ(rig.view.messages.size(), 1u);
    EXPECT_FALSE(waitingUnderTheBox);  // the hourglass is gone before the box is shown
    EXPECT_EQ(rig.view.messages[0].text, "error Opening Link to http://x.example/\r\n\r\n1155");
    EXPECT_EQ(rig.view.messages[0].title, "ExecuteLink");
    EXPECT_FALSE(rig.platform.waiting);

    rig.dialog->MouseOverLink();
    EXPECT_EQ(rig.view.pointer, MousePointer::Hand);
    rig.dialog->MouseOverSurface();
    EXPECT_EQ(rig.view.pointer, MousePointer::Default);
}

// The "Display" page: its controls do not overlap, each sits inside its frame, and the page's access
// keys differ from each other and from the tabs'.
TEST(OptionsLayout, TheDisplayPageHoldsEveryLineBoxApartAndItsAccessKeysAreUnique) {
    std::vector<const ControlDefinition*> onPage;
    std::string keys;
    for (const char* caption : kOptionsPageCaptions) keys += caption;
    for (const ControlDefinition& control : OptionsControlDefinitions()) {
        if (control.container != kOnPage0) continue;
        onPage.push_back(&control);
        keys += control.caption;
    }
    for (const ControlDefinition* a : onPage) {
        for (const ControlDefinition* b : onPage) {
            if (a >= b || (a->kind == ControlKind::Frame) != (b->kind == ControlKind::Frame)) continue;
            EXPECT_TRUE(a->x + a->width <= b->x || b->x + b->width <= a->x || a->y + a->height <= b->y ||
                        b->y + b->height <= a->y)
                << a->id << " and " << b->id;
        }
    }
    const auto inside = [](int id, int frameId) {
        const ControlDefinition &in = *FindOptionsControl(id), &frame = *FindOptionsControl(frameId);
        return in.x >= frame.x && in.y >= frame.y && in.x + in.width <= frame.x + frame.width &&
               in.y + in.height <= frame.y + frame.height;
    };
    for (int i = 0; i < kDisplayCheckCount; ++i) EXPECT_TRUE(inside(DisplayCheck(i), kIdDisplayFrame)) << i;
    for (int i = 0; i < kExtraCheckCount; ++i) EXPECT_TRUE(inside(ExtraCheck(i), kIdDisplayFrame)) << i;
    EXPECT_TRUE(inside(kIdDescr, kIdDisplayFrame));
    for (const int id : {kIdFontSample, kIdSetFont, kIdSetBgColour}) EXPECT_TRUE(inside(id, kIdFontFrame)) << id;

    std::set<char> seen;
    for (size_t at = keys.find('&'); at != std::string::npos; at = keys.find('&', at + 1))
        EXPECT_TRUE(seen.insert(static_cast<char>(std::tolower(static_cast<unsigned char>(keys[at + 1])))).second)
            << "access key " << keys[at + 1] << " twice";
    EXPECT_EQ(seen.size(), 4u + 2u + 2u);  // the tabs, the two buttons, the two extra lines
}

}  // namespace
}  // namespace kelvor
