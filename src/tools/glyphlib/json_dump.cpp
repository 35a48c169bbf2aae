#include "tools/glyphlib/json_dump.h"

#include "model/cp1252.h"
#include "tools/glyphlib/json_text.h"
#include "tools/glyphlib/library_description.h"

namespace {

using json::appendInt;
using json::appendKey;
using json::appendReal;
using json::appendString;

void appendEntity(std::string& out, const Entity& e) {
    out += '{';
    appendKey(out, "type");
    appendString(out, e.isArc ? "arc" : "line");
    appendInt(out += ',', "x1", e.x1);
    appendInt(out += ',', "y1", e.y1);
    appendInt(out += ',', "x2", e.x2);
    appendInt(out += ',', "y2", e.y2);
    appendReal(out += ',', "centreX", e.centreX);
    appendReal(out += ',', "centreY", e.centreY);
    appendInt(out += ',', "arcFlag", e.arcFlag);
    appendInt(out += ',', "colour", e.colour);
    out += '}';
}

void appendEntry(std::string& out, const Library& library, int n) {
    const LibraryEntry& entry = library.entry(n);
    out += '{';
    appendKey(out, "name");
    appendString(out, cp1252ToUtf8(entry.name.view()));
    appendInt(out += ',', "originX", entry.originX);
    appendInt(out += ',', "originY", entry.originY);
    if (library.libraryKind == LibraryKind::Symbol) {
        appendInt(out += ',', "clipRadius", entry.clipRadius);
        appendInt(out += ',', "sizeRadius", entry.sizeRadius);
    } else {
        appendInt(out += ',', "singlePattern", entry.singlePattern());
        appendInt(out += ',', "patternHeight", entry.patternHeight());
    }
    appendInt(out += ',', "useColours", entry.useColours);
    appendKey(out += ',', "entities");
    out += '[';
    const EntityArray& slots = library.entities(n);
    const int count = countEntities(slots);
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            out += ',';
        }
        appendEntity(out, slots[i]);
    }
    out += "]}";
}

void appendFinding(std::string& out, const ReadFinding& finding) {
    out += '{';
    appendInt(out, "firstLine", finding.firstLine);
    appendInt(out += ',', "lastLine", finding.lastLine);
    appendKey(out += ',', "text");
    appendString(out, findingText(finding));
    out += '}';
}

}  // namespace

std::string libraryJson(const Library& library, const ReadResult& result) {
    std::string out = "{";
    appendKey(out, "kind");
    appendString(out, kindName(library.libraryKind));
    appendKey(out += ',', "layout");
    appendString(out, layoutName(result.layout));
    appendKey(out += ',', "entries");
    out += '[';
    for (int n = 1; n <= library.entryCount; ++n) {
        if (n > 1) {
            out += ',';
        }
        appendEntry(out, library, n);
    }
    out += ']';
    appendKey(out += ',', "findings");
    out += '[';
    for (size_t i = 0; i < result.findings.size(); ++i) {
        if (i > 0) {
            out += ',';
        }
        appendFinding(out, result.findings[i]);
    }
    out += ']';
    if (result.error) {
        appendKey(out += ',', "error");
        appendString(out, cp1252ToUtf8(readErrorText(*result.error)));
    }
    out += '}';
    return out;
}
