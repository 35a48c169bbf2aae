#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "model/library_reader_internal.h"
#include "model/number_text.h"
#include "model/units.h"

namespace {

// The older symbol layout was drawn on a 19-unit grid and is scaled up to 20.
const float OlderSymbolScale = static_cast<float>(20.0 / 19.0);
constexpr double HalfCircleTolerance = 1e-6;

// Thrown inside this file only, to stop the read where the file stops making sense.
struct StopReading {
    ReadError error;
};

// Makes a half circle's end points symmetric about its centre, on one axis, in file units.
void centreOnAxis(int64_t q, int64_t& p1, int64_t& p2) {
    const int64_t d = std::max(std::llabs(q - p1), std::llabs(q - p2));
    const int64_t sigma = (q - p1 >= 0) ? 1 : -1;
    p1 = q - d * sigma;
    p2 = q + d * sigma;
}

// The older layouts: S lines, each followed by whitespace-separated numbers.
class OlderLayoutReader {
  public:
    OlderLayoutReader(TextCursor& cursor, LibraryLayout layout, Library& library,
                      ReadResult& result)
        : cursor_(cursor),
          layout_(layout),
          scale_(layout == LibraryLayout::OlderSymbol ? OlderSymbolScale : 1.0f),
          library_(library),
          result_(result) {}

    void read() {
        try {
            while (!cursor_.atEnd()) {
                const int64_t lineNumber = cursor_.lineNumber();
                const std::string_view line = cursor_.readLine();
                if (!line.empty() && line[0] == 'S') {
                    readEntry(line, lineNumber);
                }
            }
        } catch (const StopReading& stop) {
            result_.outcome = ReadOutcome::StoppedWithError;
            result_.error = stop.error;
        }
    }

  private:
    void readEntry(std::string_view line, int64_t lineNumber) {
        // Entries beyond the capacity are read into scratch storage to stay in step.
        const bool stored = library_.entryCount < MaxEntries;
        LibraryEntry scratchHeader;
        if (stored) {
            ++library_.entryCount;
        } else {
            noteSkippedEntry(lineNumber);
        }
        LibraryEntry& header = stored ? library_.entry(library_.entryCount) : scratchHeader;
        line.remove_prefix(std::min<size_t>(2, line.size()));
        header.name.assign(line);
        name_ = header.name;

        readSettings(header);
        const int64_t n = readWholeNumber();
        cursor_.skipLine();
        EntityArray slots{};
        std::array<int64_t, MaxEntities> slotLines{};
        ReadFinding beyond{FindingKind::EntityBeyondCapacity, 0, 0, library_.entryCount, 0};
        for (int64_t i = 0; i < n; ++i) {
            const int64_t entityLine = cursor_.lineNumber();
            const Entity entity = readEntity();
            if (i < MaxEntities) {
                slots[i] = entity;
                slotLines[i] = entityLine;
            } else {
                beyond.firstLine = beyond.count == 0 ? entityLine : beyond.firstLine;
                beyond.lastLine = entityLine;
                ++beyond.count;
            }
        }
        if (cursor_.readChar() != 'E') {
            stop(ReadErrorKind::ExpectedEnd);
        }
        cursor_.skipLine();
        if (!stored) {
            return;
        }
        const int32_t entry = library_.entryCount;
        if (beyond.count > 0) {
            result_.findings.push_back(beyond);
        }
        const int kept = static_cast<int>(std::clamp<int64_t>(n, 0, MaxEntities));
        for (int i = kept; i < MaxEntities; ++i) {
            slots[i].markFree();
        }
        library_.entities(entry) = slots;
        noteEntityListEnd(slots, kept, slotLines.data(), entry, result_);
    }

    void noteSkippedEntry(int64_t lineNumber) {
        auto& findings = result_.findings;
        if (findings.empty() || findings.back().kind != FindingKind::EntryBeyondCapacity) {
            findings.push_back({FindingKind::EntryBeyondCapacity, lineNumber, lineNumber, 0, 0});
        }
        ++findings.back().count;
        findings.back().lastLine = lineNumber;
    }

    void readSettings(LibraryEntry& header) {
        if (layout_ == LibraryLayout::OlderSymbol) {
            const int64_t k = readWholeNumber();
            cursor_.skipLine();
            for (int64_t i = 0; i < k; ++i) {
                const float x = static_cast<float>(readWholeNumber() * scale_);
                const float y = static_cast<float>(readWholeNumber() * scale_);
                cursor_.skipLine();
                header.originX = roundedDisplayX(x);
                header.originY = roundedDisplayY(y);
            }
            header.clipRadius = 0;
            header.sizeRadius = 150;
        } else {
            header.originX = roundedDisplayX(100);
            header.originY = roundedDisplayY(100);
            for (int i = 0; i < 4; ++i) {
                cursor_.skipLine();
            }
            const int64_t k = readWholeNumber();
            cursor_.skipLine();
            // k lines (none for a count below one) and one more.
            const int64_t skipped = std::max<int64_t>(k, 0) + 1;
            for (int64_t i = 0; i < skipped && !cursor_.atEnd(); ++i) {
                cursor_.skipLine();
            }
        }
        header.useColours = 0;  // the older layouts carry no colours
    }

