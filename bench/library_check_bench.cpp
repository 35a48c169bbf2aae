// The library keeper's checks on the largest library the model holds: every problem rule over
// all of it, as `glyphlib check` and the Problems panel run them, one stored entry checked
// again as the panel does, and `glyphlib diff` of it
// against a copy with one entity recoloured, with and without reading the two files.
#include <benchmark/benchmark.h>

#include "display/library_problems.h"
#include "display/problem_rules.h"
#include "largest_library.h"
#include "model/library_compare.h"
#include "model/library_reader.h"
#include "model/library_writer.h"

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

// What the Problems panel does when one entry was stored: that entry and the names again.
void BM_RecheckOneStoredEntry(benchmark::State& state) {
    Library library;
    fillLargestLibrary(library, LibraryKind::Symbol);
    LibraryProblems problems;
    problems.checkAll(library);
    for (auto _ : state) {
        problems.checkStored(library, 250);
        benchmark::DoNotOptimize(problems.errorCount());
    }
}
BENCHMARK(BM_RecheckOneStoredEntry)->Unit(benchmark::kMicrosecond);

// The largest library and its text, and a copy of both in which entity 4 of entry 250 has
// another colour.
struct TwoCopies {
    Library a;
    Library b;
    std::string textA;
    std::string textB;
    TwoCopies() {
        fillLargestLibrary(a, LibraryKind::Symbol);
        fillLargestLibrary(b, LibraryKind::Symbol);
        Entity& changed = b.entities(250)[3];
        changed.colour = changed.colour % 16 + 1;
        textA = writeLibraryText(a);
        textB = writeLibraryText(b);
    }
};

void BM_CompareLargestWithOneChange(benchmark::State& state) {
    static const TwoCopies copies;
    for (auto _ : state) {
        const LibraryComparison diff = compareLibraries(copies.a, copies.b);
        benchmark::DoNotOptimize(diff.entries.data());
    }
}
BENCHMARK(BM_CompareLargestWithOneChange)->Unit(benchmark::kMillisecond);

void BM_ReadAndCompareLargestWithOneChange(benchmark::State& state) {
    static const TwoCopies copies;
    Library a;
    Library b;
    allocateLibrary(a);
    allocateLibrary(b);
    for (auto _ : state) {
        readLibraryText(copies.textA, a);
        readLibraryText(copies.textB, b);
        const LibraryComparison diff = compareLibraries(a, b);
        benchmark::DoNotOptimize(diff.entries.data());
    }
}
BENCHMARK(BM_ReadAndCompareLargestWithOneChange)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
