#include "model/library_writer.h"

#include <charconv>
#include <cmath>

#include "model/library_format.h"
#include "model/line_type_extent.h"
#include "model/units.h"

namespace {

using library_format::FieldWidth;

constexpr std::string_view LineEnd = "\r\n";

// The number's text cut to its first 6 characters, right-aligned in 6 columns.
void appendFieldText(std::string& out, const char* text, const char* end) {
    const size_t length = std::min<size_t>(static_cast<size_t>(end - text), FieldWidth);
    out.append(FieldWidth - length, ' ');
    out.append(text, length);
}

void appendField(std::string& out, int32_t value) {
    char text[16];
    const auto result = std::to_chars(text, text + sizeof text, value);
    appendFieldText(out, text, result.ptr);
}

// A real written with no decimals: the nearest whole number, halves to even. A value that is
// not finite has no such form and is written as 0.
void appendWholeReal(std::string& out, float value) {
    double whole = std::nearbyint(static_cast<double>(value)) + 0.0;  // + 0.0 drops a "-0"
    if (!std::isfinite(whole)) {
        whole = 0;
    }
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, whole, std::chars_format::fixed);
    appendFieldText(out, text, result.ptr);
}

int32_t fileX(int32_t displayX) {
    return roundHalfEven(toFileX(static_cast<float>(displayX)));
}
int32_t fileY(int32_t displayY) {
    return roundHalfEven(toFileY(static_cast<float>(displayY)));
}
int32_t fileLength(int32_t displayLength) {
    return roundHalfEven(toFileLength(static_cast<float>(displayLength)));
}

void appendSettings(std::string& out, const LibraryEntry& entry, const EntityArray& slots,
                    LibraryKind kind) {
    out += "P ";
    appendField(out, fileX(entry.originX));
    appendField(out, fileY(entry.originY));
    if (kind == LibraryKind::Symbol) {
        appendField(out, 0);  // the clipping radius is not kept in the file
        appendField(out, fileLength(entry.sizeRadius));
    } else {
        appendField(out, entry.singlePattern());
        appendField(out, fileLength(entryPatternHeight(slots)));
    }
    appendField(out, entry.useColours != 0 ? 1 : 0);
    out += LineEnd;
}

void appendEntity(std::string& out, const Entity& e) {
    out += e.isArc ? "A " : "L ";
    appendField(out, e.colour);
    appendField(out, fileX(e.x1));
    appendField(out, fileY(e.y1));
    appendField(out, fileX(e.x2));
    appendField(out, fileY(e.y2));
    if (e.isArc) {
        appendWholeReal(out, toFileX(e.centreX));
        appendWholeReal(out, toFileY(e.centreY));
        appendField(out, e.arcFlag != 0 ? 1 : 0);
    }
    out += LineEnd;
}

}  // namespace

std::string writeLibraryText(const Library& library) {
    std::string out;
    // An arc line is 50 characters and its line end; most libraries are far smaller than this.
    out.reserve(64 + static_cast<size_t>(library.entryCount) * 64 * 8);
    out += library_format::CurrentFirstLine;
    out += LineEnd;
    for (int n = 1; n <= library.entryCount; ++n) {
        const LibraryEntry& entry = library.entry(n);
        const EntityArray& slots = library.entities(n);
        out += "S ";
        out += entry.name.view();
        out += LineEnd;
        appendSettings(out, entry, slots, library.libraryKind);
        const int count = countEntities(slots);
        for (int i = 0; i < count; ++i) {
            appendEntity(out, slots[i]);
        }
        out += 'E';
        out += LineEnd;
    }
    return out;
}
