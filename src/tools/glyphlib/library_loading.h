#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "editing/editor_state.h"
#include "model/library.h"
#include "model/read_result.h"

// A library read from a file for one command, with what the reader found. The library lives
// in an edit state, whose working copy draws the pictures of its entries.
struct LoadedLibrary {
    EditorState state;
    Library& library = state.library;
    ReadResult result;

    LoadedLibrary() = default;
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;
    ~LoadedLibrary() { releaseLibrary(library); }
};

std::unique_ptr<LoadedLibrary> loadLibrary(const std::string& fileName, LibraryKind kind);

// False when nothing could be read at all: the file is missing or no library.
bool holdsLibrary(const ReadResult& result);

// True when the file was read to its end. Otherwise reports on stderr, naming the file, why it
// could not be read: "Library file not found", "Invalid file format" or the reader's error.
bool reportUnreadable(const std::string& fileName, const ReadResult& result);

// The one library file that a command's remaining arguments (the file and --kind) name, read
// to its end. Otherwise `loaded` is empty, the usage or the reason is on stderr, and exitCode
// is Usage or Unreadable.
struct NamedLibrary {
    std::string file;
    std::unique_ptr<LoadedLibrary> loaded;
    int exitCode = 0;
};
NamedLibrary loadNamedLibrary(std::span<const std::string> args, std::string_view command);

// Reports on stderr, naming the file, the lines the reader skipped or lost.
void reportFindings(const std::string& fileName, const ReadResult& result);

// Writes the library to the file in the current layout, replacing it only once the whole
// library is written. Success, or Unreadable after the reason on stderr.
int writeLibraryTo(const std::string& fileName, const Library& library);

// A text of the string table, as the window shows it.
std::string stringText(int number);
