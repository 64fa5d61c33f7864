#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "fakes/mover_rig.h"

namespace kelvor {
namespace {

// Room of 12000 x 8000 twips: the centre is (6000, 4000), the right band starts at 11980 and the
// bottom band at 7980.
void UsePathArea(FakeMoverSurface& surface) {
    surface.areaWidth = 19200.0f;
    surface.panelWidth = 7200.0f;
    surface.areaHeight = 15360.0f;
    surface.panelHeight = 7360.0f;
}

// The next tick is an even one (edges tested, no new turn) heading straight right: a step of 18.
void PlaceBeforeEvenTick(MoverRig& rig, int32_t x, int32_t y) {
    MoverState& state = rig.movers.State();
    state.PathTicks = 1;
    state.PathTurn = 0;
    state.PathHeading = 0;
    state.PathX = x;
    state.PathY = y;
}

TEST(MoveRandomPath, FirstTickCentresPicksATurnAndTakesTheFirstStep) {
    MoverRig rig;
    UsePathArea(rig.surface);
    rig.random.Add({0.25f});  // index 4: +2 degrees a tick
    rig.movers.MoveRandomPath(false);
    const MoverState& state = rig.movers.State();
    EXPECT_EQ(state.PathTurn, 2);
    EXPECT_EQ(state.PathHeading, 62);
    EXPECT_EQ(state.PathTicks, 1);
    EXPECT_EQ(rig.surface.left, 6009.0f);  // 3 * Round(6 cos 62 deg) across
    EXPECT_EQ(rig.surface.top, 4012.0f);   // 3 * Round(4 sin 62 deg) down
    EXPECT_EQ(rig.ignoreMouseMoves, 4);
    EXPECT_EQ(rig.random.Remaining(), 0u);
}

TEST(MoveRandomPath, TurnIndexesRoundHalfToEven) {
    struct Case {
        float draw;
        int32_t turn;
    };
    // Rnd * 16: 0.5 -> 0, 1.5 -> 2, 7.5 -> 8, 8.5 -> 8, 14.4 -> 14, 15.99... -> 16.
    for (const Case& c : {Case{0.03125f, 0}, Case{0.09375f, 1}, Case{0.46875f, 6}, Case{0.53125f, 6},
                          Case{0.9f, -4}, Case{kLargestDraw, -6}}) {
        MoverRig rig;
        rig.random.Add({c.draw});
        rig.movers.MoveRandomPath(false);
        EXPECT_EQ(rig.movers.State().PathTurn, c.turn) << "draw " << c.draw;
    }
}

TEST(MoveRandomPath, EdgesAreTestedOnEvenTicksOnly) {
    MoverRig rig;
    UsePathArea(rig.surface);
    PlaceBeforeEvenTick(rig, 11961, 4000);
    rig.movers.MoveRandomPath(true);  // 11979: one twip short of the band
    EXPECT_EQ(rig.surface.left, 11979.0f);
    EXPECT_EQ(rig.movers.State().PathHeading, 0);

    rig.movers.MoveRandomPath(true);  // odd tick: 11997 is in the band, but not tested
    EXPECT_EQ(rig.surface.left, 11997.0f);
    EXPECT_EQ(rig.movers.State().PathHeading, 0);

    rig.random.Add({0.0f});
    rig.movers.MoveRandomPath(true);  // even tick: turned back leftwards, Round(157.5) = 158
    EXPECT_EQ(rig.surface.left, 12015.0f);
    EXPECT_EQ(rig.movers.State().PathHeading, 158);
    EXPECT_EQ(rig.random.Remaining(), 0u);
}

TEST(MoveRandomPath, InACornerTheLaterEdgeTestWins) {
    MoverRig bottomRight;
    UsePathArea(bottomRight.surface);
    PlaceBeforeEvenTick(bottomRight, 11962, 7980);
    bottomRight.random.Add({0.0f, kLargestDraw});
    bottomRight.movers.MoveRandomPath(true);
    EXPECT_EQ(bottomRight.movers.State().PathHeading, -68);  // upwards replaces leftwards
    EXPECT_EQ(bottomRight.random.Remaining(), 0u);

    MoverRig topLeft;
    UsePathArea(topLeft.surface);
    PlaceBeforeEvenTick(topLeft, 2, 20);
    topLeft.random.Add({0.5f, 0.0f});
    topLeft.movers.MoveRandomPath(true);
    EXPECT_EQ(topLeft.movers.State().PathHeading, -22);  // rightwards (Round(-22.5)) replaces downwards
    EXPECT_EQ(topLeft.random.Remaining(), 0u);

    // A panel wider than the area lies in both side bands: the left test wins.
    MoverRig wide;
    UsePathArea(wide.surface);
    wide.surface.areaWidth = 2280.0f;
    wide.surface.panelWidth = 3000.0f;
    PlaceBeforeEvenTick(wide, -318, 4000);
    wide.random.Add({0.0f, kLargestDraw});
    wide.movers.MoveRandomPath(true);
    EXPECT_EQ(wide.surface.left, -300.0f);
    EXPECT_EQ(wide.movers.State().PathHeading, 22);
    EXPECT_EQ(wide.random.Remaining(), 0u);
}

// The single-precision constant is not quite pi: from a heading of 873742 on, a heading less whole
// turns can give another step, so the heading must keep its full value, past 32 bits as well.
TEST(MoveRandomPath, TheHeadingIsNeverWrappedNorOverflows) {
    MoverRig rig;
    UsePathArea(rig.surface);
    MoverState& state = rig.movers.State();
    state.PathTicks = 2;  // two ticks without a turn draw and away from every edge
    state.PathTurn = 6;
    state.PathX = 5000;
    state.PathY = 5000;
    state.PathHeading = 873736;
    rig.movers.MoveRandomPath(true);
    EXPECT_EQ(state.PathHeading, 873742);
    EXPECT_EQ(rig.surface.left, 5018.0f);
    EXPECT_EQ(rig.surface.top, 5006.0f);  // 22 degrees would give 5003

    state.PathHeading = std::numeric_limits<int32_t>::max() - 2;
    rig.movers.MoveRandomPath(true);
    EXPECT_EQ(state.PathHeading, int64_t{std::numeric_limits<int32_t>::max()} + 4);
    EXPECT_EQ(rig.surface.left, 5000.0f);  // -18 across (131 degrees would give -12)
    EXPECT_EQ(rig.surface.top, 5003.0f);   // -3 down (131 degrees would give +9)
}

}  // namespace
}  // namespace kelvor
