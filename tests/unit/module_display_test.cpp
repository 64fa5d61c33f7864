#include <gtest/gtest.h>

#include "fakes/fake_block_surface.h"
#include "fakes/fake_saver_platform.h"
#include "host/info_display.h"
#include "host/module_options.h"

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
        std::string error;
        ASSERT_TRUE(ParseModuleOptions(arguments, options, error)) << error;
        NoColourNames colours;
        ASSERT_TRUE(ModuleSettings(options, colours, state.Settings, error)) << error;
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

}  // namespace
}  // namespace kelvor
