// The whole preview of a crowded entry, as the preview panel draws it on every change of the
// working copy: a line type along every test path, and a symbol at every size.
#include <benchmark/benchmark.h>

#include "display/path_layout.h"
#include "full_entry.h"
#include "platform/preview_picture.h"

namespace {

void PreviewOfAFullEntry(benchmark::State& state, LibraryKind kind) {
    const EntityArray entities = fullEntry();
    LibraryEntry entry;
    entry.originX = entry.originY = 155;
    entry.sizeRadius = 150;
    entry.useColours = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(entryPreview(kind, entry, entities, DefaultPreviewSize, true));
    }
}
BENCHMARK_CAPTURE(PreviewOfAFullEntry, LineType, LibraryKind::LineType)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PreviewOfAFullEntry, Symbol, LibraryKind::Symbol)->Unit(benchmark::kMillisecond);

void LayoutOfAFullLineType(benchmark::State& state) {
    const EntityArray entities = fullEntry();
    const TestPaths test =
        lineTypeTestPaths(DefaultPreviewSize.width(), DefaultPreviewSize.height());
    size_t points = 0;
    for (auto _ : state) {
        points = 0;
        for (const LayoutPath& path : test.paths) {
            for (const Stroke& s : layOutPattern(entities, false, path, test.scale)) {
                points += s.points.size();
            }
        }
        benchmark::DoNotOptimize(points);
    }
    state.counters["points"] = double(points);
}
BENCHMARK(LayoutOfAFullLineType)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
