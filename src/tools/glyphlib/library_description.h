#pragma once

#include <string>
#include <string_view>

#include "model/library.h"
#include "model/read_result.h"

// Names of the kind and layout as glyphlib prints them.
std::string_view kindName(LibraryKind kind);
std::string_view layoutName(LibraryLayout layout);
// Windows-1252 text decoded for a terminal: control characters, which could steer it, become
// '?'. The JSON dump escapes them instead.
std::string printableText(std::string_view cp1252);
std::string printableName(const Library& library, int n);
