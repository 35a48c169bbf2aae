// The printed catalogue of the largest library the model holds (500 entries of 250 entities):
// 32 A4 pages of PDF, or one HTML page, written to a temporary folder.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>

#include "largest_library.h"
#include "platform/catalogue.h"
#include "platform/string_table.h"

namespace {

void BM_CatalogueOfLargestLibrary(benchmark::State& state) {
    Library library;
    fillLargestLibrary(library, LibraryKind::Symbol);
    const StringTable strings;
    const QTemporaryDir folder;
    const QString path = folder.filePath(state.range(0) == 0 ? "largest.pdf" : "largest.html");
    for (auto _ : state) {
        QString error;
        if (!writeCatalogue(path, library, QStringLiteral("largest.sym"), DefaultCatalogueColumns,
                            strings, error)) {
            state.SkipWithError(error.toStdString().c_str());
        }
    }
    state.SetLabel(state.range(0) == 0 ? "PDF" : "HTML");
    releaseLibrary(library);
}
BENCHMARK(BM_CatalogueOfLargestLibrary)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int qtArgc = 1;
    const QGuiApplication application(qtArgc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
