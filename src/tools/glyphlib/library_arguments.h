#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/library.h"

// The arguments every library command takes: file names and an optional --kind.
struct LibraryArguments {
    std::vector<std::string> files;
    std::optional<LibraryKind> kind;

    // The kind given with --kind, or the one the editor would choose from the file name.
    LibraryKind kindFor(const std::string& fileName) const;
};

// Line types when the upper-cased name contains ".LTP", as the editor decides from its
// command line; symbols otherwise.
LibraryKind kindFromFileName(const std::string& fileName);

// Nothing, after a message and the usage line on stderr, unless exactly `fileCount` file names
// and at most a valid --kind (or --kind=) are given.
std::optional<LibraryArguments> parseLibraryArguments(std::span<const std::string> args,
                                                      size_t fileCount, std::string_view command);
