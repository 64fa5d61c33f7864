#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "fakes/mover_rig.h"

namespace kelvor {
namespace {

// A 1024 x 768 pixel screen at 15 twips per pixel with a 3000 x 1500 panel.
void UseSmallScreen(FakeMoverSurface& surface) {
    surface.areaWidth = 15360.0f;
    surface.areaHeight = 11520.0f;
    surface.panelWidth = 3000.0f;
    surface.panelHeight = 1500.0f;
}

void SetBounce(MoverRig& rig, double speedX, double speedY, int32_t margin) {
    rig.movers.State().BounceSpeedX = speedX;
    rig.movers.State().BounceSpeedY = speedY;
    rig.movers.State().BounceMargin = margin;
    rig.movers.State().BounceScale = 2 * margin;
}

TEST(MoveBounce, SetsOffOnceTowardsTheBottomRightScaledToTheArea) {
    MoverRig rig;
    UseSmallScreen(rig.surface);
    rig.random.Add({0.5f, 0.5f});
    rig.movers.MoveBounce(false);
    EXPECT_EQ(rig.movers.State().BounceMargin, 15);  // 15.36 rounded
    EXPECT_EQ(rig.movers.State().BounceScale, 30);
    EXPECT_DOUBLE_EQ(rig.movers.State().BounceSpeedX, 0.48125);
    EXPECT_DOUBLE_EQ(rig.movers.State().BounceSpeedY, 0.575);
    EXPECT_EQ(rig.surface.left, 6194.0f);  // Int(6180 + 14.4375) from the centre
    EXPECT_EQ(rig.surface.top, 5027.0f);   // Int(5010 + 17.25)
    rig.movers.MoveBounce(true);           // no second start: the script is spent
    EXPECT_EQ(rig.surface.left, 6208.0f);

    // The preview pane: a band of 2 twips, a scale of 4, and a start speed well above 1.5.
    MoverRig preview;
    preview.surface.areaWidth = 2280.0f;
    preview.surface.areaHeight = 1680.0f;
    preview.surface.panelWidth = 1000.0f;
    preview.surface.panelHeight = 500.0f;
    preview.random.Add({kLargestDraw, 0.0f});
    preview.movers.MoveBounce(false);
    EXPECT_EQ(preview.movers.State().BounceMargin, 2);
    EXPECT_EQ(preview.movers.State().BounceScale, 4);
    EXPECT_NEAR(preview.movers.State().BounceSpeedX, 3.98947, 1e-5);
    EXPECT_DOUBLE_EQ(preview.movers.State().BounceSpeedY, 0.2);
}

// A larger area (a resized window, other monitors): a bounce under way keeps its velocity and
// takes the band and scale of the new area on the tick that finds it.
TEST(MoveBounce, TheBandAndScaleFollowTheArea) {
    MoverRig rig;
    UseSmallScreen(rig.surface);
    rig.random.Add({0.5f, 0.5f});
    rig.movers.MoveBounce(false);
    rig.surface.areaWidth = 19200.0f;
    rig.surface.areaHeight = 15360.0f;
    rig.movers.MoveBounce(true);
    EXPECT_EQ(rig.movers.State().BounceMargin, 19);
    EXPECT_EQ(rig.movers.State().BounceScale, 38);
    EXPECT_DOUBLE_EQ(rig.movers.State().BounceSpeedX, 0.48125);
    EXPECT_EQ(rig.surface.left, 6212.0f);  // Int(6194 + 38 * 0.48125)
    EXPECT_EQ(rig.surface.top, 5048.0f);   // Int(5027 + 38 * 0.575)
}

TEST(MoveBounce, AnAreaWithoutSizeWaitsWithTheStart) {
    MoverRig rig;
    rig.surface.areaWidth = 0.0f;
    rig.movers.MoveBounce(false);
    rig.movers.MoveBounce(true);
    EXPECT_EQ(rig.movers.State().BounceSpeedX, 0.0);
    EXPECT_EQ(rig.surface.left, -1500.0f);  // centred, then left alone
    EXPECT_EQ(rig.surface.moves, 1);
    rig.surface.areaWidth = 19200.0f;
    rig.random.Add({0.5f, 0.5f, 0.5f, 0.5f});  // the start, then a bounce off the left edge
    rig.movers.MoveBounce(true);
    EXPECT_EQ(rig.random.Remaining(), 0u);
    EXPECT_EQ(rig.movers.State().BounceMargin, 19);
}

TEST(MoveBounce, InACornerBothBouncesHappenAndRescaleTwice) {
    MoverRig rig(10);  // randomness 10: every bounce rescales by a factor in [0, 2)
    UseSmallScreen(rig.surface);
    SetBounce(rig, -0.5, 0.5, 15);
    rig.surface.left = 10.0f;     // inside the left band
    rig.surface.top = 10010.0f;   // 1500 + 10010 + 15 > 11520: inside the bottom band
    rig.random.Add({0.3f, 0.75f, 0.3f, 0.25f,   // left: x reversed to 0.5 then * 1.5, y * 0.5
                    0.3f, 0.9f, 0.3f, 0.1f});   // bottom: y reversed, x * 1.8, y * 0.2 clamps
    rig.movers.MoveBounce(true);
    EXPECT_EQ(rig.random.Remaining(), 0u);
    EXPECT_NEAR(rig.movers.State().BounceSpeedX, 1.35, 1e-6);
    EXPECT_DOUBLE_EQ(rig.movers.State().BounceSpeedY, -0.2);
    EXPECT_EQ(rig.surface.left, 50.0f);
    EXPECT_EQ(rig.surface.top, 10004.0f);
}

TEST(MoveBounce, WithoutRandomnessOnlyTheBouncingComponentTurns) {
    MoverRig rig(0);
    UseSmallScreen(rig.surface);
    SetBounce(rig, 0.5, -0.25, 15);
    rig.surface.left = 12350.0f;  // 3000 + 12350 + 15 > 15360: the right band
    rig.surface.top = 5000.0f;
    rig.random.Add({0.5f, 1e-7f});  // neither draw is 0, so neither component is rescaled
    rig.movers.MoveBounce(true);
    EXPECT_EQ(rig.movers.State().BounceSpeedX, -0.5);
    EXPECT_EQ(rig.movers.State().BounceSpeedY, -0.25);
    EXPECT_EQ(rig.surface.left, 12335.0f);
    EXPECT_EQ(rig.surface.top, 4992.0f);

    // A panel that overshot the left edge is bounced, set back to 0 and moved on in one tick.
    rig.surface.left = -1.0f;
    rig.random.Add({0.5f, 0.5f});
    rig.movers.MoveBounce(true);
    EXPECT_EQ(rig.surface.setLefts, std::vector<float>{0.0f});
    EXPECT_EQ(rig.surface.left, 15.0f);
}

TEST(MoveBounce, APanelWiderThanTheAreaTurnsEveryTickAndOverhangsBothEdges) {
    MoverRig rig(0);
    rig.surface.areaWidth = 2280.0f;
    rig.surface.areaHeight = 1680.0f;
    rig.surface.panelWidth = 3000.0f;
    rig.surface.panelHeight = 500.0f;
    rig.surface.left = -360.0f;
    rig.surface.top = 500.0f;
    SetBounce(rig, 0.5, 0.25, 2);
    rig.random.Add({0.5f, 0.5f, 0.5f, 0.5f});
    rig.movers.MoveBounce(true);
    EXPECT_EQ(rig.movers.State().BounceSpeedX, -0.5);
    EXPECT_EQ(rig.surface.setLefts, (std::vector<float>{0.0f, -720.0f}));
    EXPECT_EQ(rig.surface.left, -722.0f);
    EXPECT_EQ(rig.surface.top, 501.0f);
    rig.movers.MoveBounce(true);
    EXPECT_EQ(rig.movers.State().BounceSpeedX, 0.5);
    EXPECT_EQ(rig.surface.left, -718.0f);
    EXPECT_EQ(rig.random.Remaining(), 0u);
}

TEST(RandomiseSpeed, RescalesWithProbabilityRAndKeepsSignAndMagnitudeLimits) {
    MoverRig rig;
    Movers& movers = rig.movers;
    // Randomness 0: a rescale needs a draw of exactly 0; its factor is 1, only the clamp acts.
    rig.random.Add({1e-7f});
    EXPECT_EQ(movers.RandomiseSpeed(3.9, 0.0, 1.5, 0.2), 3.9);
    rig.random.Add({0.0f, 0.7f});
    EXPECT_EQ(movers.RandomiseSpeed(3.9, 0.0, 1.5, 0.2), 1.5);

    // Randomness 10: always rescaled by a factor in [0, 2), clamped on the incoming sign's side.
    rig.random.Add({kLargestDraw, 0.0f, 0.0f, 0.99f});
    EXPECT_EQ(movers.RandomiseSpeed(0.5, 1.0, 1.5, 0.2), 0.2);
    EXPECT_EQ(movers.RandomiseSpeed(-1.0, 1.0, 1.5, 0.2), -1.5);

    // Stored values outside 0 to 10: above, the factor may turn negative but the sign is kept;
    // below, nothing is ever rescaled.
    rig.random.Add({0.99f, 0.0f, 0.99f, 0.0f, 0.0f});
    EXPECT_EQ(movers.RandomiseSpeed(1.0, 1.5, 1.5, 0.2), 0.2);
    EXPECT_EQ(movers.RandomiseSpeed(-1.0, 1.5, 1.5, 0.2), -0.2);
    EXPECT_EQ(movers.RandomiseSpeed(-1.0, -0.1, 1.5, 0.2), -1.0);

    // r is compared in single precision: a draw equal to 0.2f rescales at randomness 2.
    rig.random.Add({0.2f, 0.25f, std::nextafter(0.2f, 1.0f)});
    EXPECT_NEAR(movers.RandomiseSpeed(1.0, 0.2, 1.5, 0.2), 0.9, 1e-9);
    EXPECT_EQ(movers.RandomiseSpeed(1.0, 0.2, 1.5, 0.2), 1.0);
    EXPECT_EQ(rig.random.Remaining(), 0u);
}

}  // namespace
}  // namespace kelvor
