#pragma once

#include <string>

#include "model/library.h"

// The whole library in the current layout: the first line, then per entry its S line, P line,
// one line per leading in-use entity slot and the E line; every line ends with CR LF. Entries
// are written as stored: the caller stores the working copy first.
std::string writeLibraryText(const Library& library);
// Entry n (1..entryCount) as writeLibraryText writes it: its S, P, entity and E lines.
void appendEntryText(std::string& out, const Library& library, int n);
