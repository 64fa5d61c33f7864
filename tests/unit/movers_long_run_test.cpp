#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <ostream>
#include <string>
#include <tuple>

#include "animation/movers.h"
#include "animation/timer_interval.h"
#include "common/random_generator.h"
#include "fakes/fake_mover_surface.h"

namespace kelvor {
namespace {

// A day of refresh ticks.
constexpr int32_t kTicksPerDay = 24 * 60 * 60 * (1000 / kTimerIntervalMs);

struct Area {
    const char* name;
    float width;
    float height;
    float panelWidth;
    float panelHeight;
};

// Full screen 1280 x 1024 and the 152 x 112 preview pane, at 15 twips per pixel; in the last the
// panel (a large font in the preview) does not fit.
void PrintTo(const Area& area, std::ostream* out) { *out << area.name; }

constexpr Area kFullScreen{"FullScreen", 19200.0f, 15360.0f, 4500.0f, 1800.0f};
constexpr Area kPreview{"Preview", 2280.0f, 1680.0f, 1100.0f, 500.0f};
constexpr Area kOversizedPreview{"OversizedPreview", 2280.0f, 1680.0f, 3000.0f, 2000.0f};

// How far past the area's edges a mover lets the panel's top-left corner go, or a negative value
// when it sets no bound.
double Overhang(int32_t option, const Area& area, const Movers& movers) {
    const bool fits = area.panelWidth <= area.width && area.panelHeight <= area.height;
    if (!fits) return -1.0;
    switch (option) {
        case Movers::kRandomJumping:
        case Movers::kStationaryInCentre: return 0.0;
        // Fractional steps add up in single precision.
        case Movers::kRandomSliding: return 0.01;
        case Movers::kBounceOffSides: {
            // Pulled back inside each tick, then one step, which is at most the larger of the
            // clamp limit and the starting speed for this area.
            const double startLimit = 0.5 * 17280 / std::min(area.width, area.height) + 0.2;
            return movers.State().BounceScale * std::max(1.5, startLimit) + 1.0;
        }
        // The path is turned back only on every other tick, and in a corner it may drift along
        // the edge for a few steps: a loose bound of three of its longest steps.
        case Movers::kRandomPath: return 3 * 18.0;
        default: return -1.0;
    }
}

class MoversLongRun : public ::testing::TestWithParam<std::tuple<int32_t, Area>> {};

TEST_P(MoversLongRun, ADayOfTicksStaysFiniteAndWithinTheMoversBounds) {
    const auto [option, area] = GetParam();
    FakeMoverSurface surface;
    surface.areaWidth = area.width;
    surface.areaHeight = area.height;
    surface.panelWidth = area.panelWidth;
    surface.panelHeight = area.panelHeight;
    SeededRandom random(20040114u + static_cast<uint32_t>(option));
    int16_t ignoreMouseMoves = 0;
    Movers movers(surface, random, ignoreMouseMoves, 2);

    const double roomAcross = static_cast<double>(area.width) - area.panelWidth;
    const double roomDown = static_cast<double>(area.height) - area.panelHeight;
    int32_t failures = 0;
    for (int32_t tick = 0; tick < kTicksPerDay && failures < 5; ++tick) {
        movers.MoveByOption(option, tick != 0);
        const double left = surface.left;
        const double top = surface.top;
        if (!std::isfinite(left) || !std::isfinite(top)) {
            ADD_FAILURE() << "tick " << tick << ": position not finite";
            ++failures;
            continue;
        }
        // A mouse-move handler spends the counter now and then; the caps keep it small.
        if (ignoreMouseMoves < 0 || ignoreMouseMoves > 4) {
            ADD_FAILURE() << "tick " << tick << ": ignored moves " << ignoreMouseMoves;
            ++failures;
        }
        if (tick % 3 == 0 && ignoreMouseMoves > 0) --ignoreMouseMoves;
        const double overhang = Overhang(option, area, movers);
        if (overhang < 0.0) continue;
        if (left < -overhang || left > roomAcross + overhang || top < -overhang || top > roomDown + overhang) {
            ADD_FAILURE() << "tick " << tick << ": panel at (" << left << ", " << top << ")";
            ++failures;
        }
    }
}

std::string CaseName(const ::testing::TestParamInfo<std::tuple<int32_t, Area>>& info) {
    return "Option" + std::to_string(std::get<0>(info.param)) + std::get<1>(info.param).name;
}

INSTANTIATE_TEST_SUITE_P(EveryAnimationType, MoversLongRun,
                         ::testing::Combine(::testing::Values(Movers::kRandomJumping, Movers::kRandomSliding,
                                                              Movers::kBounceOffSides, Movers::kRandomPath,
                                                              Movers::kStationaryInCentre),
                                            ::testing::Values(kFullScreen, kPreview, kOversizedPreview)),
                         CaseName);

}  // namespace
}  // namespace kelvor
