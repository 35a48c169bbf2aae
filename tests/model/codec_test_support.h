#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "model/library.h"
#include "model/library_reader.h"

namespace codec_test {

// The lines joined as a file writes them, each ending with CR LF.
inline std::string crlf(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (std::string_view line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

// A library allocated once per test, of the given kind.
struct TestLibrary {
    explicit TestLibrary(LibraryKind kind = LibraryKind::Symbol) {
        allocateLibrary(library);
        library.libraryKind = kind;
    }
    ReadResult read(std::string_view bytes) { return readLibraryText(bytes, library); }
    const Entity& entity(int entry, int slot) const { return library.entities(entry)[slot]; }
    int count(int entry) const { return countEntities(library.entities(entry)); }

    Library library;
};

}  // namespace codec_test
