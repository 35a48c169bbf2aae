#pragma once

#include "display/canvas.h"
#include "editing/edit_observer.h"
#include "editing/editor_state.h"
#include "editing/editor_ui.h"
#include "editing/string_source.h"
#include "editing/text_clipboard.h"

// What an editing operation works on: the edit state and the ports to the outside world.
struct EditContext {
    EditorState& state;
    Canvas& canvas;
    EditorUi& ui;
    const StringSource& strings;
    TextClipboard& clipboard;
    // Told of every change of the working copy, the selection and the library's entries.
    EditObserver& observer = ignoredChanges();
};