    Entity readEntity() {
        const std::optional<char> type = cursor_.readChar();
        if (type != 'L' && type != 'A') {
            ReadError error = errorHere(ReadErrorKind::UnknownElementType);
            if (type) {
                error.found = std::string(1, *type);
            }
            throw StopReading{error};
        }
        Entity e;
        e.colour = 1;
        int64_t x1 = scaledCoordinate();
        int64_t y1 = scaledCoordinate();
        int64_t x2 = scaledCoordinate();
        int64_t y2 = scaledCoordinate();
        e.x1 = roundedDisplayX(static_cast<float>(x1));
        e.y1 = roundedDisplayY(static_cast<float>(y1));
        e.x2 = roundedDisplayX(static_cast<float>(x2));
        e.y2 = roundedDisplayY(static_cast<float>(y2));
        if (*type == 'A') {
            e.isArc = 1;
            // Scaled as read, rounded to a 4-byte real once: a centre whose scaled value lies
            // near a half display unit would otherwise round to the wrong side.
            const long double cx = readCentreCoordinate();
            const long double cy = readCentreCoordinate();
            const double sweep = readDouble();
            e.centreX = static_cast<float>(roundedDisplayX(static_cast<float>(cx * scale_)));
            e.centreY = static_cast<float>(roundedDisplayY(static_cast<float>(cy * scale_)));
            if (std::fabs(std::fabs(sweep) - 180) < HalfCircleTolerance) {
                makeHalfCircleSymmetric(e);
                e.arcFlag = sweep < 0 ? 1 : 0;
            } else {
                e.arcFlag = std::fabs(sweep) > 180 ? 1 : 0;
            }
        }
        cursor_.skipLine();
        return e;
    }

    // Rounds the scaled file coordinate to whole file units, as the older files were drawn.
    int64_t scaledCoordinate() {
        return roundHalfEven(
            static_cast<double>(readWholeNumber() * static_cast<long double>(scale_)));
    }

    static void makeHalfCircleSymmetric(Entity& e) {
        const int64_t qx = truncateToInt(toFileX(e.centreX));
        const int64_t qy = truncateToInt(toFileY(e.centreY));
        int64_t p1x = roundedFileX(e.x1);
        int64_t p1y = roundedFileY(e.y1);
        int64_t p2x = roundedFileX(e.x2);
        int64_t p2y = roundedFileY(e.y2);
        centreOnAxis(qx, p1x, p2x);
        centreOnAxis(qy, p1y, p2y);
        e.centreX = toDisplayX(static_cast<float>(qx));
        e.centreY = toDisplayY(static_cast<float>(qy));
        e.x1 = roundedDisplayX(static_cast<float>(p1x));
        e.y1 = roundedDisplayY(static_cast<float>(p1y));
        e.x2 = roundedDisplayX(static_cast<float>(p2x));
        e.y2 = roundedDisplayY(static_cast<float>(p2y));
    }

    std::string_view nextToken() {
        const std::optional<std::string_view> token = cursor_.readToken();
        if (!token) {
            stop(ReadErrorKind::UnexpectedEnd);
        }
        return *token;
    }

    int64_t readWholeNumber() {
        const std::optional<int32_t> value = parseWholeNumber(nextToken());
        if (!value) {
            stop(ReadErrorKind::InvalidNumber);
        }
        return *value;
    }

    // A real that must fit a 4-byte real, kept as written.
    long double readCentreCoordinate() {
        const std::optional<double> value = parseDouble(nextToken());
        if (!value || std::fabs(*value) > std::numeric_limits<float>::max()) {
            stop(ReadErrorKind::InvalidNumber);
        }
        return *value;
    }

    double readDouble() {
        const std::optional<double> value = parseDouble(nextToken());
        if (!value) {
            stop(ReadErrorKind::InvalidNumber);
        }
        return *value;
    }

    ReadError errorHere(ReadErrorKind kind) const {
        ReadError error;
        error.kind = kind;
        error.entryName = name_;
        error.line = cursor_.lineNumber();
        return error;
    }

    [[noreturn]] void stop(ReadErrorKind kind) const { throw StopReading{errorHere(kind)}; }

    TextCursor& cursor_;
    const LibraryLayout layout_;
    const float scale_;
    Library& library_;
    ReadResult& result_;
    EntryName name_;  // of the entry being read, for the error texts
};

}  // namespace

void readOlderLayout(TextCursor& cursor, LibraryLayout layout, Library& library,
                     ReadResult& result) {
    OlderLayoutReader(cursor, layout, library, result).read();
}
