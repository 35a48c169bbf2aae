#pragma once

#include "editing/edit_context.h"
#include "editing/editor_state.h"
#include "editing/support/recording_editor_ui.h"
#include "editing/support/test_ports.h"
#include "platform/qt_canvas.h"

// An editing session on the real raster: the current entry, a symbol with its origin at the
// centre, drawn in colours, and recording ports for the rest.
struct RasterSession {
    RasterSession() {
        allocateLibrary(state.library);
        state.library.entryCount = 1;
        state.library.currentEntry = 1;
        state.work.workEntry.useColours = 1;
        state.work.workEntry.originX = 155;
        state.work.workEntry.originY = 155;
    }

    EditorState state;
    QtCanvas canvas;
    RecordingEditorUi ui;
    TableStrings strings;
    MemoryClipboard clipboard;
    EditContext ctx{state, canvas, ui, strings, clipboard};
};
