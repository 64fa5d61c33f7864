#include <gtest/gtest.h>

#include "display/block_look.h"
#include "fakes/fake_block_surface.h"

namespace kelvor {
namespace {

using Change = BlockLook::Change;

class BlockLookTest : public ::testing::Test {
protected:
    BlockLookTest() {
        block.SetText(InfoLabel::Info, "KELVOR-PC\rup for 2 days, 7:33:20");
        block.SetText(InfoLabel::Network, "Network activity: rx: /  tx: |");
        block.FitToText();
        EXPECT_EQ(look.Compare(block), Change::Whole);  // nothing drawn yet
    }

    FakeBlockSurface surface;
    InfoBlock block{surface};
    BlockLook look;
};

TEST_F(BlockLookTest, AMoveNeedsNoDrawing) {
    EXPECT_EQ(look.Compare(block), Change::Nothing);
    block.Move(block.Left() + 300.0f, block.Top() - 70.0f);
    EXPECT_EQ(look.Compare(block), Change::Nothing);
}

TEST_F(BlockLookTest, ANewNetworkLineIsDrawnAlone) {
    block.SetText(InfoLabel::Network, "Network activity: rx: \\  tx: |");
    EXPECT_EQ(look.Compare(block), Change::NetworkLine);
    EXPECT_EQ(look.Compare(block), Change::Nothing);
    // Gone, it leaves nothing to draw over the old line with.
    block.SetText(InfoLabel::Network, "");
    EXPECT_EQ(look.Compare(block), Change::Whole);
}

TEST_F(BlockLookTest, EverythingElseRedrawsTheWholeBlock) {
    const struct {
        const char* what;
        void (*change)(InfoBlock&);
    } changes[] = {
        {"information text", [](InfoBlock& b) { b.SetText(InfoLabel::Info, "KELVOR-PC\rup for 2 days, 7:33:21"); }},
        {"size", [](InfoBlock& b) { b.SetSize(b.PanelWidth() + 100.0f, b.PanelHeight()); }},
        {"background", [](InfoBlock& b) { b.SetBackColour(0x204080); }},
        {"panel colour", [](InfoBlock& b) { b.SetBlockBackColour(0x204080); }},
        {"text colour",
         [](InfoBlock& b) {
             FontDescription font = b.Font(InfoLabel::Network);
             font.colour = 0x00FFFF;
             b.SetFont(InfoLabel::Network, font);
         }},
        {"font",
         [](InfoBlock& b) {
             FontDescription font = b.Font(InfoLabel::Info);
             font.bold = true;
             b.SetFont(InfoLabel::Info, font);
         }},
        {"visibility", [](InfoBlock& b) { b.SetVisible(InfoLabel::Network, false); }},
    };
    for (const auto& c : changes) {
        c.change(block);
        EXPECT_EQ(look.Compare(block), Change::Whole) << c.what;
        EXPECT_EQ(look.Compare(block), Change::Nothing) << c.what;
    }
}

}  // namespace
}  // namespace kelvor
