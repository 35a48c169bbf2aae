// `glyphlib transform` on a library, as a user runs it: each iteration starts glyphlib as a new
// process that reads the library, transforms every entry and writes the result:
// transform_bench GLYPHLIB LIBRARY [benchmark flags]. Make the largest library with
// codec_bench --write=FILE. Its drawings fill the whole area, so --scale 1.5 leaves most
// entries unchanged (refused at their first entity that would leave the area); --scale 0.6
// and --mirror-x transform every entity. Beside them, the transforms alone, in memory. The
// wall time includes syncing the written file to the disk; cpu_ms is glyphlib's own time.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QString>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "display/entity_transform.h"
#include "platform/library_file.h"

extern char** environ;

namespace {

std::string glyphlib;
std::string libraryFile;

void timeGlyphlib(benchmark::State& state, std::vector<std::string> options) {
    const std::string output = "/tmp/transform_bench-" + std::to_string(getpid()) + ".sym";
    std::vector<std::string> words{glyphlib, "transform", libraryFile, output};
    words.insert(words.end(), options.begin(), options.end());
    std::vector<char*> args;
    for (std::string& word : words) {
        args.push_back(word.data());
    }
    args.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    double cpuSeconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        pid_t child = 0;
        if (posix_spawn(&child, glyphlib.c_str(), &quiet, nullptr, args.data(), environ) != 0) {
            state.SkipWithError("glyphlib could not be started");
            break;
        }
        int status = 0;
        rusage usage{};
        wait4(child, &status, 0, &usage);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        // 1: some entries were left unchanged, which is what a refused transform reports.
        if (!WIFEXITED(status) || WEXITSTATUS(status) > 1) {
            state.SkipWithError("glyphlib failed");
            break;
        }
        state.SetIterationTime(elapsed.count());
        cpuSeconds += static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                      static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    }
    // On a loaded machine the processor time of glyphlib says more than the time it took.
    state.counters["cpu_ms"] =
        benchmark::Counter(cpuSeconds * 1000, benchmark::Counter::kAvgIterations);
    posix_spawn_file_actions_destroy(&quiet);
    std::remove(output.c_str());
}

void BM_GlyphlibScale1_5(benchmark::State& state) {
    timeGlyphlib(state, {"--scale", "1.5"});
}
BENCHMARK(BM_GlyphlibScale1_5)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_GlyphlibScale0_6(benchmark::State& state) {
    timeGlyphlib(state, {"--scale", "0.6"});
}
BENCHMARK(BM_GlyphlibScale0_6)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_GlyphlibMirrorX(benchmark::State& state) {
    timeGlyphlib(state, {"--mirror-x"});
}
BENCHMARK(BM_GlyphlibMirrorX)->UseManualTime()->Unit(benchmark::kMillisecond);

// Every entity of every entry, mirrored back and forth so that each pass transforms them all.
void BM_MirrorEveryEntityInMemory(benchmark::State& state) {
    Library library;
    allocateLibrary(library);
    library.libraryKind = LibraryKind::Symbol;
    readLibraryFile(QString::fromStdString(libraryFile), library);
    const Transform mirror{TransformKind::MirrorLeftRight};
    int64_t entities = 0;
    for (auto _ : state) {
        for (int n = 1; n <= library.entryCount; ++n) {
            EntityArray& entryEntities = library.entities(n);
            const auto span =
                std::span(entryEntities).first(static_cast<size_t>(countEntities(entryEntities)));
            benchmark::DoNotOptimize(TransformEntities(
                span, mirror, TransformCentre(library.libraryKind, library.entry(n))));
            entities += static_cast<int64_t>(span.size());
        }
    }
    state.SetItemsProcessed(entities);
    releaseLibrary(library);
}
BENCHMARK(BM_MirrorEveryEntityInMemory)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argv[1][0] == '-' || argv[2][0] == '-') {
        std::fputs("usage: transform_bench GLYPHLIB LIBRARY [benchmark flags]\n", stderr);
        return 64;
    }
    glyphlib = argv[1];
    libraryFile = argv[2];
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
