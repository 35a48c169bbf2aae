#include "model/read_result.h"

namespace {

std::string lineRange(const ReadFinding& f) {
    if (f.firstLine == f.lastLine) {
        return "line " + std::to_string(f.firstLine);
    }
    return "lines " + std::to_string(f.firstLine) + "-" + std::to_string(f.lastLine);
}

std::string entryLabel(int32_t entry) {
    return "entry " + std::to_string(entry);
}

std::string counted(int64_t n, std::string_view one, std::string_view many) {
    return std::to_string(n) + " " + std::string(n == 1 ? one : many);
}

}  // namespace

std::string readErrorText(const ReadError& error) {
    const std::string name = error.entryName.str();
    switch (error.kind) {
        case ReadErrorKind::UnknownElementType:
            return "Unknown element type \"" + error.found + "\" in symbol " + name;
        case ReadErrorKind::ExpectedEnd:
            return "Expected \"E\" in symbol " + name;
        case ReadErrorKind::InvalidNumber:
            return "Invalid number on line " + std::to_string(error.line) + " in symbol " + name;
        case ReadErrorKind::UnexpectedEnd:
            return "Unexpected end of file in symbol " + name;
    }
    return {};
}

std::string findingText(const ReadFinding& f) {
    const std::string where = lineRange(f);
    switch (f.kind) {
        case FindingKind::LineBeforeFirstEntry:
            return where + ": before the first S line, skipped";
        case FindingKind::EntryBeyondCapacity:
            return where + ": " + counted(f.count, "entry", "entries") +
                   " beyond the limit of 500, skipped";
        case FindingKind::EntityBeyondCapacity:
            return where + ": " + entryLabel(f.entry) + " has " +
                   counted(f.count, "entity", "entities") + " beyond the limit of 250, skipped";
        case FindingKind::EntityListEnded:
            return where + ": " + entryLabel(f.entry) +
                   ": an entity whose start point has a zero coordinate ends the list" +
                   (f.count > 1 ? "; it and " + counted(f.count - 1, "entity", "entities") +
                                      " after it are lost"
                                : " and is lost");
        case FindingKind::MissingEndLine:
            return where + ": " + entryLabel(f.entry) + ": " +
                   counted(f.count, "entity line", "entity lines") + " that no E line follows " +
                   (f.count == 1 ? "is" : "are") + " lost";
    }
    return {};
}
