#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "fakes/mover_rig.h"

namespace kelvor {
namespace {

TEST(CentreText, FloorsTheCentreAndShiftsByHalfTheDesktopOffset) {
    MoverRig rig;
    rig.surface.panelWidth = 3001.0f;  // W - w = 16199, H - h = 13859: both centres end in .5
    rig.surface.panelHeight = 1501.0f;
    rig.movers.CentreText();
    EXPECT_EQ(rig.surface.left, 8099.0f);
    EXPECT_EQ(rig.surface.top, 6929.0f);
    EXPECT_EQ(rig.ignoreMouseMoves, 2);

    // A desktop reaching 1280 pixels left of (and 20 above) the primary monitor, at 15 twips per pixel.
    rig.surface.desktopLeft = -1280;
    rig.surface.desktopTop = -20;
    rig.movers.CentreText();
    EXPECT_EQ(rig.surface.left, 8099.0f + 9600.0f);
    EXPECT_EQ(rig.surface.top, 6929.0f + 150.0f);

    // The same shift applies in a preview-sized area; a panel wider than the area overhangs both edges.
    rig.surface.areaWidth = 2280.0f;
    rig.surface.panelWidth = 2581.0f;  // W - w = -301
    rig.surface.desktopLeft = 0;
    rig.movers.CentreText();
    EXPECT_EQ(rig.surface.left, -151.0f);
    rig.surface.twipsPerPixelX = 12.0;
    rig.surface.desktopLeft = -1281;
    rig.movers.CentreText();
    EXPECT_EQ(rig.surface.left, -151.0f + 7686.0f);
    EXPECT_EQ(rig.ignoreMouseMoves, 8);
}

TEST(CentreText, SaturatesTheIgnoredMovesCounterInsteadOfWrapping) {
    MoverRig rig;
    rig.ignoreMouseMoves = std::numeric_limits<int16_t>::max() - 1;
    rig.movers.CentreText();
    EXPECT_EQ(rig.ignoreMouseMoves, std::numeric_limits<int16_t>::max());
    rig.movers.CentreText();
    EXPECT_EQ(rig.ignoreMouseMoves, std::numeric_limits<int16_t>::max());
}

// The first tick's counter values tell whether each mover raises it before or after centring.
TEST(Movers, FirstTickRaisesTheIgnoredMovesCounterInTheMoversOrder) {
    struct Case {
        int32_t option;
        int16_t fromZero;
        int16_t fromThree;
    };
    // Sliding and bouncing add 2 (capped) before centring adds 2; the path centres first and then
    // adds 2 (capped); jumping and the stationary mover only centre.
    for (const Case& c : {Case{Movers::kRandomJumping, 2, 5}, Case{Movers::kRandomSliding, 4, 6},
                          Case{Movers::kBounceOffSides, 4, 6}, Case{Movers::kRandomPath, 4, 4},
                          Case{Movers::kStationaryInCentre, 2, 5}}) {
        for (const int16_t start : {int16_t{0}, int16_t{3}}) {
            MoverRig rig;
            rig.random.Add({0.5f, 0.5f});
            rig.ignoreMouseMoves = start;
            rig.movers.MoveByOption(c.option, false);
            EXPECT_EQ(rig.ignoreMouseMoves, start == 0 ? c.fromZero : c.fromThree) << "option " << c.option;
        }
    }
}

TEST(Movers, AnOptionOutsideTheFiveMovesNothing) {
    for (const int32_t option : {5, 7, -1, 255}) {
        MoverRig rig;  // an empty script: any draw would throw
        rig.movers.MoveByOption(option, false);
        for (int tick = 0; tick < 100; ++tick) rig.movers.MoveByOption(option, true);
        EXPECT_EQ(rig.surface.moves, 0);
        EXPECT_EQ(rig.surface.left, 240.0f);
        EXPECT_EQ(rig.surface.top, 240.0f);
        EXPECT_EQ(rig.ignoreMouseMoves, 0);
    }
}

TEST(MoveStationary, CentresOnceAndThenLeavesPanelAndCounterAlone) {
    MoverRig rig;
    rig.movers.MoveStationary(false);
    EXPECT_EQ(rig.surface.left, 8100.0f);
    EXPECT_EQ(rig.surface.top, 6930.0f);
    rig.ignoreMouseMoves = 0;
    rig.surface.panelWidth = 9000.0f;  // a longer text does not re-centre it
    for (int tick = 0; tick < 100; ++tick) rig.movers.MoveStationary(true);
    EXPECT_EQ(rig.surface.moves, 1);
    EXPECT_EQ(rig.surface.left, 8100.0f);
    EXPECT_EQ(rig.ignoreMouseMoves, 0);
}

TEST(MoveRandomJump, RestsFiftyTicksAndJumpsOnTicks51And102) {
    MoverRig rig;
    rig.random.Add({0.5f, 0.25f, kLargestDraw, 0.0f});
    rig.movers.MoveRandomJump(false);
    rig.ignoreMouseMoves = 0;
    for (int tick = 2; tick <= 50; ++tick) rig.movers.MoveRandomJump(true);
    EXPECT_EQ(rig.surface.moves, 1);
    EXPECT_EQ(rig.surface.left, 8100.0f);
    EXPECT_EQ(rig.random.Drawn(), 0u);

    rig.movers.MoveRandomJump(true);  // tick 51
    EXPECT_EQ(rig.surface.left, 8100.0f);  // (19200 - 3000) * 0.5
    EXPECT_EQ(rig.surface.top, 3465.0f);   // (15360 - 1500) * 0.25
    EXPECT_EQ(rig.ignoreMouseMoves, 1);
    EXPECT_EQ(rig.movers.State().JumpTicks, 0);

    // A panel that grows meanwhile is not moved until the next jump.
    rig.surface.panelWidth = 4000.0f;
    for (int tick = 52; tick <= 101; ++tick) rig.movers.MoveRandomJump(true);
    EXPECT_EQ(rig.surface.moves, 2);
    rig.movers.MoveRandomJump(true);  // tick 102
    EXPECT_EQ(rig.surface.moves, 3);
    EXPECT_EQ(rig.surface.left, 15199.0f);  // the far end is W - w - 1: the panel stays inside
    EXPECT_EQ(rig.surface.top, 0.0f);
    EXPECT_EQ(rig.ignoreMouseMoves, 2);
    EXPECT_EQ(rig.random.Remaining(), 0u);
}

TEST(MoveRandomJump, APanelWiderThanTheAreaJumpsToAFlooredNegativePlace) {
    MoverRig rig;
    rig.surface.areaWidth = 2280.0f;
    rig.surface.panelWidth = 2580.0f;  // W - w = -300
    rig.random.Add({0.1f, 0.5f});
    rig.movers.State().JumpTicks = 50;
    rig.ignoreMouseMoves = 4;
    rig.movers.MoveRandomJump(true);
    EXPECT_EQ(rig.surface.left, -31.0f);  // Int(-300 * 0.1000000015), not -30
    EXPECT_EQ(rig.ignoreMouseMoves, 4);
}

// A slide rig whose room is 10000 twips each way, the panel at (1000, 1000) with no target yet.
MoverRig SlideRig() {
    MoverRig rig;
    rig.surface.areaWidth = 13000.0f;
    rig.surface.panelWidth = 3000.0f;
    rig.surface.areaHeight = 11500.0f;
    rig.surface.panelHeight = 1500.0f;
    rig.surface.left = 1000.0f;
    rig.surface.top = 1000.0f;
    return rig;
}

TEST(MoveRandomSlide, RunsAlongTheLongerAxisUntilEitherAxisIsNearItsTarget) {
    MoverRig rig = SlideRig();
    rig.random.Add({0.13005f, 0.08505f});  // target (1300, 850): dx = 300, dy = -150
    rig.movers.MoveRandomSlide(true);
    EXPECT_EQ(rig.movers.State().SlideTargetX, 1300);
    EXPECT_EQ(rig.movers.State().SlideTargetY, 850);
    EXPECT_EQ(rig.movers.State().SlideStepX, 1.0);
    EXPECT_EQ(rig.movers.State().SlideStepY, -0.5);
    EXPECT_EQ(rig.surface.left, 1025.0f);
    EXPECT_EQ(rig.surface.top, 987.5f);
    EXPECT_EQ(rig.ignoreMouseMoves, 2);

    // Down to 100 twips from the target the run goes on; below that a new target is drawn.
    for (int tick = 2; tick <= 5; ++tick) rig.movers.MoveRandomSlide(true);
    EXPECT_EQ(rig.surface.left, 1125.0f);
    EXPECT_EQ(rig.surface.top, 937.5f);
    EXPECT_EQ(rig.random.Remaining(), 0u);
    rig.random.Add({0.5f, 0.5f});
    rig.movers.MoveRandomSlide(true);
    EXPECT_EQ(rig.random.Remaining(), 0u);
    EXPECT_EQ(rig.movers.State().SlideTargetX, 5000);
    EXPECT_EQ(rig.ignoreMouseMoves, 4);
}

TEST(MoveRandomSlide, EqualDistancesRunVertically) {
    MoverRig rig = SlideRig();
    rig.random.Add({0.12005f, 0.08005f});  // target (1200, 800): dx = 200, dy = -200
    rig.movers.MoveRandomSlide(true);
    EXPECT_EQ(rig.movers.State().SlideStepY, -1.0);
    EXPECT_EQ(rig.movers.State().SlideStepX, 1.0);
    EXPECT_EQ(rig.surface.left, 1025.0f);
    EXPECT_EQ(rig.surface.top, 975.0f);
}

TEST(MoveRandomSlide, ANearTargetOnOneAxisGivesOneStepAndANewPick) {
    MoverRig rig = SlideRig();
    rig.random.Add({0.30005f, 0.10505f});  // target (3000, 1050): 50 twips below
    rig.movers.MoveRandomSlide(true);
    EXPECT_EQ(rig.surface.left, 1025.0f);
    EXPECT_EQ(rig.surface.top, 1000.625f);
    rig.random.Add({0.5f, 0.5f});
    rig.movers.MoveRandomSlide(true);
    EXPECT_EQ(rig.random.Remaining(), 0u);
}

TEST(MoveRandomSlide, ATargetAtTheOriginCountsAsNoTarget) {
    MoverRig rig = SlideRig();
    rig.random.Add({0.0f, 0.0f});
    rig.movers.MoveRandomSlide(true);
    EXPECT_EQ(rig.surface.left, 975.0f);  // dx = dy = -1000: vertical axis, both steps -1
    EXPECT_EQ(rig.surface.top, 975.0f);
    rig.random.Add({0.5f, 0.5f});
    rig.movers.MoveRandomSlide(true);  // far from (0, 0), yet it picks again
    EXPECT_EQ(rig.random.Remaining(), 0u);
    EXPECT_EQ(rig.movers.State().SlideTargetX, 5000);
}

TEST(MoveRandomSlide, ATargetOnThePanelsOwnPlaceKeepsItThereForTheTick) {
    MoverRig rig = SlideRig();
    rig.surface.left = 1300.0f;
    rig.surface.top = 850.0f;
    rig.random.Add({0.13005f, 0.08505f});
    rig.movers.MoveRandomSlide(true);
    EXPECT_EQ(rig.surface.left, 1300.0f);
    EXPECT_EQ(rig.surface.top, 850.0f);
    rig.random.Add({0.5f, 0.085f});  // next target (5000, 850)
    rig.movers.MoveRandomSlide(true);
    EXPECT_EQ(rig.random.Remaining(), 0u);
    EXPECT_EQ(rig.surface.left, 1325.0f);
    EXPECT_EQ(rig.surface.top, 850.0f);
}

TEST(MoveRandomSlide, FirstTickCentresAndSetsOffAtOnce) {
    MoverRig rig = SlideRig();
    rig.random.Add({0.00015f, 0.5f});  // target (1, 5000) from the centre (5000, 5000)
    rig.movers.MoveRandomSlide(false);
    EXPECT_EQ(rig.surface.left, 4975.0f);
    EXPECT_EQ(rig.surface.top, 5000.0f);
    EXPECT_EQ(rig.surface.moves, 2);
}

}  // namespace
}  // namespace kelvor
