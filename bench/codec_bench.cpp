// Reading and writing the largest library the model holds: 500 entries of 250 entities, every
// second one an arc (about 5.4 MB of text). `codec_bench --write=FILE` writes that library to
// FILE instead, for measuring the command-line tool on it.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <string_view>

#include "largest_library.h"
#include "model/library.h"
#include "model/library_reader.h"
#include "model/library_writer.h"

namespace {

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
