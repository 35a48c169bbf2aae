#include "model/entry_clipboard_text.h"

#include "model/library_reader_internal.h"
#include "model/library_writer.h"

namespace {

constexpr std::string_view LineEnd = "\r\n";

std::string_view markerOf(LibraryKind kind) {
    return kind == LibraryKind::LineType ? LineTypeEntriesMarker : SymbolEntriesMarker;
}

// The marker line alone, without its line end; a CR before the LF belongs to the ending.
std::string_view firstLine(std::string_view text) {
    std::string_view line = text.substr(0, text.find('\n'));
    if (line.ends_with('\r')) {
        line.remove_suffix(1);
    }
    return line;
}

}  // namespace

std::string entryClipboardText(const Library& library, std::span<const int> numbers) {
    std::string text(markerOf(library.libraryKind));
    text += LineEnd;
    for (const int n : numbers) {
        if (n >= 1 && n <= library.entryCount) {
            appendEntryText(text, library, n);
        }
    }
    return text;
}

std::optional<LibraryKind> entryClipboardKind(std::string_view text) {
    if (text.size() > MaxEntryClipboardBytes) {
        return std::nullopt;
    }
    const std::string_view marker = firstLine(text);
    for (const LibraryKind kind : {LibraryKind::Symbol, LibraryKind::LineType}) {
        if (marker == markerOf(kind)) {
            return kind;
        }
    }
    return std::nullopt;
}

bool readEntryClipboardText(std::string_view text, Library& into) {
    const std::optional<LibraryKind> kind = entryClipboardKind(text);
    if (!kind) {
        return false;
    }
    clearLibrary(into);
    into.entryCount = 0;
    into.libraryKind = *kind;
    TextCursor cursor(text);
    cursor.skipLine();
    ReadResult ignored;
    readCurrentLayout(cursor, into, ignored);
    return true;
}
