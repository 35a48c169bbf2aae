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
        if (!isNameByte(c)) {
            c = '?';
        }
    }
    return cp1252ToUtf8(text);
}

std::string printableName(const Library& library, int n) {
    return printableText(library.entry(n).name.view());
}
