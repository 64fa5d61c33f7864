#include <gtest/gtest.h>

#include "fakes/options_rig.h"
#include "options/dialog_placement.h"

namespace kelvor {
namespace {

TEST(OptionsLoading, FillsTheControlsOnTheNtFamily) {
    OptionsRig rig;
    rig.settings.DisplayItems = 127;
    rig.settings.Descr = "kept";
    rig.settings.MouseSettings = 3;
    rig.settings.MoveOption = 2;
    rig.settings.MoveEBRandom = 7;
    rig.settings.TimeFormat = 1;
    rig.settings.ExtraItems = kShowSystem;
    rig.SetDefaultSaver("SomeOther.scr");
    ASSERT_TRUE(rig.Loaded(WindowsFamily::Nt).ParentWindow() == 0);

    EXPECT_EQ(rig.view.caption, "Kelvor Screen Saver Setup");
    EXPECT_EQ(rig.view.labels[kIdAppName].caption, "Kelvor Screen Saver");
    EXPECT_EQ(rig.view.labels[kIdVersion].caption, "version 1.4 rev 5  (14 January 2004)");
    for (int i = 0; i < 7; ++i) EXPECT_TRUE(rig.view.IsChecked(DisplayCheck(i))) << i;
    EXPECT_FALSE(rig.view.IsChecked(DisplayCheck(7)));
    EXPECT_FALSE(rig.view.IsChecked(ExtraCheck(0)));
    EXPECT_TRUE(rig.view.IsChecked(ExtraCheck(1)));
    EXPECT_EQ(rig.view.description, "kept");
    EXPECT_FALSE(rig.view.descriptionEnabled);
    EXPECT_EQ(rig.view.descriptionColour, SystemColour::ButtonFace);
    // The mouse options do not apply on NT: shown unticked and disabled whatever is stored.
    for (int i = 0; i < 2; ++i) {
        EXPECT_FALSE(rig.view.IsChecked(MouseCheck(i)));
        EXPECT_FALSE(rig.view.IsCheckEnabled(MouseCheck(i)));
    }
    EXPECT_EQ(rig.view.movements, (std::vector<std::string>{"Random Jumping", "Random Sliding", "Bounce Off Sides",
                                                            "Random Path", "Stationary in Centre"}));
    EXPECT_EQ(rig.view.selectedMovement, 2);
    EXPECT_EQ(rig.view.VisiblePanels(), std::vector<int>{2});
    EXPECT_EQ(rig.view.panels[2].left, 600);
    EXPECT_EQ(rig.view.panels[2].top, 1440);
    EXPECT_EQ(rig.view.slider, 7);
    EXPECT_EQ(rig.view.sliderTooltip, "7");
    EXPECT_TRUE(rig.view.IsChecked(kId24Hour));
    EXPECT_FALSE(rig.view.IsChecked(kIdSetAsDefault));
    EXPECT_TRUE(rig.view.IsCheckEnabled(kIdSetAsDefault));
    EXPECT_EQ(rig.dialog->PrevDefaultSaver(), "SomeOther.scr");
    EXPECT_EQ(rig.view.sample, (SampleFont{{"Verdana", 10, false, false, false, false, 16777215}, 0}));
    EXPECT_TRUE(rig.view.messages.empty());
    EXPECT_EQ(rig.view.closeRequests, 0);
}

TEST(OptionsLoading, Fills9xMouseBoxesAndDisablesTheDefaultSaverBox) {
    OptionsRig rig;
    rig.settings.DisplayItems = 0x80;
    rig.settings.MouseSettings = 2;
    rig.settings.MoveOption = 4;
    rig.SetDefaultSaver("kelvor.scr");
    rig.Loaded(WindowsFamily::Win9x);

    EXPECT_TRUE(rig.view.IsChecked(DisplayCheck(7)));
    EXPECT_TRUE(rig.view.descriptionEnabled);
    EXPECT_EQ(rig.view.descriptionColour, SystemColour::WindowBackground);
    EXPECT_FALSE(rig.view.IsChecked(MouseCheck(0)));
    EXPECT_TRUE(rig.view.IsChecked(MouseCheck(1)));
    EXPECT_TRUE(rig.view.IsCheckEnabled(MouseCheck(1)));
    // The default saver is an NT matter: the registry is not even read for it.
    EXPECT_FALSE(rig.view.IsChecked(kIdSetAsDefault));
    EXPECT_FALSE(rig.view.IsCheckEnabled(kIdSetAsDefault));
    EXPECT_FALSE(rig.dialog->WasDefaultSaver());
    EXPECT_EQ(rig.dialog->PrevDefaultSaver(), "");
    EXPECT_EQ(rig.registry.AccessCount(), 0u);
    EXPECT_EQ(rig.view.VisiblePanels(), std::vector<int>{4});
}

TEST(OptionsLoading, TicksTheDefaultSaverBoxOnlyForTheBareFileNameInAnyCase) {
    const std::pair<const char*, bool> cases[] = {{"kelvor.scr", true},
                                                  {"KELVOR.SCR", true},
                                                  {"Kelvor.Scr", true},
                                                  {"C:\\WINDOWS\\system32\\kelvor.scr", false},
                                                  {"kelvor.scr ", false},
                                                  {"logon.scr", false}};
    for (const auto& [stored, ticked] : cases) {
        OptionsRig rig;
        rig.SetDefaultSaver(stored);
        rig.Loaded(WindowsFamily::Nt);
        EXPECT_EQ(rig.view.IsChecked(kIdSetAsDefault), ticked) << stored;
        EXPECT_EQ(rig.dialog->WasDefaultSaver(), ticked) << stored;
        EXPECT_EQ(rig.dialog->PrevDefaultSaver(), stored);
    }
    OptionsRig missing;
    missing.Loaded(WindowsFamily::Nt);
    EXPECT_FALSE(missing.view.IsChecked(kIdSetAsDefault));
    EXPECT_EQ(missing.dialog->PrevDefaultSaver(), "");
    EXPECT_EQ(missing.registry.OpenHandleCount(), 0u);
}

TEST(OptionsLoading, AValueNoControlCanTakeEndsWithTheCriticalError) {
    for (const int16_t moveOption : {5, 7, -2}) {
        OptionsRig rig;
        rig.settings.MoveOption = moveOption;
        const WindowId parent = rig.platform.AddWindow("Display Properties", {0, 0, 400, 300});
        EXPECT_FALSE(rig.Make(WindowsFamily::Nt, "/c").Load());
        ASSERT_EQ(rig.view.messages.size(), 1u);
        EXPECT_EQ(rig.view.messages[0].text,
                  "Critical Error encountered while loading Options form: \rInvalid property value [380]");
        EXPECT_EQ(rig.view.messages[0].title, "Kelvor Screen Saver");
        EXPECT_EQ(rig.view.messages[0].icon, MessageIcon::Critical);
        EXPECT_EQ(rig.view.closeRequests, 1);
        // The later steps did not run; unloading gives the parent its input back.
        EXPECT_EQ(rig.view.slider, 0);
        EXPECT_FALSE(rig.platform.windows[parent].enabled);
        rig.dialog->Unload();
        EXPECT_TRUE(rig.platform.windows[parent].enabled);
    }
    OptionsRig slider;
    slider.settings.MoveEBRandom = 11;
    EXPECT_FALSE(slider.Make().Load());
    ASSERT_EQ(slider.view.messages.size(), 1u);
    EXPECT_NE(slider.view.messages[0].text.find("[380]"), std::string::npos);

    OptionsRig none;  // -1 is the list's own "no selection": every panel hidden, no error
    none.settings.MoveOption = -1;
    EXPECT_TRUE(none.Make().Load());
    EXPECT_TRUE(none.view.VisiblePanels().empty());
}

TEST(OptionsPlacement, ConfigureStartSitsOverDisplayPropertiesAndDisablesItUntilUnload) {
    OptionsRig rig;
    const WindowId parent = rig.platform.AddWindow("Display Properties", {100, 50, 500, 450});
    rig.Loaded(WindowsFamily::Nt, "/c:1234");
    EXPECT_EQ(rig.dialog->ParentWindow(), parent);
    EXPECT_FALSE(rig.platform.windows[parent].enabled);
    // 400 x 400 pixels at 15 twips: left = 1500 + (6000 - 6000) / 2, top = 750 + (6000 - 5000) / 2.
    EXPECT_EQ(rig.view.dialog.left, 1500);
    EXPECT_EQ(rig.view.dialog.top, 1250);
    rig.dialog->Unload();
    rig.dialog->Unload();
    EXPECT_EQ(rig.platform.enableCalls,
              (std::vector<std::pair<WindowId, bool>>{{parent, false}, {parent, true}}));

    // No "/C": the screen's centre, and the window is left alone.
    OptionsRig plain;
    plain.platform.AddWindow("Display Properties", {100, 50, 500, 450});
    plain.Loaded(WindowsFamily::Nt, "");
    EXPECT_EQ(plain.dialog->ParentWindow(), 0u);
    EXPECT_EQ(plain.view.dialog.left, (15360 - 6000) / 2.0);
    EXPECT_EQ(plain.view.dialog.top, (11520 - 5000) / 2.0);
    plain.dialog->Unload();
    EXPECT_TRUE(plain.platform.enableCalls.empty());

    OptionsRig alone;  // "/C" without the window
    alone.Loaded(WindowsFamily::Nt, "/C");
    EXPECT_EQ(alone.view.dialog.left, (15360 - 6000) / 2.0);
    EXPECT_TRUE(alone.platform.enableCalls.empty());
}

TEST(OptionsPlacement, CentreOverWindowKeepsTheDialogOnTheScreen) {
    const TwipRect dialog{0, 0, 6000, 5000};
    // Near the right and bottom edges: pulled back to end at the edge.
    EXPECT_EQ(CentredOverWindow({900, 700, 1000, 760}, 15, 15, dialog, 15360, 11520),
              (DialogPosition{15360 - 6000, 11520 - 5000}));
    // Near the top-left corner: held at 0.
    EXPECT_EQ(CentredOverWindow({0, 0, 100, 100}, 15, 15, dialog, 15360, 11520), (DialogPosition{0, 0}));
    // Larger than the screen: the left edge may be negative, the top never.
    EXPECT_EQ(CentredOverWindow({100, 100, 200, 200}, 15, 15, {0, 0, 20000, 15000}, 15360, 11520),
              (DialogPosition{15360 - 20000, 0}));
    // Odd differences: the half is truncated toward zero before the sum is rounded.
    EXPECT_EQ(CentredOverWindow({10, 10, 410, 310}, 15, 15, {0, 0, 6015, 4001}, 15360, 11520),
              (DialogPosition{150 - 7, 150 + 249}));
    // Sums ending in a half go to the even neighbour: 1 x 1.5 = 1.5 -> 2, 3 x 1.5 = 4.5 -> 4.
    EXPECT_EQ(CentredOverWindow({1, 3, 1001, 1003}, 1.5, 1.5, {0, 0, 1500, 1500}, 15360, 11520),
              (DialogPosition{2, 4}));

    OptionsRig rig;  // a window whose rectangle cannot be read: centred on the screen instead
    const WindowId parent = rig.platform.AddWindow("Display Properties", {0, 0, 10, 10});
    rig.platform.windows[parent].rectReadable = false;
    rig.Loaded(WindowsFamily::Nt, "/c");
    EXPECT_EQ(rig.view.dialog.left, (15360 - 6000) / 2.0);
    const int moves = rig.view.moves;
    rig.dialog->CentreOverWindow(0);
    EXPECT_EQ(rig.view.moves, moves);
}

}  // namespace
}  // namespace kelvor
