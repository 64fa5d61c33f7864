#include <array>
#include <cmath>

#include "animation/movers.h"
#include "common/rounding.h"

namespace kelvor {

namespace {

// Turn rates in degrees per tick; drawing index Round(Rnd * 16) makes the two end entries half as
// likely as the others.
constexpr std::array<int32_t, 17> kTurnRates{0, 1, 1, 1, 2, 3, 4, 0, 6, -1, -1, -1, -2, -3, -4, 0, -6};
constexpr int32_t kTurnPeriod = 20;
constexpr float kPi = 3.1415927f;
// How near an edge the panel may come before it is turned back into the area.
constexpr double kEdgeBand = 20.0;

int64_t RandomHeading(RandomSource& random, double from) { return RoundToInt64(random.Next() * 45.0 + from); }

}  // namespace

void Movers::MoveRandomPath(bool firstTickDone) {
    FollowLayout(kRandomPath, firstTickDone);
    if (!firstTickDone) {
        CentreText();
        state_.PathX = RoundToInt32(surface_.Left());
        state_.PathY = RoundToInt32(surface_.Top());
        state_.PathHeading = 60;
        state_.PathTurns = kTurnRates;
    }
    state_.PathTicks = (state_.PathTicks + 1) % kTurnPeriod;
    if (state_.PathTicks == 1) {
        const auto index = static_cast<size_t>(RoundHalfEven(random_.Next() * 16.0));
        state_.PathTurn = state_.PathTurns.at(index);
    }
    IgnoreMoves(2, kIgnoredMovesCap);
    state_.PathHeading += state_.PathTurn;
    // The single-precision constant is not quite pi, so the angle of a heading differs from that of
    // the same heading less whole turns: the heading is used as it is, never wrapped.
    const double angle = static_cast<double>(state_.PathHeading) * kPi / 180;
    const int32_t fromX = state_.PathX;
    const int32_t fromY = state_.PathY;
    state_.PathY += 3 * RoundToInt32(4 * std::sin(angle));
    state_.PathX += 3 * RoundToInt32(6 * std::cos(angle));
    if (shown_.HasDeadArea()) HoldPathOnMonitors(fromX, fromY);
    surface_.Move(static_cast<float>(state_.PathX), static_cast<float>(state_.PathY));
    if (state_.PathTicks % 2 != 0) return;
    ReaimPathAtEdges();
}

void Movers::HoldPathOnMonitors(int32_t fromX, int32_t fromY) {
    const auto shows = [this](int32_t x, int32_t y) {
        return shown_.OnMonitors({static_cast<double>(x), static_cast<double>(y)});
    };
    if (shows(state_.PathX, state_.PathY)) return;
    // Slide along the edge that stops it; the next edge test turns the path away.
    if (shows(state_.PathX, fromY)) {
        state_.PathY = fromY;
    } else if (shows(fromX, state_.PathY)) {
        state_.PathX = fromX;
    } else {
        const TwipPoint to = shown_.Nearest({static_cast<double>(fromX), static_cast<double>(fromY)});
        state_.PathX = RoundToInt32(to.x);
        state_.PathY = RoundToInt32(to.y);
    }
}

void Movers::ReaimPathAtEdges() {
    const float left = surface_.Left();
    const float top = surface_.Top();
    // "Near an edge" also means near the edge of a part that no monitor shows.
    const auto nearDead = [&](double across, double down) {
        return shown_.HasDeadArea() && !shown_.OnMonitors({left + across, top + down});
    };
    const float rightBand = ToSingle(ToSingle(static_cast<double>(surface_.AreaWidth()) - surface_.PanelWidth()) - kEdgeBand);
    const float bottomBand =
        ToSingle(ToSingle(static_cast<double>(surface_.AreaHeight()) - surface_.PanelHeight()) - kEdgeBand);
    // Leftwards off the right edge, upwards off the bottom, downwards off the top, rightwards off the
    // left edge. In a corner the later test wins: bottom over right, left over top.
    if (left >= rightBand || nearDead(kEdgeBand, 0.0)) state_.PathHeading = RandomHeading(random_, 157.5);
    if (top >= bottomBand || nearDead(0.0, kEdgeBand)) state_.PathHeading = RandomHeading(random_, -112.5);
    if (top <= kEdgeBand || nearDead(0.0, -kEdgeBand)) state_.PathHeading = RandomHeading(random_, 67.5);
    if (left <= kEdgeBand || nearDead(-kEdgeBand, 0.0)) state_.PathHeading = RandomHeading(random_, -22.5);
}

}  // namespace kelvor
