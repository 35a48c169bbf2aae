// Reading, writing and saving the largest library the model holds: 500 entries of 250
// entities, every second one an arc (about 5.4 MB of text). `codec_bench --write=FILE` writes
// that library to FILE instead, for measuring the command-line tool on it.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "largest_library.h"
#include "model/library.h"
#include "model/library_reader.h"
#include "model/library_snapshot.h"
#include "model/library_writer.h"
#include "platform/earlier_versions.h"
#include "platform/library_file.h"

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

// A save as the editor makes it, over the file of the last save, in a new folder in the current
// one (so it measures the disk it is run on): the text, the write, the syncs and the rename,
// and with Arg(1) the replaced file kept as an earlier version (a hard link, and the oldest
// beyond 20 removed).
void BM_SaveLargestLibrary(benchmark::State& state) {
    Library library;
    fillLargestLibrary(library, LibraryKind::Symbol);
    QTemporaryDir dir(QDir::current().filePath("save-bench-XXXXXX"));
    qputenv("GLYPHWRIGHT_DATA_DIR", dir.filePath("data").toLocal8Bit());
    const QString path = dir.filePath("largest.sym");
    const bool keepVersions = state.range(0) == 1;
    for (auto _ : state) {
        std::optional<KeptVersion> replaced;
        if (keepVersions) {
            replaced.emplace(path);
        }
        const WriteResult written = writeLibraryFile(path, library);
        if (written.outcome != WriteOutcome::Written) {
            state.SkipWithError("the save failed");
            break;
        }
        if (replaced) {
            replaced->keep();
        }
    }
    state.SetLabel(keepVersions ? "keeping the replaced file" : "the save alone");
}
BENCHMARK(BM_SaveLargestLibrary)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// What a recovery copy costs the editor's own thread: the snapshot of the library that the
// writer's thread then turns into text and writes.
void BM_RecoverySnapshotOfLargestLibrary(benchmark::State& state) {
    Library library;
    fillLargestLibrary(library, LibraryKind::Symbol);
    library.currentEntry = 1;
    WorkingCopy work;
    copyEntryToWork(library, 1, work);
    Library snapshot;
    allocateLibrary(snapshot);
    for (auto _ : state) {
        snapshotLibrary(library, work, snapshot);
        benchmark::DoNotOptimize(snapshot.entities(MaxEntries).data());
    }
}
BENCHMARK(BM_RecoverySnapshotOfLargestLibrary)->Unit(benchmark::kMicrosecond);

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
