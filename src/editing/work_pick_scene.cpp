#include "editing/work_pick_scene.h"

PickScene WorkPickScene(const EditorState& state) {
    const LibraryEntry& entry = state.work.workEntry;
    return {state.work.workEntities,
            state.work.workEntityCount,
            {entry.originX, entry.originY},
            entry.clipRadius,
            entry.sizeRadius,
            state.showClipRadius,
            state.showSizeRadius,
            state.grips,
            state.selection};
}
