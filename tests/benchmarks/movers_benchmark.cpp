#include <benchmark/benchmark.h>

#include <cstdint>

#include "animation/movers.h"
#include "common/random_generator.h"
#include "fakes/fake_mover_surface.h"

namespace kelvor {
namespace {

// One refresh tick of the mover for the animation type given as the argument, in a full screen
// after the first tick (the jumping mover's average includes its jump every 51st tick).
void BM_MoverTick(benchmark::State& state) {
    const auto option = static_cast<int32_t>(state.range(0));
    FakeMoverSurface surface;
    SeededRandom random(1u);
    int16_t ignoreMouseMoves = 0;
    Movers movers(surface, random, ignoreMouseMoves, 2);
    movers.MoveByOption(option, false);
    for (auto _ : state) {
        movers.MoveByOption(option, true);
        ignoreMouseMoves = 0;
        benchmark::DoNotOptimize(surface.left);
        benchmark::DoNotOptimize(surface.top);
    }
}
BENCHMARK(BM_MoverTick)
    ->ArgName("MoveOption")
    ->Arg(Movers::kRandomJumping)
    ->Arg(Movers::kRandomSliding)
    ->Arg(Movers::kBounceOffSides)
    ->Arg(Movers::kRandomPath)
    ->Arg(Movers::kStationaryInCentre);

}  // namespace
}  // namespace kelvor
