#pragma once

#include <string_view>

#include "model/library.h"
#include "model/read_result.h"
#include "model/text_cursor.h"

// The two readers behind readLibraryText. Each starts after the first line, with entryCount 0
// and the library cleared, and fills result's findings, error and outcome.

void readCurrentLayout(TextCursor& cursor, Library& library, ReadResult& result);
void readOlderLayout(TextCursor& cursor, LibraryLayout layout, Library& library,
                     ReadResult& result);

// Where the entries of both layouts differ from the file: an entity whose start point rounds
// to a zero coordinate ends the list and hides the entities after it. slotLines gives the file
// line of each of the first `stored` slots.
void noteEntityListEnd(const EntityArray& slots, int stored, const int64_t* slotLines,
                       int32_t entry, ReadResult& result);
