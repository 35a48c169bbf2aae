#pragma once

#include <vector>

#include "editing/editor_state.h"
#include "model/entity.h"
#include "model/library_entry.h"

// A move of the selection and a grip's drag store their entities only when the button comes
// up; until then the drawing shows XOR feedback. Views that follow a drag as it goes draw
// what the working copy will hold after a release at the pointer's last position.
struct WorkAfterRelease {
    std::vector<Entity> entities;  // the working entities, in order
    LibraryEntry entry;            // the entry's settings (a moved origin)
};

// Outside those drags, the working copy as it is.
WorkAfterRelease workAfterRelease(const EditorState& state);
