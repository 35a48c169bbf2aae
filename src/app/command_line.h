#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "model/library.h"

// What the command line decides at start-up: the kind of library edited for the whole run
// and the file to read (empty = start with an empty library).
struct StartupChoice {
    LibraryKind kind = LibraryKind::Symbol;
    std::string fileName;
};

inline constexpr size_t MaxFileNameLength = 255;

// ".LTP" anywhere in the upper-cased argument selects line types. A leading "*", a name
// that does not exist, or one longer than MaxFileNameLength (cut, it could name another
// file) leaves no file to read.
StartupChoice chooseLibrary(std::string_view argument,
                            const std::function<bool(const std::string&)>& fileExists);
