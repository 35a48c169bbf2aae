#include "model/library_reader.h"

#include "model/library_format.h"
#include "model/library_reader_internal.h"

namespace {

// The layout a first line announces for the running kind; nothing for any other line.
std::optional<LibraryLayout> layoutOf(std::string_view firstLine, LibraryKind kind) {
    using namespace library_format;
    if (firstLine == CurrentFirstLine || firstLine == CurrentFirstLineLong) {
        return LibraryLayout::Current;
    }
    if (firstLine == OlderSymbolFirstLine && kind == LibraryKind::Symbol) {
        return LibraryLayout::OlderSymbol;
    }
    if (firstLine == OlderLineTypeFirstLine && kind == LibraryKind::LineType) {
        return LibraryLayout::OlderLineType;
    }
    return std::nullopt;
}

}  // namespace

void noteEntityListEnd(const EntityArray& slots, int stored, const int64_t* slotLines,
                       int32_t entry, ReadResult& result) {
    const int counted = countEntities(slots);
    if (counted < stored) {
        result.findings.push_back({FindingKind::EntityListEnded, slotLines[counted],
                                   slotLines[stored - 1], entry, stored - counted});
    }
}

ReadResult readLibraryText(std::string_view bytes, Library& library) {
    clearLibrary(library);
    library.entryCount = 0;
    ReadResult result;
    TextCursor cursor(bytes);
    if (cursor.atEnd()) {
        return result;  // an empty file is no library
    }
    const std::optional<LibraryLayout> layout = layoutOf(cursor.readLine(), library.libraryKind);
    if (!layout) {
        return result;
    }
    result.layout = *layout;
    result.outcome = ReadOutcome::Read;
    if (*layout == LibraryLayout::Current) {
        readCurrentLayout(cursor, library, result);
    } else {
        readOlderLayout(cursor, *layout, library, result);
    }
    return result;
}
