#pragma once

#include <string>
#include <string_view>

#include "model/library.h"

// True when no entry of the library, the current one included, has this name. Only the first
// 20 bytes of name take part, as only they would be stored; the comparison is exact (letter
// case and blanks count, nothing is trimmed).
bool isNameUnique(const Library& library, std::string_view name);

// The name a copy of an entry called `name` gets: the first of "<name> 2", "<name> 3", ...
// that no entry has. The name is shortened so that the number always fits the 20 bytes.
std::string freeCopyName(const Library& library, std::string_view name);
