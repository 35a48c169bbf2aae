// Choosing another entry in the list of a full library: the working copy of 250 entities is
// stored back, the next entry is loaded, and the drawing is repainted on the real Qt canvas.
#include <benchmark/benchmark.h>

#include "editing/edit_context.h"
#include "editing/entry_session.h"
#include "editing/redraw.h"
#include "model/library_snapshot.h"
#include "platform/headless_ports.h"
#include "platform/qt_canvas.h"
#include "platform/string_table.h"

namespace {

// Two entries of 250 entities each, every other one an arc.
void fillTwoFullEntries(Library& library) {
    allocateLibrary(library);
    library.entryCount = 2;
    for (int n = 1; n <= 2; ++n) {
        library.entry(n).originX = library.entry(n).originY = 155;
        library.entry(n).useColours = 1;
        for (int i = 0; i < MaxEntities; ++i) {
            Entity& e = library.entities(n)[i];
            e.x1 = 10 + i;
            e.y1 = 20 + (i * 7) % 280;
            e.x2 = 300 - i;
            e.y2 = 290 - (i * 3) % 280;
            e.colour = 1 + i % 16;
            e.isArc = static_cast<uint8_t>(i % 2);
            e.centreX = 155;
            e.centreY = 155;
        }
    }
}

void BM_EntrySwitchOf250Entities(benchmark::State& state) {
    EditorState editor;
    fillTwoFullEntries(editor.library);
    QtCanvas canvas;
    HeadlessEditorUi ui;
    const StringTable strings;
    PrivateClipboard clipboard;
    EditContext ctx{editor, canvas, ui, strings, clipboard};
    loadEntry(ctx, 1);
    for (auto _ : state) {
        const int next = 3 - editor.library.currentEntry;
        storeEntry(ctx, editor.library.currentEntry);
        loadEntry(ctx, next);
        RedrawEntry(ctx, true);
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
}
BENCHMARK(BM_EntrySwitchOf250Entities)->Unit(benchmark::kMicrosecond);

// What every handler adds while the library has unsaved changes: the check whether the
// recovery copy must follow, over a working copy of 250 entities.
void BM_UnsavedChangeCheckOf250Entities(benchmark::State& state) {
    EditorState editor;
    fillTwoFullEntries(editor.library);
    copyEntryToWork(editor.library, 1, editor.work);
    for (auto _ : state) {
        benchmark::DoNotOptimize(editFingerprint(editor.library, editor.work));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_UnsavedChangeCheckOf250Entities)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
