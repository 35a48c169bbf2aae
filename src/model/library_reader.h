#pragma once

#include <string_view>

#include "model/library.h"
#include "model/read_result.h"

// Fills the library from the bytes of a library file of any accepted layout, for the library's
// kind. The library must be allocated; it is cleared first, so entries that the file does not
// fill stay empty. Lines with no place in the model are skipped and listed as findings; an
// older-layout read that stops part-way keeps the entries read so far. Shows nothing.
ReadResult readLibraryText(std::string_view bytes, Library& library);
