// Feeds arbitrary typed text to the exact values panel's edits of a line, an arc and the
// entry. An edit that is taken leaves every point on the drawing area and every arc with a
// centre, in one undo step; one that is refused changes nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "display/arc_geometry.h"
#include "display/coordinates.h"
#include "editing/exact_edits.h"
#include "platform/headless_ports.h"
#include "platform/qt_canvas.h"
#include "platform/string_table.h"

namespace {

void check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

bool drawable(const Entity& e) {
    return PointInArea({e.x1, e.y1}) && PointInArea({e.x2, e.y2}) &&
           (!e.isArc || IsValidCentre({e.centreX, e.centreY}));
}

}  // namespace

// The first byte chooses the entity (or the entry) and the field; the rest is the typed text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    static EditorState state;
    static QtCanvas canvas;
    static HeadlessEditorUi ui;
    static const StringTable strings;
    static PrivateClipboard clipboard;
    state = EditorState{};
    Entity& line = state.work.workEntities[0];
    line.x1 = 20;
    line.y1 = 20;
    line.x2 = 200;
    line.y2 = 110;
    line.colour = 1;
    Entity& arc = state.work.workEntities[1];
    arc = line;
    arc.x1 = 140;
    arc.y1 = 185;
    arc.x2 = 170;
    arc.y2 = 185;
    arc.isArc = 1;
    arc.centreX = 155;
    arc.centreY = 185;
    arc.arcFlag = 1;
    state.work.workEntityCount = 2;
    state.work.workEntry.originX = 155;
    state.work.workEntry.originY = 155;
    EditContext ctx{state, canvas, ui, strings, clipboard};

    const std::string_view typed(reinterpret_cast<const char*>(data) + 1, size - 1);
    const int choice = data[0] % 17;
    if (choice >= 14) {
        const LibraryEntry before = state.work.workEntry;
        const EditRefusal refusal =
            editEntryField(ctx, static_cast<EntryField>(choice - 14), typed);
        const LibraryEntry& after = state.work.workEntry;
        check(refusal != EditRefusal::None ? after == before
                                           : PointInArea({after.originX, after.originY}) &&
                                                 after.sizeRadius >= 0 && after.sizeRadius <= 300);
        return 0;
    }
    const int index = 1 + choice / 7;
    const Entity before = state.work.workEntities[index - 1];
    const EditRefusal refusal =
        editEntityField(ctx, index, static_cast<EntityField>(choice % 7), typed);
    const Entity& after = state.work.workEntities[index - 1];
    if (refusal != EditRefusal::None) {
        check(after == before && state.undoCount == 0);
    } else {
        check(drawable(after) && state.undoCount <= 1);
    }
    return 0;
}
