#pragma once

#include <gtest/gtest.h>

#include <initializer_list>

#include "editing/edit_context.h"
#include "editing/editor_state.h"
#include "editing/support/recording_canvas.h"
#include "editing/support/recording_editor_ui.h"
#include "editing/support/test_ports.h"

// An edit state with an allocated library and recording ports, plus helpers to give the
// working copy entities without going through the editing operations.
class EditorFixture : public ::testing::Test {
  protected:
    EditorFixture() {
        allocateLibrary(state.library);
        strings.set(29, "Symbol Editor");
        strings.set(30, "Line Type Editor");
    }

    static Entity line(int x1, int y1, int x2, int y2, int colour = 1) {
        Entity e;
        e.x1 = x1;
        e.y1 = y1;
        e.x2 = x2;
        e.y2 = y2;
        e.colour = colour;
        return e;
    }
    // The arc from (x1, y1) to (x2, y2) about the centre; flag 1 = the longer arc.
    static Entity arc(int x1, int y1, int x2, int y2, float cx, float cy, uint8_t flag,
                      int colour = 1) {
        Entity e = line(x1, y1, x2, y2, colour);
        e.isArc = 1;
        e.centreX = cx;
        e.centreY = cy;
        e.arcFlag = flag;
        return e;
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
