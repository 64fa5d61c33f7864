#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/main_form_rig.h"

namespace kelvor {
namespace {

class RefreshTickTest : public ::testing::Test, protected MainFormRig {
protected:
    void Start(int32_t displayItems, int32_t moveOption = 4, int32_t timeFormat = 0) {
        StoreSetting("DisplayItems", displayItems);
        StoreSetting("MoveOption", moveOption);
        StoreSetting("TimeFormat", timeFormat);
        ASSERT_EQ(form.Load("/s"), StartMode::FullScreen);
        window.log.clear();
    }
    std::string Text() const { return window.info.Text; }
};

TEST_F(RefreshTickTest, TheFirstTickFillsAndPlacesTheBlockBeforeRevealingIt) {
    Start(127);
    form.Tick();
    EXPECT_EQ(window.log, (std::vector<std::string>{"RepaintNow", "Move", "lblInfo.Show", "lblNetwork.Show"}));
    EXPECT_EQ(window.network.Text, "Network activity: rx: /  tx: |");
    EXPECT_EQ(sources.statusCalls, 1);
    // Stationary in the centre: five lines and the 30-character network line, centred on 15360 x 11520.
    EXPECT_EQ(window.blockWidth, 3000.0f);
    EXPECT_EQ(window.blockHeight, 1200.0f);
    EXPECT_EQ(window.blockLeft, 6180.0f);
    EXPECT_EQ(window.blockTop, 5160.0f);
}

TEST_F(RefreshTickTest, NetworkOnEvenTicksTextOncePerSecondMoverEveryTick) {
    Start(127, 2);
    for (int tick = 0; tick < 30; ++tick) form.Tick();
    EXPECT_EQ(sources.networkMonitorsCreated, 1);
    EXPECT_EQ(sources.statusCalls, 15);
    EXPECT_EQ(sources.uptimeCalls, 3);
    EXPECT_EQ(std::count(window.log.begin(), window.log.end(), "RepaintNow"), 3);
    // Every tick moves; the first one centres the block before its own step.
    EXPECT_EQ(std::count(window.log.begin(), window.log.end(), "Move"), 31);
    EXPECT_EQ(std::count(window.log.begin(), window.log.end(), "lblInfo.Show"), 1);
}

TEST_F(RefreshTickTest, TheDefaultLinesAndTheNetworkLabelBelowThem) {
    Start(127);
    form.Tick();
    EXPECT_EQ(Text(),
              "KELVOR-PC:  3:06:10 pm\rup for 2 days, 7:33:20\rup since 05-Dec-26 3:06:10 pm\r"
              "Memory usage: 262,144 K\rCPU usage: 07 %");
    EXPECT_EQ(window.network.Top, 1000.0f);
}

TEST_F(RefreshTickTest, OnlyTheProbesOfTheLinesShownAreAsked) {
    Start(0);
    for (int tick = 0; tick < 20; ++tick) form.Tick();
    EXPECT_EQ(Text(), ";-)");
    EXPECT_EQ(sources.uptimeCalls + sources.startTimeCalls + sources.memoryCalls + sources.nowCalls, 0);
    EXPECT_EQ(sources.networkMonitorsCreated, 0);
    EXPECT_FALSE(window.network.Visible);
    EXPECT_EQ(window.network.Text, "");
    EXPECT_EQ(window.blockHeight, 200.0f);  // the empty network label adds nothing
}

TEST_F(RefreshTickTest, DescriptionNameAndTimeCombinations) {
    const struct {
        int32_t items;
        std::string descr;
        int32_t timeFormat;
        std::string text;
    } cases[] = {
        {0x80 | 0x02, "My box", 0, "My box\r3:06:10 pm"},
        {0x80 | 0x01, "My box", 0, "My box\rKELVOR-PC"},
        {0x80 | 0x03, "My box", 1, "My box\rKELVOR-PC:  15:06:10"},
        {0x80 | 0x04, "", 0, "up for 2 days, 7:33:20"},
        {0x80, "", 0, ";-)"},
        {0x08, "ignored", 1, "up since 05-Dec-26 15:06:10"},
    };
    for (const auto& c : cases) {
        MainFormRig rig;
        rig.StoreSetting("DisplayItems", c.items);
        rig.StoreSetting("Descr", c.descr);
        rig.StoreSetting("TimeFormat", c.timeFormat);
        ASSERT_EQ(rig.form.Load("/s"), StartMode::FullScreen);
        rig.form.Tick();
        EXPECT_EQ(rig.window.info.Text, c.text) << "items " << c.items;
    }
}

TEST_F(RefreshTickTest, AnUnknownAnimationTypeNeverMovesButStillReveals) {
    Start(1, 7);
    for (int tick = 0; tick < 25; ++tick) form.Tick();
    EXPECT_EQ(std::count(window.log.begin(), window.log.end(), "Move"), 0);
    EXPECT_EQ(window.blockLeft, 240.0f);
    EXPECT_EQ(window.blockTop, 240.0f);
    EXPECT_TRUE(window.info.Visible);
}

TEST_F(RefreshTickTest, TheBlockTakesTheWiderLabelAndItsHeightFollowsTheText) {
    Start(0x41);
    form.Tick();
    EXPECT_EQ(Text(), "KELVOR-PC");
    EXPECT_EQ(window.blockWidth, 3000.0f);  // the network line is wider than the name
    EXPECT_EQ(window.blockHeight, 400.0f);
}

}  // namespace
}  // namespace kelvor
