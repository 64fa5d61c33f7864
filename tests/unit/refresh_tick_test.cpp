#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

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
    }
    std::string Text() const { return block.Text(InfoLabel::Info); }
};

TEST_F(RefreshTickTest, TheFirstTickFillsAndPlacesTheBlockBeforeRevealingIt) {
    Start(127);
    // Whatever is repainted while the text shows must be where the mover put the block.
    std::vector<PixelRect> shownAt;
    surface.onInvalidate = [&](const PixelRect& rect) {
        if (block.Visible(InfoLabel::Info)) shownAt.push_back(rect);
    };
    form.Tick();
    EXPECT_EQ(surface.paints, 1);
    EXPECT_TRUE(block.Visible(InfoLabel::Info));
    EXPECT_TRUE(block.Visible(InfoLabel::Network));
    EXPECT_EQ(block.Text(InfoLabel::Network), "Network activity: rx: /  tx: |");
    EXPECT_EQ(sources.statusCalls, 1);
    // Stationary in the centre: five lines and the 30-character network line, centred on 15360 x 11520.
    EXPECT_EQ(block.PanelWidth(), 3000.0f);
    EXPECT_EQ(block.PanelHeight(), 1200.0f);
    EXPECT_EQ(block.Left(), 6180.0f);
    EXPECT_EQ(block.Top(), 5160.0f);
    ASSERT_FALSE(shownAt.empty());
    for (const PixelRect& rect : shownAt) EXPECT_EQ(rect, block.BlockPixels());
}

TEST_F(RefreshTickTest, NetworkOnEvenTicksTextOncePerSecondMoverEveryTick) {
    Start(127, 2);
    int moves = 0;
    for (int tick = 0; tick < 30; ++tick) {
        const float left = block.Left();
        const float top = block.Top();
        form.Tick();
        moves += block.Left() != left || block.Top() != top ? 1 : 0;
    }
    EXPECT_EQ(sources.networkMonitorsCreated, 1);
    EXPECT_EQ(sources.statusCalls, 15);
    EXPECT_EQ(sources.uptimeCalls, 3);
    EXPECT_EQ(surface.paints, 3);
    EXPECT_EQ(moves, 30);
}

TEST_F(RefreshTickTest, TheDefaultLinesAndTheNetworkLabelBelowThem) {
    Start(127);
    form.Tick();
    EXPECT_EQ(Text(),
              "KELVOR-PC:  3:06:10 pm\rup for 2 days, 7:33:20\rup since 05-Dec-26 3:06:10 pm\r"
              "Memory usage: 262,144 K\rCPU usage: 07 %");
    EXPECT_EQ(block.LabelTop(InfoLabel::Network), 1000.0f);
}

TEST_F(RefreshTickTest, OnlyTheProbesOfTheLinesShownAreAsked) {
    Start(0);
    for (int tick = 0; tick < 20; ++tick) form.Tick();
    EXPECT_EQ(Text(), ";-)");
    EXPECT_EQ(sources.uptimeCalls + sources.startTimeCalls + sources.memoryCalls + sources.nowCalls, 0);
    EXPECT_EQ(sources.networkMonitorsCreated, 0);
    EXPECT_FALSE(block.Visible(InfoLabel::Network));
    EXPECT_EQ(block.Text(InfoLabel::Network), "");
    EXPECT_EQ(block.PanelHeight(), 200.0f);  // the empty network label adds nothing
}

TEST_F(RefreshTickTest, TheAddressAndSystemLinesFollowTheCpuLineAndAreAskedForOnlyWhenShown) {
    Start(127 | kShowNetwork);
    for (int tick = 0; tick < 20; ++tick) form.Tick();
    EXPECT_EQ(sources.addressSourcesCreated + sources.systemTextCalls, 0);

    sources.addresses.addresses = std::vector<HostAddress>{{"10.0.0.7", false, true, false, false}};
    state.Settings.ExtraItems = kShowAddress | kShowSystem;
    for (int tick = 0; tick < 30; ++tick) form.Tick();
    EXPECT_EQ(Text(),
              "KELVOR-PC:  3:06:10 pm\rup for 2 days, 7:33:20\rup since 05-Dec-26 3:06:10 pm\r"
              "Memory usage: 262,144 K\rCPU usage: 07 %\rIP address: 10.0.0.7\r"
              "System: Windows 10 Pro 22H2 (build 19045)");
    EXPECT_EQ(sources.addressSourcesCreated, 1);
    EXPECT_EQ(sources.addresses.reads, 1);
    EXPECT_EQ(sources.systemTextCalls, 1);

    state.Settings.ExtraItems = kShowSystem;
    state.Settings.DisplayItems = 0;
    for (int tick = 0; tick < 10; ++tick) form.Tick();
    EXPECT_EQ(Text(), "System: Windows 10 Pro 22H2 (build 19045)");
}

TEST_F(RefreshTickTest, ManyAddressesWrapUnderTheFirstOneToThePrimaryWidth) {
    // Five addresses of 39 characters: wider than the 1536-pixel area at 10 pixels a character.
    std::vector<HostAddress> many;
    for (const char digit : std::string("12345"))
        many.push_back({std::string("2001:0db8:aaaa:bbbb:cccc:dddd:eeee:000") + digit, true, true, false, false});
    sources.addresses.addresses = many;
    StoreSetting("ExtraItems", kShowAddress);
    Start(0);
    form.Tick();
    std::string text = Text();
    EXPECT_TRUE(text.starts_with("IP addresses: 2001:0db8:aaaa:bbbb:cccc:dddd:eeee:0001, ")) << text;
    ASSERT_NE(text.find('\r'), std::string::npos) << text;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line, '\r');) EXPECT_LE(10 * line.size(), 1536u) << line;
    std::replace(text.begin(), text.end(), '\r', ' ');
    EXPECT_EQ(text, AddressLineText(many));
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
        EXPECT_EQ(rig.block.Text(InfoLabel::Info), c.text) << "items " << c.items;
    }
}

TEST_F(RefreshTickTest, AnUnknownAnimationTypeNeverMovesButStillReveals) {
    Start(1, 7);
    for (int tick = 0; tick < 25; ++tick) form.Tick();
    EXPECT_EQ(block.Left(), 240.0f);
    EXPECT_EQ(block.Top(), 240.0f);
    EXPECT_TRUE(block.Visible(InfoLabel::Info));
}

TEST_F(RefreshTickTest, TheBlockTakesTheWiderLabelAndItsHeightFollowsTheText) {
    Start(0x41);
    form.Tick();
    EXPECT_EQ(Text(), "KELVOR-PC");
    EXPECT_EQ(block.PanelWidth(), 3000.0f);  // the network line is wider than the name
    EXPECT_EQ(block.PanelHeight(), 400.0f);
}

}  // namespace
}  // namespace kelvor
