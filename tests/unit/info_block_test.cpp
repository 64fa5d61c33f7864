#include <gtest/gtest.h>

#include "display/info_block.h"
#include "fakes/fake_block_surface.h"

namespace kelvor {
namespace {

// The fake surface measures 10 pixels a character and 20 a line, at 10 twips a pixel. The block
// stands at (50, 40) pixels, 300 x 200 pixels large.
class InfoBlockRepaintTest : public testing::Test {
protected:
    InfoBlockRepaintTest() {
        block.Move(500.0f, 400.0f);
        block.SetSize(3000.0f, 2000.0f);
    }
    // Sets the text and returns what was marked for repainting.
    std::vector<PixelRect> Marked(InfoLabel label, const std::string& text) {
        surface.invalidated.clear();
        surface.linesMeasured = 0;
        block.SetText(label, text);
        return surface.invalidated;
    }

    FakeBlockSurface surface;
    InfoBlock block{surface};
};

TEST_F(InfoBlockRepaintTest, OnlyTheLinesThatChangedAreMeasuredAndRepainted) {
    Marked(InfoLabel::Info, "HOST:  1:00:00 pm\rup for 1 day\rMemory usage: 5 K");

    // The seconds: the first line alone, as wide as the wider of its old and new text.
    EXPECT_EQ(Marked(InfoLabel::Info, "HOST:  1:00:01 pm\rup for 1 day\rMemory usage: 5 K"),
              (std::vector<PixelRect>{{50, 40, 220, 60}}));
    EXPECT_EQ(surface.linesMeasured, 1);
    EXPECT_EQ(block.LabelWidth(InfoLabel::Info), 1700.0f);

    // A line grows shorter, the last one goes: the old widths are repainted.
    EXPECT_EQ(Marked(InfoLabel::Info, "HOST:  1:00:01 pm\rup"),
              (std::vector<PixelRect>{{50, 60, 170, 80}, {50, 80, 220, 100}}));
    EXPECT_EQ(surface.linesMeasured, 1);
    EXPECT_EQ(block.LabelHeight(InfoLabel::Info), 400.0f);

    // A new line; an empty one is not measured.
    EXPECT_EQ(Marked(InfoLabel::Info, "HOST:  1:00:01 pm\rup\r\rx"),
              (std::vector<PixelRect>{{50, 100, 50 + 10, 120}}));
    EXPECT_EQ(surface.linesMeasured, 1);
    EXPECT_EQ(block.LabelHeight(InfoLabel::Info), 800.0f);

    EXPECT_TRUE(Marked(InfoLabel::Info, "HOST:  1:00:01 pm\rup\r\rx").empty());
    EXPECT_EQ(surface.linesMeasured, 0);

    // A hidden label is measured but nothing is repainted; only the part inside the panel ever is.
    block.SetVisible(InfoLabel::Info, false);
    EXPECT_TRUE(Marked(InfoLabel::Info, "HOST").empty());
    EXPECT_EQ(block.LabelWidth(InfoLabel::Info), 400.0f);
    block.SetVisible(InfoLabel::Info, true);
    EXPECT_EQ(Marked(InfoLabel::Info, std::string(40, 'w')), (std::vector<PixelRect>{{50, 40, 350, 60}}));
}

TEST_F(InfoBlockRepaintTest, NothingIsRepaintedThatStaysOnTheSamePixels) {
    surface.invalidated.clear();
    surface.changed.clear();
    block.SetSize(3000.0f, 2000.0f);
    block.Move(505.0f, 409.0f);  // within the same pixel
    block.RepaintNow();
    EXPECT_TRUE(surface.invalidated.empty());
    EXPECT_EQ(surface.paints, 1);

    // A step onto other pixels: the old and the new place together while they overlap, apart once
    // they do not.
    block.Move(515.0f, 400.0f);
    block.Move(515.0f, 3000.0f);
    EXPECT_TRUE(surface.changed.empty());  // what the block shows holds: only its place changed
    block.SetSize(3000.0f, 2100.0f);
    EXPECT_EQ(surface.changed.size(), 2u);
    EXPECT_EQ(surface.invalidated, (std::vector<PixelRect>{{50, 40, 351, 240},
                                                            {51, 40, 351, 240},
                                                            {51, 300, 351, 500},
                                                            {51, 300, 351, 500},
                                                            {51, 300, 351, 510}}));
}

TEST_F(InfoBlockRepaintTest, FittingRepaintsThePanelOnlyWhenTheTextChangedItsSize) {
    Marked(InfoLabel::Info, "one\rtwo");
    Marked(InfoLabel::Network, "Network activity: rx: |  tx: |");
    block.FitToText();
    surface.invalidated.clear();
    Marked(InfoLabel::Info, "one\rtoo");
    block.FitToText();
    EXPECT_EQ(surface.invalidated, (std::vector<PixelRect>{{50, 60, 80, 80}}));

    surface.invalidated.clear();
    Marked(InfoLabel::Info, "one\rtoo\rthree");
    block.FitToText();
    // The new line, then the panel before and after: the network line moved down with it.
    EXPECT_EQ(surface.invalidated,
              (std::vector<PixelRect>{{50, 80, 100, 100}, {50, 40, 350, 100}, {50, 40, 350, 120}}));
    EXPECT_EQ(block.LabelTop(InfoLabel::Network), 600.0f);
    EXPECT_EQ(block.BlockPixels(), (PixelRect{50, 40, 350, 120}));
}

}  // namespace
}  // namespace kelvor
