// The entry list's pictures of the largest library: entry_pictures_bench LIBRARY [flags].
// From asking for all 500 pictures to the last one ready, drawn by the list's own picture
// cache on its worker threads, at the small and the large size; and one picture alone. Make
// the largest library with codec_bench --write=FILE.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/entry_picture.h"
#include "platform/entry_picture_cache.h"
#include "platform/library_file.h"

namespace {

Library library;

void BM_AllPicturesOfTheLibraryReady(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    for (auto _ : state) {
        EntryPictureCache cache;
        cache.setSize(size);
        cache.prepare(library, 1, library.entryCount);
        while (!cache.idle()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        benchmark::DoNotOptimize(cache.find(library, library.entryCount).constBits());
    }
    state.counters["pictures"] = library.entryCount;
}
BENCHMARK(BM_AllPicturesOfTheLibraryReady)
    ->Arg(24)
    ->Arg(48)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

void BM_OnePicture(benchmark::State& state) {
    for (auto _ : state) {
        const QImage picture =
            entryListPicture(library.entry(1), library.entities(1), library.libraryKind, 48);
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(BM_OnePicture)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc < 2 || argv[1][0] == '-') {
        std::fputs("usage: entry_pictures_bench LIBRARY [benchmark flags]\n", stderr);
        return 64;
    }
    allocateLibrary(library);
    if (readLibraryFile(QString::fromLocal8Bit(argv[1]), library).outcome != ReadOutcome::Read) {
        std::fprintf(stderr, "entry_pictures_bench: cannot read %s\n", argv[1]);
        return 66;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
