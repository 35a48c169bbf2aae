#include "model/library_writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "model/library_format.h"
#include "model/line_type_extent.h"
#include "model/units.h"
#include "model/written_entity.h"

namespace {

using library_format::FieldWidth;

constexpr std::string_view LineEnd = "\r\n";

// One line put together in place, then appended whole: the longest, an arc line, has 50
// characters and its line end.
class LineText {
  public:
    explicit LineText(std::string_view start) { append(start.data(), start.size()); }

    // The number's text cut to its first 6 characters, right-aligned in 6 columns.
    void field(int32_t value) {
        char text[16];
        const auto result = std::to_chars(text, text + sizeof text, value);
        fieldText(text, result.ptr);
    }

    // A real written with no decimals: the nearest whole number, halves to even. From 1e9 on a
    // 4-byte real is whole already; a value that is not finite has no such form and is written
    // as 0.
    void wholeReal(float value) {
        char text[64];
        std::to_chars_result result{};
        if (std::fabs(value) < 1e9f) {
            result = std::to_chars(text, text + sizeof text, roundHalfEven(value));
        } else {
            const double whole = std::isfinite(value) ? static_cast<double>(value) : 0.0;
            result = std::to_chars(text, text + sizeof text, whole, std::chars_format::fixed);
        }
        fieldText(text, result.ptr);
    }

    void appendTo(std::string& out) {
        append(LineEnd.data(), LineEnd.size());
        out.append(text_, length_);
    }

  private:
    void fieldText(const char* text, const char* end) {
        const size_t length = std::min<size_t>(static_cast<size_t>(end - text), FieldWidth);
        std::memset(text_ + length_, ' ', FieldWidth - length);
        std::memcpy(text_ + length_ + FieldWidth - length, text, length);
        length_ += FieldWidth;
    }
    void append(const char* text, size_t length) {
        std::memcpy(text_ + length_, text, length);
        length_ += length;
    }

    // "S " and a name of up to 20 characters, or "A " and 8 fields, and the line end.
    char text_[64];
    size_t length_ = 0;
};

int32_t fileLength(int32_t displayLength) {
    return roundHalfEven(toFileLength(static_cast<float>(displayLength)));
}

// The entities as reading the file gives them back, so that the pattern height written is the
// one the file's own entities give: reading the file and writing it again then changes nothing.
EntityArray asWritten(const EntityArray& slots) {
    EntityArray written = slots;
    const int count = countEntities(written);
    for (int i = 0; i < count; ++i) {
        written[i] = entityAsWritten(written[i]);
    }
    return written;
}

void appendSettings(std::string& out, const LibraryEntry& entry, const EntityArray& slots,
                    LibraryKind kind) {
    LineText line("P ");
    line.field(roundedFileX(entry.originX));
    line.field(roundedFileY(entry.originY));
    if (kind == LibraryKind::Symbol) {
        line.field(0);  // the clipping radius is not kept in the file
        line.field(fileLength(entry.sizeRadius));
    } else {
        line.field(entry.singlePattern());
        line.field(fileLength(entryPatternHeight(asWritten(slots))));
    }
    line.field(entry.useColours != 0 ? 1 : 0);
    line.appendTo(out);
}

void appendEntity(std::string& out, const Entity& e) {
    LineText line(e.isArc ? "A " : "L ");
    line.field(e.colour);
    line.field(roundedFileX(e.x1));
    line.field(roundedFileY(e.y1));
    line.field(roundedFileX(e.x2));
    line.field(roundedFileY(e.y2));
    if (e.isArc) {
        line.wholeReal(toFileX(e.centreX));
        line.wholeReal(toFileY(e.centreY));
        line.field(entityAsWritten(e).arcFlag != 0 ? 1 : 0);
    }
    line.appendTo(out);
}

}  // namespace

void appendEntryText(std::string& out, const Library& library, int n) {
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

std::string writeLibraryText(const Library& library) {
    std::string out;
    // An arc line is 50 characters and its line end; most libraries are far smaller than this.
    out.reserve(64 + static_cast<size_t>(library.entryCount) * 64 * 8);
    out += library_format::CurrentFirstLine;
    out += LineEnd;
    for (int n = 1; n <= library.entryCount; ++n) {
        appendEntryText(out, library, n);
    }
    return out;
}
