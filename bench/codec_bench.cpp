// Reading and writing the largest library the model holds: 500 entries of 250 entities, every
// second one an arc (about 5.4 MB of text). `codec_bench --write=FILE` writes that library to
// FILE instead, for measuring the command-line tool on it.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>
#include <string_view>

#include "model/library.h"
#include "model/library_reader.h"
#include "model/library_writer.h"

namespace {

void fillLargestLibrary(Library& library, LibraryKind kind) {
    allocateLibrary(library);
    library.libraryKind = kind;
    library.entryCount = MaxEntries;
    std::mt19937 random(11);
    std::uniform_int_distribution<int32_t> coordinate(5, 305);
    std::uniform_int_distribution<int32_t> colour(1, 16);
    for (int n = 1; n <= MaxEntries; ++n) {
        LibraryEntry& entry = library.entry(n);
        entry.name.assign("Entry " + std::to_string(n));
        entry.originX = entry.originY = 155;
        entry.sizeRadius = 150;
        entry.useColours = 1;
        for (int i = 0; i < MaxEntities; ++i) {
            Entity& e = library.entities(n)[i];
            e.x1 = coordinate(random);
            e.y1 = coordinate(random);
            e.x2 = coordinate(random);
            e.y2 = coordinate(random);
            e.colour = colour(random);
            e.isArc = i % 2;
            if (e.isArc) {
                e.centreX = static_cast<float>(e.x1 + e.x2) / 2 + 0.25f;
                e.centreY = static_cast<float>(e.y1 + e.y2) / 2 - 0.75f;
                e.arcFlag = static_cast<uint8_t>(i % 4 == 1);
            }
        }
    }
}

const std::string& largestLibraryText() {
    static const std::string text = [] {
        Library library;
        fillLargestLibrary(library, LibraryKind::Symbol);
        return writeLibraryText(library);
    }();
    return text;
}

void BM_ReadLargestLibrary(benchmark::State& state) {
    const std::string& text = largestLibraryText();
    Library library;
    allocateLibrary(library);
    for (auto _ : state) {
        const ReadResult result = readLibraryText(text, library);
        benchmark::DoNotOptimize(result.outcome);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadLargestLibrary)->Unit(benchmark::kMillisecond);

// Line types also measure every arc's vertical extent for the P line.
void BM_WriteLargestLibrary(benchmark::State& state) {
    Library library;
    fillLargestLibrary(library, static_cast<LibraryKind>(state.range(0)));
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = writeLibraryText(library);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    state.SetLabel(state.range(0) == static_cast<int>(LibraryKind::Symbol) ? "symbols"
                                                                           : "line types");
}
BENCHMARK(BM_WriteLargestLibrary)
    ->Arg(static_cast<int>(LibraryKind::Symbol))
    ->Arg(static_cast<int>(LibraryKind::LineType))
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    constexpr std::string_view WriteFlag = "--write=";
    if (argc == 2 && std::string_view(argv[1]).starts_with(WriteFlag)) {
        const std::string& text = largestLibraryText();
        std::FILE* file = std::fopen(argv[1] + WriteFlag.size(), "wb");
        const bool written = file && std::fwrite(text.data(), 1, text.size(), file) == text.size();
        return (file && std::fclose(file) == 0 && written) ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
