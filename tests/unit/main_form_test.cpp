#include <gtest/gtest.h>

#include "fakes/main_form_rig.h"

namespace kelvor {
namespace {

class MainFormTest : public ::testing::Test, protected MainFormRig {
protected:
    MainFormTest() {
        StoreSetting("FontName", "Tahoma");
        StoreSetting("FontSize", 12);
        StoreSetting("FontColour", 0x00FF00);
        StoreSetting("BgColour", 0x102030);
        StoreSetting("FontSettings", 2);
    }
};

TEST_F(MainFormTest, LoadRunsTheStartUpStepsInOrderAndStylesBothLabels) {
    EXPECT_EQ(form.Load("/s"), StartMode::FullScreen);
    const std::vector<std::string> expected{"RandomSeed",       "ReadOSVersion",           "ReadComputerName",
                                            "CreateCpuSampler", "GetDesktopBounds(multi)", "FindWindow KelvorSS"};
    EXPECT_EQ(platform.log, expected);
    EXPECT_EQ(form.ComputerName(), "KELVOR-PC");
    EXPECT_EQ(state.Settings.FontName, "Tahoma");
    EXPECT_EQ(block.BackColour(), 0x102030);
    EXPECT_EQ(block.BlockBackColour(), 0x102030);
    for (const InfoLabel label : {InfoLabel::Info, InfoLabel::Network}) {
        const FontDescription& f = block.Font(label);
        EXPECT_EQ(f.name, "Tahoma");
        EXPECT_TRUE(f.italic);
        EXPECT_FALSE(f.bold);
        EXPECT_EQ(f.size, 12.0);
        EXPECT_EQ(f.colour, 0x00FF00);
    }
    EXPECT_NE(state.Random, nullptr);
    EXPECT_NE(state.CpuSampler, nullptr);
}

TEST_F(MainFormTest, AFailingLabelPropertyIsSkippedAndTheRestStillApplied) {
    StoreSetting("FontName", surface.unusableFontName);
    StoreSetting("FontSize", 0);
    EXPECT_EQ(form.Load("/s"), StartMode::FullScreen);
    for (const InfoLabel label : {InfoLabel::Info, InfoLabel::Network}) {
        const FontDescription& f = block.Font(label);
        EXPECT_EQ(f.name, "Verdana");
        EXPECT_EQ(f.size, 9.75);
        EXPECT_TRUE(f.italic);
        EXPECT_EQ(f.colour, 0x00FF00);
    }
    EXPECT_FALSE(Logged("CriticalError"));
}

TEST_F(MainFormTest, FullScreenCoversTheDesktopHidesThePointerAndTellsOnly9xItRuns) {
    platform.desktop = {-1024, 1280, 0, 1024};
    EXPECT_EQ(form.Load(" /S:0 "), StartMode::FullScreen);
    EXPECT_EQ(window.title, "KelvorSS");
    EXPECT_EQ(window.placement, (std::vector<int32_t>{-1024, 0, 2304, 1024}));
    EXPECT_EQ(window.cursorCounter, -1);
    EXPECT_FALSE(form.PreviewMode());
    EXPECT_FALSE(block.Visible(InfoLabel::Info));
    EXPECT_FALSE(block.Visible(InfoLabel::Network));
    EXPECT_FALSE(Logged("ScreenSaverRunning(1)"));

    MainFormRig on9x;
    on9x.platform.os = {1, true, false};
    EXPECT_EQ(on9x.form.Load("/s"), StartMode::FullScreen);
    EXPECT_EQ(on9x.Count("ScreenSaverRunning(1)"), 1);
}

TEST_F(MainFormTest, TheBlockKnowsTheMonitorsAndFollowsADisplayChange) {
    platform.desktop = {-1024, 1280, 0, 1024, {{-1024, 0, 0, 768}, {0, 0, 1280, 1024}}, 1};
    ASSERT_EQ(form.Load("/s"), StartMode::FullScreen);
    EXPECT_EQ(block.Monitors(), (MonitorLayout{{{0, 0, 1024, 768}, {1024, 0, 2304, 1024}}, 1}));

    // Undocked: the monitor on the left is gone.
    platform.desktop = {0, 1280, 0, 1024, {{0, 0, 1280, 1024}}, 0};
    form.DisplayChanged();
    EXPECT_EQ(window.placement, (std::vector<int32_t>{0, 0, 1280, 1024}));
    EXPECT_EQ(block.Monitors(), (MonitorLayout{{{0, 0, 1280, 1024}}, 0}));
    EXPECT_EQ(block.DesktopLeft(), 0);

    // The preview's pane stays its one monitor.
    MainFormRig preview;
    preview.window.paneHandle = 4242;
    preview.window.paneWidth = 152;
    preview.window.paneHeight = 112;
    ASSERT_EQ(preview.form.Load("/p 4242"), StartMode::Preview);
    preview.form.DisplayChanged();
    EXPECT_EQ(preview.window.placement, (std::vector<int32_t>{0, 0, 152, 112}));
    EXPECT_TRUE(preview.block.Monitors().monitors.empty());
}

TEST_F(MainFormTest, ASecondFullScreenStartEndsWithoutTakingTheTitle) {
    platform.existingWindowTitle = "KelvorSS";
    EXPECT_EQ(form.Load("/s"), StartMode::Ended);
    EXPECT_EQ(window.title, "frmMain");
    EXPECT_TRUE(window.placement.empty());
}

TEST_F(MainFormTest, SwitchesDispatchByExactComparison) {
    const std::vector<std::pair<std::string, StartMode>> cases{
        {"", StartMode::Options},        {"    ", StartMode::Options}, {"/c", StartMode::Options},
        {"/C:5678", StartMode::Options}, {"-s", StartMode::Ended},     {"s", StartMode::Ended},
        {"/x", StartMode::Ended},        {"/a", StartMode::Ended},     {"/S", StartMode::FullScreen}};
    for (const auto& [commandLine, mode] : cases) {
        MainFormRig rig;
        EXPECT_EQ(rig.form.Load(commandLine), mode) << "command line '" << commandLine << "'";
        EXPECT_EQ(rig.window.title == "KelvorSS", mode == StartMode::FullScreen) << commandLine;
    }
}

TEST_F(MainFormTest, PasswordChangeGetsTheParentFromTheRawCommandLine) {
    EXPECT_EQ(form.Load("/a 1234"), StartMode::Ended);
    EXPECT_TRUE(Logged("ChangePassword 1234"));

    MainFormRig bare;
    EXPECT_EQ(bare.form.Load("/A"), StartMode::Ended);
    EXPECT_EQ(bare.platform.log.back(), "ChangePassword 0");
}

TEST_F(MainFormTest, PreviewBecomesAChildFillingThePaneWithHalvedFonts) {
    window.paneHandle = 4242;
    window.paneWidth = 152;
    window.paneHeight = 112;
    // The display window placed in the pane has the pane's size.
    surface.area = {152, 112};
    StoreSetting("FontSize", 9);
    EXPECT_EQ(form.Load("/p 4242"), StartMode::Preview);
    EXPECT_TRUE(form.PreviewMode());
    EXPECT_EQ(window.parent, 4242);
    EXPECT_EQ(window.placement, (std::vector<int32_t>{0, 0, 152, 112}));
    EXPECT_EQ(block.Font(InfoLabel::Info).size, 4.0);  // 4.5 goes to the even 4
    EXPECT_EQ(block.Font(InfoLabel::Network).size, 4.0);
    EXPECT_EQ(window.cursorCounter, 0);
    EXPECT_FALSE(Logged("ScreenSaverRunning(1)"));
    EXPECT_NE(window.title, "KelvorSS");
}

TEST_F(MainFormTest, PreviewWithoutAUsablePaneEnds) {
    window.paneHandle = 4242;
    EXPECT_EQ(form.Load("/p"), StartMode::Ended);
    MainFormRig notAWindow;
    notAWindow.window.paneHandle = 4242;
    EXPECT_EQ(notAWindow.form.Load("/p 777"), StartMode::Ended);
    EXPECT_EQ(window.parent, 0);
    EXPECT_EQ(notAWindow.window.parent, 0);
}

TEST_F(MainFormTest, AStartUpFailureShowsTheCriticalErrorWithDescriptionAndNumber) {
    StoreSetting("DisplayItems", 256);
    EXPECT_EQ(form.Load("/s"), StartMode::Ended);
    EXPECT_EQ(platform.errorTitle, "Kelvor Screen Saver");
    EXPECT_EQ(platform.errorText, "Critical Error encountered while loading screen saver: \rOverflow [6]");
    EXPECT_FALSE(Logged("CreateCpuSampler"));
    EXPECT_EQ(window.title, "frmMain");
    // The load closes without asking for the password: the window was never shown.
    EXPECT_FALSE(form.QueryUnload());

    MainFormRig cpu;
    cpu.platform.failCpuSampler = true;
    EXPECT_EQ(cpu.form.Load("/c"), StartMode::Ended);
    EXPECT_EQ(cpu.platform.errorText,
              "Critical Error encountered while loading screen saver: \rCan't get the Windows version [-2147213503]");
}

TEST_F(MainFormTest, UnloadShowsThePointerReleasesTheSamplerAndClearsThe9xState) {
    platform.os = {1, false, false};
    ASSERT_EQ(form.Load("/s"), StartMode::FullScreen);
    platform.log.clear();
    form.Unload();
    EXPECT_EQ(window.cursorCounter, 0);
    EXPECT_EQ(state.CpuSampler, nullptr);
    EXPECT_EQ(platform.log, (std::vector<std::string>{"ReleaseCpuSampler", "ScreenSaverRunning(0)"}));
}

}  // namespace
}  // namespace kelvor
