// Picking over a full entry and the arc construction of a rubber-band update: both run on
// every pointer move.
#include <benchmark/benchmark.h>

#include <random>

#include "display/arc_geometry.h"
#include "display/picking.h"

namespace {

// 250 entities across the whole area, every second one an arc through three random points.
EntityArray fullEntry() {
    EntityArray entities{};
    std::mt19937 random(7);
    std::uniform_int_distribution<int32_t> coordinate(AreaMin, AreaMax);
    for (std::size_t i = 0; i < entities.size();) {
        Entity e;
        e.x1 = coordinate(random);
        e.y1 = coordinate(random);
        e.x2 = coordinate(random);
        e.y2 = coordinate(random);
        if (i % 2 == 1) {
            RealPoint centre;
            ArcThroughPoints({e.x1, e.y1}, {e.x2, e.y2}, {coordinate(random), coordinate(random)},
                             centre, e.arcFlag);
            if (!IsValidCentre(centre)) {
                continue;
            }
            e.isArc = 1;
            e.centreX = centre.x;
            e.centreY = centre.y;
        }
        entities[i++] = e;
    }
    return entities;
}

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
