// The library keeper's checks on the largest library the model holds: every problem rule over
// all of it, as `glyphlib check` and the Problems panel run them.
#include <benchmark/benchmark.h>

#include "display/problem_rules.h"
#include "largest_library.h"

namespace {

void BM_CheckLargestLibrary(benchmark::State& state) {
    Library library;
    fillLargestLibrary(library, static_cast<LibraryKind>(state.range(0)));
    size_t found = 0;
    for (auto _ : state) {
        const std::vector<Problem> problems = checkLibrary(library);
        found = problems.size();
        benchmark::DoNotOptimize(problems.data());
    }
    state.SetLabel(
        (state.range(0) == static_cast<int>(LibraryKind::Symbol) ? "symbols, " : "line types, ") +
        std::to_string(found) + " problems");
}
BENCHMARK(BM_CheckLargestLibrary)
    ->Arg(static_cast<int>(LibraryKind::Symbol))
    ->Arg(static_cast<int>(LibraryKind::LineType))
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
