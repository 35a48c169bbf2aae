#include "tools/glyphlib/library_description.h"

#include "model/cp1252.h"

std::string_view kindName(LibraryKind kind) {
    return kind == LibraryKind::LineType ? "linetype" : "symbol";
}

std::string_view layoutName(LibraryLayout layout) {
    switch (layout) {
        case LibraryLayout::Current:
            return "current";
        case LibraryLayout::OlderSymbol:
            return "older-symbol";
        case LibraryLayout::OlderLineType:
            return "older-linetype";
    }
    return {};
}

std::string printableText(std::string_view cp1252) {
    std::string text(cp1252);
    for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        // Below the blank, DEL, and the five bytes that decode to C1 controls.
        if (byte < 0x20 || byte == 0x7F || byte == 0x81 || byte == 0x8D || byte == 0x8F ||
            byte == 0x90 || byte == 0x9D) {
            c = '?';
        }
    }
    return cp1252ToUtf8(text);
}

std::string printableName(const Library& library, int n) {
    return printableText(library.entry(n).name.view());
}
