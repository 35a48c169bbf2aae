#pragma once

#include <string_view>

#include "model/library.h"

// True when no entry of the library, the current one included, has this name. Only the first
// 20 bytes of name take part, as only they would be stored; the comparison is exact (letter
// case and blanks count, nothing is trimmed).
bool isNameUnique(const Library& library, std::string_view name);
