#include <algorithm>
#include <array>
#include <cmath>

#include "model/library_format.h"
#include "model/library_reader_internal.h"
#include "model/number_text.h"
#include "model/units.h"

namespace {

using library_format::FieldWidth;
using library_format::FirstFieldOffset;

// Field k (1-based); empty where the line is shorter.
std::string_view fieldText(std::string_view line, size_t k) {
    const size_t start = FirstFieldOffset + FieldWidth * (k - 1);
    if (start >= line.size()) {
        return {};
    }
    return line.substr(start, FieldWidth);
}

int32_t wholeField(std::string_view line, size_t k, int32_t fallback) {
    return parseWholeNumber(fieldText(line, k)).value_or(fallback);
}

// A real field converted to display units; a real whose display value would not be finite
// counts as no number, like any other text that is not one.
float realFieldAsDisplay(std::string_view line, size_t k, float (*toDisplay)(float)) {
    const float value = toDisplay(parseReal(fieldText(line, k)).value_or(0.0f));
    return std::isfinite(value) ? value : toDisplay(0.0f);
}

int32_t displayLength(int32_t fileLength) {
    return roundHalfEven(toDisplayLength(static_cast<float>(fileLength)));
}

// The current layout: S, P, entity and E lines. A 250-slot entity buffer and its counter live
// across lines and are not cleared between entries; an E line copies the buffer into the
// entry, so an entry without one gets no entities.
class CurrentLayoutReader {
  public:
    CurrentLayoutReader(Library& library, ReadResult& result)
        : library_(library), result_(result) {}

    void read(TextCursor& cursor) {
        while (!cursor.atEnd()) {
            const int64_t lineNumber = cursor.lineNumber();
            readLine(cursor.readLine(), lineNumber);
        }
        closeEntry();
    }

  private:
    void readLine(std::string_view line, int64_t lineNumber) {
        const char type = line.empty() ? '\0' : line[0];
        if (beyondCapacity_) {
            skipBeyondCapacity(type, lineNumber);
        } else if (type == 'S') {
            startEntry(line, lineNumber);
        } else if (library_.entryCount == 0) {
            extendFinding(FindingKind::LineBeforeFirstEntry, 0, lineNumber, 1);
        } else if (type == 'P') {
            readSettings(line);
        } else if (type == 'E') {
            endEntry();
        } else {
            readEntity(line, type, lineNumber);
        }
    }

    void startEntry(std::string_view line, int64_t lineNumber) {
        closeEntry();
        if (library_.entryCount == MaxEntries) {
            beyondCapacity_ = true;
            skipBeyondCapacity('S', lineNumber);
            return;
        }
        ++library_.entryCount;
        counter_ = 0;
        copiedCount_ = 0;
        pending_ = {};
        line.remove_prefix(std::min<size_t>(2, line.size()));
        library_.entry(library_.entryCount).name.assign(line);
    }

    void skipBeyondCapacity(char type, int64_t lineNumber) {
        extendFinding(FindingKind::EntryBeyondCapacity, 0, lineNumber, type == 'S' ? 1 : 0);
    }

    void readSettings(std::string_view line) {
        LibraryEntry& entry = library_.entry(library_.entryCount);
        entry.originX = roundedDisplayX(static_cast<float>(wholeField(line, 1, 0)));
        entry.originY = roundedDisplayY(static_cast<float>(wholeField(line, 2, 0)));
        const int32_t third = wholeField(line, 3, 0);
        if (library_.libraryKind == LibraryKind::Symbol) {
            entry.clipRadius = displayLength(third);
        } else {
            entry.singlePattern() = third;
        }
        entry.sizeRadius = displayLength(wholeField(line, 4, 0));
        entry.useColours = wholeField(line, 5, 0) != 0 ? 1 : 0;
    }

    void readEntity(std::string_view line, char type, int64_t lineNumber) {
        if (counter_ == MaxEntities) {
            extendFinding(FindingKind::EntityBeyondCapacity, library_.entryCount, lineNumber, 1);
            return;
        }
        Entity& e = buffer_[counter_];
        slotLines_[counter_] = lineNumber;
        ++counter_;
        if (pending_.count == 0) {
            pending_.firstLine = lineNumber;
        }
        pending_.lastLine = lineNumber;
        ++pending_.count;

        e.isArc = type == 'A' ? 1 : 0;
        e.colour = wholeField(line, 1, 1);
        e.x1 = roundedDisplayX(static_cast<float>(wholeField(line, 2, 0)));
        e.y1 = roundedDisplayY(static_cast<float>(wholeField(line, 3, 0)));
        e.x2 = roundedDisplayX(static_cast<float>(wholeField(line, 4, 0)));
        e.y2 = roundedDisplayY(static_cast<float>(wholeField(line, 5, 0)));
        if (e.isArc) {
            e.centreX = realFieldAsDisplay(line, 6, toDisplayX);
            e.centreY = realFieldAsDisplay(line, 7, toDisplayY);
            e.arcFlag = wholeField(line, 8, 0) != 0 ? 1 : 0;
        } else {
            e.centreX = e.centreY = 0;
            e.arcFlag = 0;
        }
    }

    void endEntry() {
        for (int i = counter_; i < MaxEntities; ++i) {
            buffer_[i].markFree();
        }
        library_.entities(library_.entryCount) = buffer_;
        copiedCount_ = counter_;
        pending_ = {};
    }

    // Reports what the entry that ends here lost.
    void closeEntry() {
        const int32_t n = library_.entryCount;
        if (n == 0 || beyondCapacity_) {
            return;
        }
        noteEntityListEnd(library_.entities(n), copiedCount_, slotLines_.data(), n, result_);
        if (pending_.count > 0) {
            result_.findings.push_back({FindingKind::MissingEndLine, pending_.firstLine,
                                        pending_.lastLine, n, pending_.count});
        }
    }

    // Consecutive skipped lines of one kind and entry make one finding.
    void extendFinding(FindingKind kind, int32_t entry, int64_t lineNumber, int64_t count) {
        auto& findings = result_.findings;
        if (findings.empty() || findings.back().kind != kind || findings.back().entry != entry) {
            findings.push_back({kind, lineNumber, lineNumber, entry, 0});
        }
        findings.back().lastLine = lineNumber;
        findings.back().count += count;
    }

    struct PendingLines {
        int64_t firstLine = 0;
        int64_t lastLine = 0;
        int64_t count = 0;
    };

    Library& library_;
    ReadResult& result_;
    EntityArray buffer_{};
    std::array<int64_t, MaxEntities> slotLines_{};
    int counter_ = 0;       // entity lines of the current entry in the buffer
    int copiedCount_ = 0;   // the counter when the entry's last E line copied the buffer
    PendingLines pending_;  // entity lines since the entry's last E line
    bool beyondCapacity_ = false;
};

}  // namespace

void readCurrentLayout(TextCursor& cursor, Library& library, ReadResult& result) {
    CurrentLayoutReader(library, result).read(cursor);
}
