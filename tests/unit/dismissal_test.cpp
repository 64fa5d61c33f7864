#include <gtest/gtest.h>

#include "fakes/main_form_rig.h"

namespace kelvor {
namespace {

constexpr char kDesktopKey[] = "Control Panel\\Desktop";

class DismissalTest : public ::testing::Test, protected MainFormRig {
protected:
    void Start(int32_t platformId, int32_t mouseSettings = 0, const std::string& commandLine = "/s") {
        platform.os = {platformId, true, platformId == 2};
        StoreSetting("MouseSettings", mouseSettings);
        window.paneHandle = 77;
        ASSERT_NE(form.Load(commandLine), StartMode::Ended);
        window.closeRequests = 0;
    }
    void UsePassword(int32_t on) { platform.registry.SetNumber(RegistryRoot::CurrentUser, kDesktopKey, "ScreenSaveUsePassword", on); }
    void MovesAt(int count, int hour, int minute, int second) {
        sources.now = {2026, 12, 7, hour, minute, second, 0};
        for (int i = 0; i < count; ++i) form.MouseMove();
    }
};

TEST_F(DismissalTest, PreviewIgnoresAllInputAndClosesWithoutACheck) {
    UsePassword(1);
    Start(1, 0, "/p 77");
    form.KeyDown();
    form.MouseDown();
    MovesAt(30, 12, 0, 0);
    EXPECT_EQ(window.closeRequests, 0);
    EXPECT_FALSE(form.QueryUnload());
    EXPECT_FALSE(Logged("VerifyScreenSavePassword 4660"));
}

TEST_F(DismissalTest, TheNtFamilyIgnoresBothMouseBits) {
    Start(2, 3);
    form.MouseDown();
    EXPECT_EQ(window.closeRequests, 1);
    MovesAt(10, 12, 0, 0);
    EXPECT_EQ(window.closeRequests, 2);
}

TEST_F(DismissalTest, The9xFamilyHonoursEachMouseBit) {
    Start(1, 2);
    form.MouseDown();
    EXPECT_EQ(window.closeRequests, 0);
    MovesAt(10, 12, 0, 0);
    EXPECT_EQ(window.closeRequests, 1);

    MainFormRig movesIgnored;
    movesIgnored.StoreSetting("MouseSettings", 1);
    movesIgnored.platform.os = {1, true, false};
    ASSERT_EQ(movesIgnored.form.Load("/s"), StartMode::FullScreen);
    for (int i = 0; i < 30; ++i) movesIgnored.form.MouseMove();
    EXPECT_EQ(movesIgnored.window.closeRequests, 0);
    movesIgnored.form.MouseDown();
    EXPECT_EQ(movesIgnored.window.closeRequests, 1);
}

TEST_F(DismissalTest, TheTenthMoveWithinTenSecondsEndsTheSaver) {
    Start(2);
    MovesAt(1, 12, 0, 0);
    MovesAt(8, 12, 0, 9);
    EXPECT_EQ(window.closeRequests, 0);
    MovesAt(1, 12, 0, 10);
    EXPECT_EQ(window.closeRequests, 1);
}

TEST_F(DismissalTest, MovesMoreThanTenSecondsApartNeverEndTheSaver) {
    Start(2);
    for (int i = 0; i < 40; ++i) MovesAt(1, 12, i / 2, (i % 2) * 11);
    EXPECT_EQ(window.closeRequests, 0);
    // A late move closes the time window; counting starts afresh with the next one.
    MovesAt(1, 13, 0, 0);
    MovesAt(1, 13, 0, 11);
    MovesAt(9, 13, 0, 12);
    EXPECT_EQ(window.closeRequests, 0);
    MovesAt(1, 13, 0, 12);
    EXPECT_EQ(window.closeRequests, 1);
}

TEST_F(DismissalTest, MovesCausedByTheBlockAreSwallowedFirst) {
    Start(2);
    state.IgnoreMouseMoves = 4;
    MovesAt(13, 12, 0, 0);
    EXPECT_EQ(state.IgnoreMouseMoves, 0);
    EXPECT_EQ(window.closeRequests, 0);
    MovesAt(1, 12, 0, 1);
    EXPECT_EQ(window.closeRequests, 1);
}

TEST_F(DismissalTest, ARefusedPasswordKeepsTheSaverWithThePointerHiddenAgain) {
    UsePassword(1);
    Start(1);
    MovesAt(4, 12, 0, 0);
    platform.passwords.typed = "wrong";
    EXPECT_TRUE(form.QueryUnload());
    EXPECT_TRUE(Logged("VerifyScreenSavePassword 4660"));
    EXPECT_LE(window.cursorCounter, -6);
    // The move count survives the refusal: six more moves end the saver.
    MovesAt(5, 12, 0, 1);
    EXPECT_EQ(window.closeRequests, 0);
    MovesAt(1, 12, 0, 1);
    EXPECT_EQ(window.closeRequests, 1);

    platform.passwords.typed = "secret";
    EXPECT_FALSE(form.QueryUnload());
    EXPECT_GE(window.cursorCounter, 6);
}

TEST_F(DismissalTest, ACloseRequestedWhileThePromptIsUpAsksNoSecondTime) {
    UsePassword(1);
    Start(1);
    bool nestedCancelled = false;
    platform.passwords.whilePromptIsUp = [&] { nestedCancelled = form.QueryUnload(); };
    EXPECT_FALSE(form.QueryUnload());
    EXPECT_TRUE(nestedCancelled);
    EXPECT_EQ(Count("VerifyScreenSavePassword 4660"), 1);
    platform.passwords.whilePromptIsUp = nullptr;
    EXPECT_FALSE(form.QueryUnload());  // the next close asks again
    EXPECT_EQ(Count("VerifyScreenSavePassword 4660"), 2);
}

TEST_F(DismissalTest, NoCheckWithoutTheSwitchOnTheNtFamilyOrForAWindowNeverShown) {
    Start(1);
    EXPECT_FALSE(form.QueryUnload());  // no "ScreenSaveUsePassword" value
    platform.registry.SetString(RegistryRoot::CurrentUser, kDesktopKey, "ScreenSaveUsePassword", "1");
    EXPECT_FALSE(form.QueryUnload());  // a string is not a readable number
    UsePassword(0);
    EXPECT_FALSE(form.QueryUnload());

    MainFormRig nt;
    nt.platform.registry.SetNumber(RegistryRoot::CurrentUser, kDesktopKey, "ScreenSaveUsePassword", 1);
    ASSERT_EQ(nt.form.Load("/s"), StartMode::FullScreen);
    EXPECT_FALSE(nt.form.QueryUnload());

    for (const char* commandLine : {"/c", "/a 5", "/x"}) {
        MainFormRig hidden;
        hidden.platform.os = {1, true, false};
        hidden.platform.registry.SetNumber(RegistryRoot::CurrentUser, kDesktopKey, "ScreenSaveUsePassword", 1);
        hidden.platform.passwords.typed = "wrong";
        hidden.form.Load(commandLine);
        EXPECT_FALSE(hidden.form.QueryUnload()) << commandLine;
        EXPECT_FALSE(hidden.Logged("VerifyScreenSavePassword 4660")) << commandLine;
    }
    EXPECT_FALSE(Logged("VerifyScreenSavePassword 4660"));
}

}  // namespace
}  // namespace kelvor
