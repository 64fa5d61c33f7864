#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <ostream>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "animation/monitor_layout.h"
#include "animation/movers.h"
#include "animation/timer_interval.h"
#include "common/random_generator.h"
#include "fakes/fake_mover_surface.h"

namespace kelvor {
namespace {

constexpr int32_t kTicksPerDay = 24 * 60 * 60 * (1000 / kTimerIntervalMs);
constexpr double kTwips = 15.0;
constexpr int32_t kEveryMover[] = {Movers::kRandomJumping, Movers::kRandomSliding, Movers::kBounceOffSides,
                                   Movers::kRandomPath, Movers::kStationaryInCentre};

// Monitors in desktop pixels (the primary first, its top-left corner at 0, 0) and a block in twips.
struct Layout {
    const char* name;
    std::vector<PixelRect> monitors;
    float blockWidth;
    float blockHeight;
};
void PrintTo(const Layout& layout, std::ostream* out) { *out << layout.name; }

PixelRect BoundsOf(const std::vector<PixelRect>& monitors) {
    PixelRect bounds;
    for (const PixelRect& m : monitors) bounds = BoundingUnion(bounds, m);
    return bounds;
}

// The surface of a full-screen window stretched over the layout's bounding rectangle.
void ShowOn(FakeMoverSurface& surface, const std::vector<PixelRect>& monitors) {
    const PixelRect bounds = BoundsOf(monitors);
    surface.areaWidth = static_cast<float>(bounds.Width() * kTwips);
    surface.areaHeight = static_cast<float>(bounds.Height() * kTwips);
    surface.desktopLeft = bounds.left;
    surface.desktopTop = bounds.top;
    surface.monitors = LayoutInArea(monitors, 0, {bounds.left, bounds.top});
}

struct Twips {
    double left, top, right, bottom;
};

Twips InTwips(const PixelRect& m, const PixelRect& bounds) {
    return {(m.left - bounds.left) * kTwips, (m.top - bounds.top) * kTwips, (m.right - bounds.left) * kTwips,
            (m.bottom - bounds.top) * kTwips};
}

// The monitors a block of that size fits on, in twips relative to the area.
std::vector<Twips> FittingMonitors(const std::vector<PixelRect>& monitors, double width, double height) {
    const PixelRect bounds = BoundsOf(monitors);
    std::vector<Twips> fitting;
    for (const PixelRect& m : monitors) {
        if (m.Width() * kTwips >= width && m.Height() * kTwips >= height) fitting.push_back(InTwips(m, bounds));
    }
    return fitting;
}

// Whether every point of the block lies on one of the monitors: the block cut along the
// monitors' edges, each piece's midpoint on a monitor.
bool Covered(const Twips& block, const std::vector<Twips>& monitors) {
    std::array<double, 8> xs{block.left, block.right};
    std::array<double, 8> ys{block.top, block.bottom};
    size_t across = 2;
    size_t down = 2;
    for (const Twips& m : monitors) {
        for (double x : {m.left, m.right})
            if (x > block.left && x < block.right) xs.at(across++) = x;
        for (double y : {m.top, m.bottom})
            if (y > block.top && y < block.bottom) ys.at(down++) = y;
    }
    std::sort(xs.begin(), xs.begin() + across);
    std::sort(ys.begin(), ys.begin() + down);
    for (size_t i = 0; i + 1 < across; ++i) {
        for (size_t j = 0; j + 1 < down; ++j) {
            const double x = (xs[i] + xs[i + 1]) / 2;
            const double y = (ys[j] + ys[j + 1]) / 2;
            const bool on = std::any_of(monitors.begin(), monitors.end(), [&](const Twips& m) {
                return m.left <= x && x <= m.right && m.top <= y && y <= m.bottom;
            });
            if (!on) return false;
        }
    }
    return true;
}

// An 800 x 600 primary beside a 1920 x 1080 monitor: below the primary nothing shows.
const Layout kLShape{"LShape", {{0, 0, 800, 600}, {800, 0, 2720, 1080}}, 4500.0f, 1800.0f};
// The secondary left of the primary (negative desktop coordinates), top edges aligned.
const Layout kSecondaryLeft{"SecondaryLeft", {{0, 0, 1280, 1024}, {-1024, 0, 0, 768}}, 4500.0f, 1800.0f};
// Three monitors at three heights, one above the primary's top edge.
const Layout kThree{"Three", {{0, 0, 1920, 1080}, {-1280, 100, 0, 1124}, {1920, -200, 2944, 568}}, 4500.0f, 1800.0f};
// A block wider than the 800-pixel primary: only the large monitor can hold it.
const Layout kWiderThanPrimary{"WiderThanPrimary", {{0, 0, 800, 600}, {800, 0, 2720, 1080}}, 14000.0f, 1800.0f};

class MoversOnLayouts : public ::testing::TestWithParam<std::tuple<int32_t, Layout>> {};

TEST_P(MoversOnLayouts, ADayNeverPutsPartOfTheBlockWhereNoMonitorShowsIt) {
    const auto& [option, layout] = GetParam();
    FakeMoverSurface surface;
    ShowOn(surface, layout.monitors);
    surface.panelWidth = layout.blockWidth;
    surface.panelHeight = layout.blockHeight;
    SeededRandom random(19990301u + static_cast<uint32_t>(option));
    int16_t ignoreMouseMoves = 0;
    Movers movers(surface, random, ignoreMouseMoves, 2);

    const std::vector<Twips> fitting = FittingMonitors(layout.monitors, layout.blockWidth, layout.blockHeight);
    std::set<size_t> visited;
    int32_t failures = 0;
    for (int32_t tick = 0; tick < kTicksPerDay && failures < 5; ++tick) {
        const int moves = surface.moves;
        movers.MoveByOption(option, tick != 0);
        if (tick != 0 && surface.moves == moves) continue;
        const Twips block{surface.left, surface.top, surface.left + surface.panelWidth,
                          surface.top + surface.panelHeight};
        if (!Covered(block, fitting)) {
            ADD_FAILURE() << "tick " << tick << ": block at (" << surface.left << ", " << surface.top << ")";
            ++failures;
        }
        for (size_t i = 0; i < fitting.size(); ++i) {
            if (fitting[i].left <= block.left && block.right <= fitting[i].right && fitting[i].top <= block.top &&
                block.bottom <= fitting[i].bottom)
                visited.insert(i);
        }
    }
    // Kept on its monitors, yet not kept on one: every moving animation reaches every monitor.
    if (option != Movers::kStationaryInCentre) {
        EXPECT_EQ(visited.size(), fitting.size());
    }
}

std::string CaseName(const ::testing::TestParamInfo<std::tuple<int32_t, Layout>>& info) {
    return "Option" + std::to_string(std::get<0>(info.param)) + std::get<1>(info.param).name;
}

INSTANTIATE_TEST_SUITE_P(EveryAnimationType, MoversOnLayouts,
                         ::testing::Combine(::testing::ValuesIn(kEveryMover),
                                            ::testing::Values(kLShape, kSecondaryLeft, kThree, kWiderThanPrimary)),
                         CaseName);

// One monitor (and no monitors known) is what the movers always knew: the same positions from the
// same draws, tick by tick, with a block that fits and one that does not.
TEST(MoversOnOneMonitor, MoveExactlyAsWithoutMonitorsAndDrawTheSameNumbers) {
    for (const int32_t option : kEveryMover) {
        for (const float blockWidth : {4500.0f, 25000.0f}) {
            FakeMoverSurface plain;
            FakeMoverSurface single;
            single.monitors = {{{0, 0, 1280, 1024}}, 0};
            for (FakeMoverSurface* surface : {&plain, &single}) {
                surface->panelWidth = blockWidth;
                surface->panelHeight = 1800.0f;
            }
            SeededRandom plainRandom(4242u);
            SeededRandom singleRandom(4242u);
            int16_t plainIgnored = 0;
            int16_t singleIgnored = 0;
            Movers plainMovers(plain, plainRandom, plainIgnored, 2);
            Movers singleMovers(single, singleRandom, singleIgnored, 2);
            for (int32_t tick = 0; tick < 20000; ++tick) {
                plainMovers.MoveByOption(option, tick != 0);
                singleMovers.MoveByOption(option, tick != 0);
                ASSERT_EQ(plain.left, single.left) << "option " << option << " tick " << tick;
                ASSERT_EQ(plain.top, single.top) << "option " << option << " tick " << tick;
            }
            EXPECT_EQ(plainRandom.Next(), singleRandom.Next()) << "option " << option;
        }
    }
}

TEST(CentreText, AimsAtThePrimaryMonitorsCentre) {
    for (const Layout& layout : {kLShape, kSecondaryLeft, kThree}) {
        FakeMoverSurface surface;
        ShowOn(surface, layout.monitors);
        surface.panelWidth = 3000.0f;
        surface.panelHeight = 1500.0f;
        SeededRandom random(1u);
        int16_t ignored = 0;
        Movers movers(surface, random, ignored, 2);
        movers.MoveByOption(Movers::kStationaryInCentre, false);
        const PixelRect bounds = BoundsOf(layout.monitors);
        const Twips primary = InTwips(layout.monitors.front(), bounds);
        EXPECT_EQ(surface.left + 1500.0, (primary.left + primary.right) / 2) << layout.name;
        EXPECT_EQ(surface.top + 750.0, (primary.top + primary.bottom) / 2) << layout.name;
    }
    // A block too wide for the primary is centred on the monitor that holds it.
    FakeMoverSurface surface;
    ShowOn(surface, kWiderThanPrimary.monitors);
    surface.panelWidth = kWiderThanPrimary.blockWidth;
    surface.panelHeight = 1500.0f;
    SeededRandom random(1u);
    int16_t ignored = 0;
    Movers movers(surface, random, ignored, 2);
    movers.MoveByOption(Movers::kStationaryInCentre, false);
    EXPECT_EQ(surface.left + 7000.0, (800 + 2720) / 2 * kTwips);
    EXPECT_EQ(surface.top + 750.0, 540 * kTwips);
}

// A monitor unplugged while the block is on it: the window shrinks to the monitor left and the block
// comes back onto it on the next tick; plugged in again, the block goes on from where it is.
TEST(MoversOnLayouts, BringTheBlockBackWhenItsMonitorGoes) {
    for (const int32_t option : kEveryMover) {
        FakeMoverSurface surface;
        ShowOn(surface, kLShape.monitors);
        SeededRandom random(7u);
        int16_t ignored = 0;
        Movers movers(surface, random, ignored, 2);
        movers.MoveByOption(option, false);
        surface.left = 30000.0f;  // on the large monitor, out of reach of the primary
        surface.top = 9000.0f;
        ShowOn(surface, {{0, 0, 800, 600}});
        movers.MoveByOption(option, true);
        // On one monitor the movers are as they always were: the path may take its step past
        // the edge before it turns.
        const float step = option == Movers::kRandomPath ? 18.0f : 0.0f;
        EXPECT_LE(surface.left + surface.panelWidth, 12000.0f + step) << "option " << option;
        EXPECT_LE(surface.top + surface.panelHeight, 9000.0f + step) << "option " << option;
        EXPECT_GE(surface.left, 0.0f) << "option " << option;
        ShowOn(surface, kLShape.monitors);
        for (int32_t tick = 0; tick < 600; ++tick) {
            movers.MoveByOption(option, true);
            const Twips block{surface.left, surface.top, surface.left + surface.panelWidth,
                              surface.top + surface.panelHeight};
            ASSERT_TRUE(Covered(block, {InTwips(kLShape.monitors[0], {}), InTwips(kLShape.monitors[1], {})}))
                << "option " << option << " tick " << tick;
        }
    }
}

// Blocks within 0 to 8 pixels of a monitor's height or width, beside parts no monitor shows: no
// mover puts part of the block off the monitors it fits on, and the bounce stands still no longer
// than a bounce takes (a tick) while a step on either axis is possible.
TEST(MoversOnLayouts, NearlyFittingBlocksStayOnTheirMonitorsAndABounceOrASlideKeepsMoving) {
    // The monitors, which one the block nearly fills, and whether across (else down).
    struct NearFit {
        std::vector<PixelRect> monitors;
        size_t tight;
        bool across;
    };
    const NearFit layouts[] = {
        {{{0, 0, 1280, 1024}, {1280, 0, 3200, 1200}}, 0, false},
        {{{0, 0, 1024, 768}, {-1280, 0, 0, 1024}}, 0, false},
        {kThree.monitors, 2, false},
        {{{0, 0, 1280, 1024}, {1280, 0, 2304, 768}}, 0, false},  // the block fits on the primary only
        {{{0, 0, 1024, 768}, {-128, -1024, 1152, 0}}, 0, true},
        {{{0, 0, 1280, 1024}, {0, 1024, 1024, 1792}}, 1, true},
    };
    int32_t failures = 0;
    for (const NearFit& layout : layouts) {
        const PixelRect& tight = layout.monitors[layout.tight];
        for (int32_t room = 0; room <= 8; ++room) {
            for (const int32_t option : kEveryMover) {
                FakeMoverSurface surface;
                ShowOn(surface, layout.monitors);
                surface.panelWidth = static_cast<float>(layout.across ? (tight.Width() - room) * kTwips : 4500.0);
                surface.panelHeight = static_cast<float>(layout.across ? 1800.0 : (tight.Height() - room) * kTwips);
                SeededRandom random(2718u + static_cast<uint32_t>(room));
                int16_t ignored = 0;
                Movers movers(surface, random, ignored, 2);
                const std::vector<Twips> fitting =
                    FittingMonitors(layout.monitors, surface.panelWidth, surface.panelHeight);
                const auto on = [&](double left, double top) {
                    return Covered({left, top, left + surface.panelWidth, top + surface.panelHeight}, fitting);
                };
                int32_t still = 0;
                for (int32_t tick = 0; tick < 3000 && failures < 10; ++tick) {
                    const float left = surface.left;
                    const float top = surface.top;
                    movers.MoveByOption(option, tick != 0);
                    still = surface.left == left && surface.top == top ? still + 1 : 0;
                    const bool keepsMoving = option == Movers::kBounceOffSides || option == Movers::kRandomSliding;
                    const bool stuck = keepsMoving && tick != 0 && still > 1 &&
                                       (on(left - kTwips, top) || on(left + kTwips, top) || on(left, top - kTwips) ||
                                        on(left, top + kTwips));
                    if (stuck || !on(surface.left, surface.top)) {
                        ADD_FAILURE() << "layout " << (&layout - layouts) << " room " << room << " option " << option
                                      << " tick " << tick << ": still for " << still << " at (" << surface.left
                                      << ", " << surface.top << ")";
                        ++failures;
                        still = 0;
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace kelvor
