#pragma once

#include <memory>
#include <string>

#include "model/library.h"
#include "model/read_result.h"

// A library read from a file for one command, with what the reader found.
struct LoadedLibrary {
    Library library;
    ReadResult result;

    ~LoadedLibrary() { releaseLibrary(library); }
};

std::unique_ptr<LoadedLibrary> loadLibrary(const std::string& fileName, LibraryKind kind);

// False when nothing could be read at all: the file is missing or no library.
bool holdsLibrary(const ReadResult& result);

// True when the file was read to its end. Otherwise reports on stderr, naming the file, why it
// could not be read: "Library file not found", "Invalid file format" or the reader's error.
bool reportUnreadable(const std::string& fileName, const ReadResult& result);

// A text of the string table, as the window shows it.
std::string stringText(int number);
