#include <gtest/gtest.h>

#include "fakes/options_rig.h"

namespace kelvor {
namespace {

constexpr RegistryRoot kUsers = RegistryRoot::Users;
constexpr char kDesktop[] = ".DEFAULT\\Control Panel\\Desktop";

TEST(OptionsOk, CopiesEveryControlIntoTheSettingsAndSavesThem) {
    OptionsRig rig;
    rig.Loaded(WindowsFamily::Win9x);
    rig.view.sample = {"Tahoma", 12.5, true, false, true, true, 0x00FF00, 0x112233};
    for (int i = 0; i < 8; ++i) rig.view.checked[DisplayCheck(i)] = true;
    rig.view.checked[ExtraCheck(0)] = true;
    rig.view.description = "my server";
    rig.view.checked[MouseCheck(1)] = true;
    rig.view.selectedMovement = 3;
    rig.view.slider = 10;
    rig.view.checked[kId24Hour] = true;
    rig.dialog->OkClicked();

    EXPECT_EQ(rig.settings.FontName, "Tahoma");
    EXPECT_EQ(rig.settings.FontSize, 12);  // half to even
    EXPECT_TRUE(rig.settings.FontBold && rig.settings.FontStrikethru && rig.settings.FontUnderline);
    EXPECT_FALSE(rig.settings.FontItalic);
    EXPECT_EQ(rig.settings.FontColour, 0x00FF00);
    EXPECT_EQ(rig.settings.BgColour, 0x112233);
    EXPECT_EQ(rig.settings.DisplayItems, 255);
    EXPECT_EQ(rig.settings.Descr, "my server");
    EXPECT_EQ(rig.settings.MouseSettings, 2);
    EXPECT_EQ(rig.settings.MoveOption, 3);
    EXPECT_EQ(rig.settings.MoveEBRandom, 10);
    EXPECT_EQ(rig.settings.TimeFormat, 1);
    EXPECT_EQ(rig.settings.ExtraItems, kShowAddress);
    EXPECT_EQ(rig.registry.GetNumber(kSettingsRoot, kSettingsSubkey, "DisplayItems"), 255);
    EXPECT_EQ(rig.registry.GetNumber(kSettingsRoot, kSettingsSubkey, "ExtraItems"), kShowAddress);
    EXPECT_EQ(rig.registry.GetString(kSettingsRoot, kSettingsSubkey, "Descr"), "my server");
    EXPECT_EQ(rig.registry.WrittenNames().size(), 12u);
    EXPECT_TRUE(rig.view.messages.empty());
    EXPECT_EQ(rig.view.closeRequests, 1);
}

TEST(OptionsOk, DropsAHiddenDescriptionAndStoresNoMouseOptionsOnNt) {
    OptionsRig rig;
    rig.settings.MouseSettings = 3;
    rig.Loaded(WindowsFamily::Nt);
    for (int i = 0; i < 8; ++i) rig.view.checked[DisplayCheck(i)] = false;
    rig.view.checked[ExtraCheck(1)] = true;
    rig.view.description = "still in the box";
    rig.view.sample.font.size = 40000;  // too large for the field: that step is skipped, the rest runs
    rig.dialog->OkClicked();
    EXPECT_EQ(rig.settings.DisplayItems, 0);
    EXPECT_EQ(rig.settings.ExtraItems, kShowSystem);
    EXPECT_EQ(rig.settings.Descr, "");
    EXPECT_EQ(rig.settings.MouseSettings, 0);
    EXPECT_EQ(rig.settings.FontSize, 10);
    EXPECT_EQ(rig.registry.GetString(kSettingsRoot, kSettingsSubkey, "Descr"), "");
    EXPECT_EQ(rig.view.closeRequests, 1);
}

TEST(OptionsOk, TakesAndGivesBackTheAllUsersDefaultSaver) {
    OptionsRig rig;  // taking the role: the old value is kept first, then replaced
    rig.SetDefaultSaver("ssstars.scr");
    rig.Loaded(WindowsFamily::Nt);
    rig.registry.ClearCalls();
    rig.view.checked[kIdSetAsDefault] = true;
    rig.dialog->OkClicked();
    EXPECT_EQ(rig.OldDefaultSaver(), "ssstars.scr");
    EXPECT_EQ(rig.DefaultSaver(), "kelvor.scr");
    EXPECT_EQ(rig.registry.WrittenNames().front(), "oldDefaultSS");
    EXPECT_EQ(rig.registry.WrittenNames()[1], "SCRNSAVE.EXE");
    EXPECT_TRUE(rig.dialog->WasDefaultSaver());

    OptionsRig back;  // giving it back restores the stored one and keeps "oldDefaultSS"
    back.SetDefaultSaver("KELVOR.SCR");
    back.registry.SetString(kSettingsRoot, kSettingsSubkey, "oldDefaultSS", "ssstars.scr");
    back.Loaded(WindowsFamily::Nt);
    back.view.checked[kIdSetAsDefault] = false;
    back.dialog->OkClicked();
    EXPECT_EQ(back.DefaultSaver(), "ssstars.scr");
    EXPECT_EQ(back.OldDefaultSaver(), "ssstars.scr");
    EXPECT_FALSE(back.dialog->WasDefaultSaver());

    OptionsRig fallback;  // nothing kept to give back
    fallback.SetDefaultSaver("kelvor.scr");
    fallback.Loaded(WindowsFamily::Nt);
    fallback.view.checked[kIdSetAsDefault] = false;
    fallback.dialog->OkClicked();
    EXPECT_EQ(fallback.DefaultSaver(), "Logon.scr");
    EXPECT_EQ(fallback.dialog->PrevDefaultSaver(), "Logon.scr");
    EXPECT_EQ(fallback.registry.OpenHandleCount(), 0u);
}

TEST(OptionsOk, AnEmptyOldSaverIsKeptAndGivenBackEmpty) {
    OptionsRig rig;  // the default user had no saver at all
    rig.Loaded(WindowsFamily::Nt);
    rig.view.checked[kIdSetAsDefault] = true;
    rig.dialog->OkClicked();
    EXPECT_EQ(rig.OldDefaultSaver(), "");
    EXPECT_EQ(rig.DefaultSaver(), "kelvor.scr");

    OptionsRig later;  // the next run gives the role back: the empty value is read successfully
    later.registry = rig.registry;
    later.Loaded(WindowsFamily::Nt);
    EXPECT_TRUE(later.view.IsChecked(kIdSetAsDefault));
    later.view.checked[kIdSetAsDefault] = false;
    later.dialog->OkClicked();
    EXPECT_EQ(later.DefaultSaver(), "");
}

TEST(OptionsOk, LeavesTheDefaultSaverAloneWhenTheBoxDidNotChangeOrOn9x) {
    for (const bool ticked : {false, true}) {
        OptionsRig rig;
        rig.SetDefaultSaver(ticked ? "kelvor.scr" : "other.scr");
        rig.Loaded(WindowsFamily::Nt);
        rig.registry.ClearCalls();
        rig.dialog->OkClicked();
        for (const FakeRegistry::Call& call : rig.registry.Calls())
            EXPECT_NE(call.root, kUsers) << call.subkey;
        EXPECT_FALSE(rig.OldDefaultSaver().has_value());
        EXPECT_EQ(rig.registry.WrittenNames().size(), 12u);
    }
    OptionsRig old;
    old.Loaded(WindowsFamily::Win9x);
    old.view.checked[kIdSetAsDefault] = true;  // cannot happen through the disabled box
    old.dialog->OkClicked();
    EXPECT_FALSE(old.registry.KeyExists(kUsers, kDesktop));
}

TEST(OptionsOk, SaysSoWhenTheSettingsCouldNotBeWrittenAndStillCloses) {
    OptionsRig rig;
    rig.Loaded(WindowsFamily::Nt);
    rig.registry.FailSetValue("FontColour");
    rig.dialog->OkClicked();
    ASSERT_EQ(rig.view.messages.size(), 1u);
    EXPECT_EQ(rig.view.messages[0].title, "Kelvor Screen Saver");
    EXPECT_EQ(rig.view.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(rig.view.messages[0].text.rfind("Your settings could not be saved.", 0), 0u);
    EXPECT_EQ(rig.view.closeRequests, 1);
    // Every other value was still written.
    EXPECT_EQ(rig.registry.GetNumber(kSettingsRoot, kSettingsSubkey, "TimeFormat"), 0);
    EXPECT_FALSE(rig.registry.GetNumber(kSettingsRoot, kSettingsSubkey, "FontColour").has_value());

    OptionsRig noRights;  // a standard user: the default user's key is out of reach
    noRights.Loaded(WindowsFamily::Nt);
    noRights.registry.SetReadOnly(kUsers, true);
    noRights.view.checked[kIdSetAsDefault] = true;
    noRights.dialog->OkClicked();
    ASSERT_EQ(noRights.view.messages.size(), 1u);
    EXPECT_NE(noRights.view.messages[0].text.find("default screen saver for all users could not be changed"),
              std::string::npos);
    EXPECT_EQ(noRights.registry.GetNumber(kSettingsRoot, kSettingsSubkey, "MoveOption"), 2);
    EXPECT_EQ(noRights.view.closeRequests, 1);
}

TEST(OptionsCancel, ChangesNothing) {
    OptionsRig rig;
    rig.SetDefaultSaver("kelvor.scr");
    rig.Loaded(WindowsFamily::Nt);
    const SaverSettings before = rig.settings;
    rig.platform.fontAnswer = FontDescription{"Courier", 20, true, true, false, false, 0xFF};
    rig.dialog->SetFontClicked();
    rig.view.checked[DisplayCheck(0)] = false;
    rig.view.checked[kIdSetAsDefault] = false;
    rig.registry.ClearCalls();
    rig.dialog->CancelClicked();
    EXPECT_EQ(rig.settings, before);
    EXPECT_EQ(rig.registry.AccessCount(), 0u);
    EXPECT_EQ(rig.view.closeRequests, 1);
}

}  // namespace
}  // namespace kelvor
