#include <gtest/gtest.h>

#include <tuple>

#include "animation/movers.h"
#include "display/window_fit.h"
#include "fakes/fake_block_surface.h"
#include "fakes/fake_saver_platform.h"
#include "module/frame_rate.h"
#include "host/info_display.h"
#include "module/module_options.h"

namespace kelvor {
namespace {

class NoColourNames final : public ColourNames {
public:
    std::optional<int32_t> Colour(const std::string& name) override {
        return name == "#102030" ? std::optional<int32_t>(0x302010) : std::nullopt;
    }
};

// The display module's start: its options become the settings, and the display starts from them.
class ModuleDisplayTest : public ::testing::Test {
protected:
    void Start(std::vector<std::string> arguments) {
        ModuleOptions options;
        std::vector<std::string> warnings;
        ParseModuleOptions(arguments, options, warnings);
        NoColourNames colours;
        state.Settings = ModuleSettings(options, colours, warnings);
        ASSERT_TRUE(warnings.empty()) << warnings.front();
        state.Random = std::make_unique<SeededRandom>(7);
        state.CpuSampler = std::make_unique<FakeCpuSampler>(log);
        display.SetComputerName("rack4");
        display.Start();
    }

    std::vector<std::string> log;
    FakeBlockSurface surface;
    FakeInformationSources sources;
    ProgramState state;
    InfoDisplay display{state, surface, sources};
    InfoBlock& block = display.Block();
};

TEST_F(ModuleDisplayTest, TheOptionsStyleTheBlockWhichShowsOnlyAfterTheFirstTick) {
    Start({"-root", "-font", "DejaVu Sans-16:bold:underline", "-fg", "#102030", "-bg", "#102030", "-lines", "name,cpu",
           "-animation", "centre"});
    for (const InfoLabel label : {InfoLabel::Info, InfoLabel::Network}) {
        const FontDescription& font = block.Font(label);
        EXPECT_EQ(font.name, "DejaVu Sans");
        EXPECT_EQ(font.size, 16);
        EXPECT_TRUE(font.bold && font.underline);
        EXPECT_FALSE(font.italic || font.strikethru);
        EXPECT_EQ(font.colour, 0x302010);
        EXPECT_FALSE(block.Visible(label));
    }
    EXPECT_EQ(block.BackColour(), 0x302010);
    EXPECT_EQ(block.BlockBackColour(), 0x302010);

    display.Tick();
    EXPECT_TRUE(block.Visible(InfoLabel::Info));
    EXPECT_EQ(block.Text(InfoLabel::Info), "rack4\rCPU usage: 07 %");
    // The network line is not among the lines: it stays hidden and is never asked for.
    EXPECT_FALSE(block.Visible(InfoLabel::Network));
    EXPECT_EQ(sources.networkMonitorsCreated, 0);
    // Centred on the 1536 x 1152 pixel area of the fake surface.
    EXPECT_EQ(block.BlockPixels().left + block.BlockPixels().right, 1536);
}

TEST_F(ModuleDisplayTest, TheDefaultLinesWithTheTextAboveThemOnA24HourClock) {
    Start({"-text", "Rack 4", "-clock", "24"});
    display.Tick();
    EXPECT_EQ(block.Text(InfoLabel::Info),
              "Rack 4\rrack4:  15:06:10\rup for 2 days, 7:33:20\rup since 05-Dec-26 15:06:10\r"
              "Memory usage: 262,144 K\rCPU usage: 07 %");
    EXPECT_EQ(block.Text(InfoLabel::Network), "Network activity: rx: /  tx: |");
    EXPECT_EQ(block.Font(InfoLabel::Info).name, DefaultSettings().FontName);
}

TEST_F(ModuleDisplayTest, AFontThePlatformCannotMakeLeavesTheOneBefore) {
    surface.unusableFontName = "Missing";
    Start({"-font", "Missing-30"});
    // The name is refused; the size, a separate property, still applies.
    EXPECT_EQ(block.Font(InfoLabel::Info).name, InfoBlock::kDesignFontName);
    EXPECT_EQ(block.Font(InfoLabel::Info).size, 30);
}

TEST(WindowFit, APreviewPaneHalvesTheSizeAndAnOverhangingBlockShrinksInProportion) {
    for (const PixelSize pane : {PixelSize{152, 112}, PixelSize{300, 200}, PixelSize{639, 479}})
        EXPECT_TRUE(IsPreviewSized(pane)) << pane.width;
    for (const PixelSize window : {PixelSize{640, 200}, PixelSize{300, 480}, PixelSize{1920, 1080}})
        EXPECT_FALSE(IsPreviewSized(window)) << window.width;
    EXPECT_EQ(StartingFontSize(9, {152, 112}), 4.0);  // ties to the even size, as the Windows preview
    EXPECT_EQ(StartingFontSize(11, {152, 112}), 6.0);
    EXPECT_EQ(StartingFontSize(11, {1920, 1080}), 11.0);

    EXPECT_EQ(SmallerFontSize(20, {400, 100}, {200, 200}), 10.0);
    EXPECT_EQ(SmallerFontSize(20, {100, 800}, {200, 200}), 5.0);
    // Just over: at least a quarter point less, in quarter points.
    EXPECT_EQ(SmallerFontSize(10, {201, 10}, {200, 200}), 9.75);
    EXPECT_EQ(SmallerFontSize(10, {2000, 10}, {1, 200}), kMinFittedFontSize);
    EXPECT_EQ(SmallerFontSize(20, {200, 200}, {200, 200}), std::nullopt);
    EXPECT_EQ(SmallerFontSize(20, {400, 100}, {0, 0}), std::nullopt);
    EXPECT_EQ(SmallerFontSize(kMinFittedFontSize, {400, 100}, {200, 200}), std::nullopt);
}

TEST_F(ModuleDisplayTest, TheBlockFitsItsWindowAndIsFittedAgainWhenTheWindowChanges) {
    surface.proportional = true;
    surface.area = {300, 200};
    Start({"-font", "DejaVu Sans-40", "-animation", "centre"});
    display.KeepFittedToWindow();
    // A window the size of a preview pane starts at half the size...
    EXPECT_EQ(block.Font(InfoLabel::Info).size, 20.0);
    display.Tick();
    // ...and a block still too large shrinks until it fits, both labels alike.
    const auto fits = [&] {
        const PixelRect shown = block.BlockPixels();
        return shown.left >= 0 && shown.top >= 0 && shown.right <= surface.area.width &&
               shown.bottom <= surface.area.height;
    };
    EXPECT_LT(block.Font(InfoLabel::Info).size, 20.0);
    EXPECT_EQ(block.Font(InfoLabel::Network).size, block.Font(InfoLabel::Info).size);
    EXPECT_TRUE(fits());
    // Not needlessly small: the widest line fills most of the width.
    EXPECT_GT(block.BlockPixels().Width(), 250);

    // A full-size window: the chosen size again, centred again.
    surface.area = {1536, 1152};
    display.WindowResized();
    EXPECT_EQ(block.Font(InfoLabel::Info).size, 40.0);
    EXPECT_TRUE(fits());
    EXPECT_NEAR(block.BlockPixels().left + block.BlockPixels().right, 1536, 1);
    EXPECT_NEAR(block.BlockPixels().top + block.BlockPixels().bottom, 1152, 1);
    for (int second = 0; second < 3; ++second)
        for (int tick = 0; tick < 10; ++tick) display.Tick();
    EXPECT_EQ(block.Font(InfoLabel::Info).size, 40.0);
}

TEST_F(ModuleDisplayTest, TextShrunkForALineWiderForAMomentComesBackWithoutGoingBackAndForth) {
    surface.proportional = true;
    surface.area = {300, 200};
    Start({"-font", "DejaVu Sans-40", "-lines", "memory", "-animation", "centre"});
    display.KeepFittedToWindow();
    const auto sizeAfterSeconds = [&](int seconds, const std::string& memory) {
        sources.memory = memory;
        for (int tick = 0; tick < 10 * seconds; ++tick) display.Tick();
        return block.Font(InfoLabel::Info).size;
    };
    const double narrow = sizeAfterSeconds(1, "262,144 K");
    EXPECT_LT(sizeAfterSeconds(1, "2,262,144 K"), narrow);
    // Back to the size of the narrow text within a quarter of an hour of it...
    EXPECT_EQ(sizeAfterSeconds(15 * 60, "262,144 K"), narrow);
    // ...but a line that is often wide keeps the text at the size for it, not back and forth.
    const double often = sizeAfterSeconds(1, "2,262,144 K");
    for (int second = 0; second < 3600; ++second)
        ASSERT_EQ(sizeAfterSeconds(1, second % 7 == 0 ? "2,262,144 K" : "262,144 K"), often) << second;
}

TEST_F(ModuleDisplayTest, AMovingBlockIsBroughtBackInsideAShrunkenWindow) {
    for (const int16_t animation :
         {Movers::kBounceOffSides, Movers::kRandomPath, Movers::kRandomSliding, Movers::kRandomJumping}) {
        SCOPED_TRACE(animation);
        ProgramState fresh;
        FakeBlockSurface wide;
        InfoDisplay moving{fresh, wide, sources};
        fresh.Settings = DefaultSettings();
        fresh.Settings.MoveOption = animation;
        fresh.Random = std::make_unique<SeededRandom>(3);
        fresh.CpuSampler = std::make_unique<FakeCpuSampler>(log);
        moving.Start();
        moving.KeepFittedToWindow();
        for (int tick = 0; tick < 200; ++tick) moving.Tick();
        // The window shrinks to the block's top-left quarter of the screen, or less.
        wide.area = {700, 500};
        moving.WindowResized();
        const PixelRect shown = moving.Block().BlockPixels();
        EXPECT_GE(shown.left, 0);
        EXPECT_GE(shown.top, 0);
        EXPECT_LE(shown.right, 700);
        EXPECT_LE(shown.bottom, 500);
        // And it moves on inside from there.
        for (int tick = 0; tick < 50; ++tick) moving.Tick();
        const PixelRect later = moving.Block().BlockPixels();
        EXPECT_LT(later.left, 700);
        EXPECT_LT(later.top, 500);
        EXPECT_GT(later.right, 0);
    }
}

TEST_F(ModuleDisplayTest, ADelayKeepsTheNetworkLineAtFiveAndTheTextAtOneRefreshASecond) {
    for (const auto& [microseconds, ticks, statusCalls, rebuilds] :
         {std::tuple{100000, 10, 5, 1}, std::tuple{20000, 50, 5, 1}, std::tuple{30000, 33, 5, 1},
          std::tuple{1000000, 1, 1, 1}, std::tuple{500000, 2, 2, 1}}) {
        SCOPED_TRACE(microseconds);
        FakeInformationSources counted;
        ProgramState fresh;
        FakeBlockSurface plain;
        InfoDisplay timed{fresh, plain, counted};
        fresh.Settings = DefaultSettings();
        fresh.Random = std::make_unique<SeededRandom>(3);
        fresh.CpuSampler = std::make_unique<FakeCpuSampler>(log);
        timed.SetTickInterval(microseconds);
        timed.Start();
        // Three seconds of ticks.
        for (int tick = 0; tick < 3 * ticks; ++tick) timed.Tick();
        EXPECT_EQ(counted.statusCalls, 3 * statusCalls);
        EXPECT_EQ(counted.uptimeCalls, 3 * rebuilds);
    }
}

TEST(FrameRate, FramesASecondAndTheProcessorsShareOnceASecond) {
    FrameRate rate;
    EXPECT_FALSE(rate.Frame(100.0, 5.0));  // the start
    bool changed = false;
    for (int frame = 1; frame <= 10; ++frame) {
        changed = rate.Frame(100.0 + frame * 0.1, 5.0 + frame * 0.002);
        EXPECT_EQ(changed, frame == 10) << frame;
    }
    EXPECT_EQ(rate.Text(), "FPS: 10.0\rLoad: 2.0%");
    // Half as many frames in the next second and two seconds' pause: the rate over the time it took.
    for (int frame = 1; frame <= 4; ++frame) EXPECT_FALSE(rate.Frame(101.0 + frame * 0.2, 5.02));
    EXPECT_TRUE(rate.Frame(104.0, 5.32));
    EXPECT_EQ(rate.Text(), "FPS: 1.7\rLoad: 10.0%");
}

}  // namespace
}  // namespace kelvor
