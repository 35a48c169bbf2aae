// Picking over a full entry and the arc construction of a rubber-band update: both run on
// every pointer move.
#include <benchmark/benchmark.h>

#include "display/picking.h"
#include "full_entry.h"

namespace {

void NearestPickOverAFullEntry(benchmark::State& state) {
    const EntityArray entities = fullEntry();
    const Grips grips;
    const PickScene scene{entities, MaxEntities, {155, 155}, 150, 60, false, false, grips, {}};
    int32_t x = AreaMin;
    for (auto _ : state) {
        x = x == AreaMax ? AreaMin : x + 1;
        benchmark::DoNotOptimize(NearestPick({x, 200}, false, scene));
    }
}
BENCHMARK(NearestPickOverAFullEntry);

void SelectionDistanceOfEveryEntity(benchmark::State& state) {
    const EntityArray entities = fullEntry();
    std::array<int32_t, MaxEntities> selection{};
    for (std::size_t i = 0; i < selection.size(); ++i) {
        selection[i] = static_cast<int32_t>(i + 1);
    }
    const Grips grips;
    const PickScene scene{entities, MaxEntities, {155, 155}, 150,      60,
                          false,    false,       grips,      selection};
    int32_t x = AreaMin;
    for (auto _ : state) {
        x = x == AreaMax ? AreaMin : x + 1;
        benchmark::DoNotOptimize(SelectionDistance({x, 200}, scene));
    }
}
BENCHMARK(SelectionDistanceOfEveryEntity);

void ArcThroughPointsAndSweep(benchmark::State& state) {
    int32_t x = AreaMin;
    for (auto _ : state) {
        x = x == AreaMax ? AreaMin : x + 1;
        RealPoint centre;
        uint8_t flag = 0;
        ArcThroughPoints({20, 155}, {290, 155}, {x, 60}, centre, flag);
        benchmark::DoNotOptimize(ArcDrawSweep(centre, {20, 155}, {290, 155}, flag));
        benchmark::DoNotOptimize(
            ArcMidpoint(Entity{20, 155, 290, 155, 1, centre.x, centre.y, flag, 1}));
    }
}
BENCHMARK(ArcThroughPointsAndSweep);

}  // namespace

BENCHMARK_MAIN();
