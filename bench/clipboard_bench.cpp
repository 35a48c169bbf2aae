// Reading the entities of a clipboard text, which any program may fill: a paste stops at the
// entry's 250 entities however long the text is.
#include <benchmark/benchmark.h>

#include <string>

#include "editing/clipboard_text.h"
#include "model/library.h"

namespace {

constexpr size_t HugeText = 10'000'000;

std::string markerLine() {
    return std::string(ClipboardMarker) + "\r\n";
}

// Reads at most a full entry's worth of entities, as a paste into an empty entry does.
int readEntry(std::string_view text) {
    ClipboardTextReader reader(text);
    int count = 0;
    while (!reader.atEnd() && count < MaxEntities && reader.next()) {
        ++count;
    }
    return count;
}

void ReadFullEntryFromHugeText(benchmark::State& state) {
    std::string text = markerLine();
    text.reserve(HugeText);
    while (text.size() < HugeText) {
        text += "155,80,155,230,2,1,155.0000,155.0000,1\r\n";
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(readEntry(text));
    }
}
BENCHMARK(ReadFullEntryFromHugeText);

void ReadHugeTextWithoutLineEnds(benchmark::State& state) {
    std::string text = markerLine();
    text.append(HugeText, '7');
    for (auto _ : state) {
        benchmark::DoNotOptimize(readEntry(text));
    }
}
BENCHMARK(ReadHugeTextWithoutLineEnds);

void WriteAndReadFullEntry(benchmark::State& state) {
    Entity e;
    e.x1 = 155;
    e.y1 = 80;
    e.x2 = 155;
    e.y2 = 230;
    e.isArc = 1;
    e.centreX = 155.25f;
    e.centreY = 155;
    for (auto _ : state) {
        std::string text = markerLine();
        for (int i = 0; i < MaxEntities; ++i) {
            appendClipboardLine(text, e);
        }
        benchmark::DoNotOptimize(readEntry(text));
    }
}
BENCHMARK(WriteAndReadFullEntry);

}  // namespace

BENCHMARK_MAIN();
