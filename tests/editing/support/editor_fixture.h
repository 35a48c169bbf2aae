#pragma once

#include <gtest/gtest.h>

#include <initializer_list>

#include "editing/edit_context.h"
#include "editing/editor_state.h"
#include "editing/support/recording_canvas.h"
#include "editing/support/recording_editor_ui.h"
#include "editing/support/test_ports.h"
#include "support/entities.h"

// An edit state with an allocated library and recording ports, plus helpers to give the
// working copy entities without going through the editing operations.
class EditorFixture : public ::testing::Test {
  protected:
    EditorFixture() {
        allocateLibrary(state.library);
        strings.set(29, "Symbol Editor");
        strings.set(30, "Line Type Editor");
    }

    // Puts the entities straight into the working copy, the rest of the slots free.
    void setWork(std::initializer_list<Entity> entities, bool useColours = true) {
        state.work.workEntities = EntityArray{};
        int i = 0;
        for (const Entity& e : entities) {
            state.work.workEntities[i++] = e;
        }
        state.work.workEntityCount = i;
        state.work.workEntry.useColours = useColours ? 1 : 0;
        state.work.workEntry.originX = 155;
        state.work.workEntry.originY = 155;
    }
    // Appends entry n with the given name and entities to the library.
    void addEntry(const char* name, std::initializer_list<Entity> entities,
                  bool useColours = true) {
        const int n = ++state.library.entryCount;
        LibraryEntry& header = state.library.entry(n);
        header.name.assign(name);
        header.originX = 155;
        header.originY = 155;
        header.useColours = useColours ? 1 : 0;
        int i = 0;
        for (const Entity& e : entities) {
            state.library.entities(n)[i++] = e;
        }
    }
    const Entity& workEntity(int index) const { return state.work.workEntities[index - 1]; }

    EditorState state;
    RecordingCanvas canvas;
    RecordingEditorUi ui;
    TableStrings strings;
    MemoryClipboard clipboard;
    EditContext ctx{state, canvas, ui, strings, clipboard};
};
