#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/entry_name.h"

enum class LibraryLayout { Current, OlderSymbol, OlderLineType };

enum class ReadOutcome {
    Read,              // the whole file was read
    NotFound,          // the file could not be opened (string 31)
    InvalidFormat,     // the first line is not accepted, or the file is no library (string 32)
    StoppedWithError,  // an older layout stopped part-way; see ReadResult::error
};

// Lines of the file the model has no place for, or whose content is lost. Line numbers are
// 1-based and inclusive.
enum class FindingKind {
    LineBeforeFirstEntry,  // P, E or entity lines before the first S line, skipped
    EntryBeyondCapacity,   // S lines after the 500th and every line up to the end, skipped
    EntityBeyondCapacity,  // entity lines after the 250th of one entry, skipped
    EntityListEnded,       // an entity whose start point has a zero coordinate hides the rest
    MissingEndLine,        // entity lines of an entry that no E line follows: they are lost
};

struct ReadFinding {
    FindingKind kind = FindingKind::LineBeforeFirstEntry;
    int64_t firstLine = 0;
    int64_t lastLine = 0;
    int32_t entry = 0;  // 1-based entry the lines belong to; 0 for none
    int64_t count = 0;  // lines, entries or entities concerned (see findingText)
};

// Why an older-layout read stopped.
enum class ReadErrorKind { UnknownElementType, ExpectedEnd, InvalidNumber, UnexpectedEnd };

struct ReadError {
    ReadErrorKind kind = ReadErrorKind::InvalidNumber;
    std::string found;  // UnknownElementType: the type character, empty at a line's end
    EntryName entryName;
    int64_t line = 0;
};

struct ReadResult {
    ReadOutcome outcome = ReadOutcome::InvalidFormat;
    LibraryLayout layout = LibraryLayout::Current;  // meaningful for Read and StoppedWithError
    std::optional<ReadError> error;
    std::vector<ReadFinding> findings;

    // An older layout is never written back, so the next save must ask for a new name.
    bool clearsFileName() const {
        return outcome != ReadOutcome::NotFound && outcome != ReadOutcome::InvalidFormat &&
               layout != LibraryLayout::Current;
    }
};

// English texts for the command-line tool and the window. The error text is in the file's
// single-byte code page, since it holds the entry name as read:
// Unknown element type "X" in symbol Tree
std::string readErrorText(const ReadError& error);
std::string findingText(const ReadFinding& finding);
