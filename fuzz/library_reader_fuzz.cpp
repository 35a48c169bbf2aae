// Feeds arbitrary bytes to the library reader as either kind, so that the current layout and
// both older layouts are reached, runs the problem rules over what was read (each problem
// must name an entry and entity that exist), compares it with its copy written and read back
// (a library equals itself, so any difference names entries that exist), and checks that it
// writes out as a fixed point:
// writing, reading back and writing again gives the same bytes. Numbers longer than a field
// are cut when written, and a line type's pattern height is measured on the values in memory,
// so the fixed point is reached after one more round.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "display/problem_rules.h"
#include "model/library.h"
#include "model/library_compare.h"
#include "model/library_reader.h"
#include "model/library_writer.h"

namespace {

Library& scratch(int which) {
    static Library libraries[2];
    Library& library = libraries[which];
    if (!library.isAllocated()) {
        allocateLibrary(library);
    }
    return library;
}

void checkProblems(const Library& library, LibraryLayout layout) {
    for (const Problem& p : checkLibrary(library, {.layout = layout})) {
        const bool entryExists = p.entry >= 1 && p.entry <= library.entryCount;
        if ((p.entry != 0 && !entryExists) ||
            (p.entity != 0 &&
             (!entryExists || p.entity > countEntities(library.entities(p.entry))))) {
            std::abort();
        }
    }
}

void checkComparison(const Library& a, const Library& b) {
    if (!compareLibraries(a, a).equal()) {
        std::abort();
    }
    for (const EntryComparison& entry : compareLibraries(a, b).entries) {
        if (entry.entryA < 0 || entry.entryA > a.entryCount || entry.entryB < 0 ||
            entry.entryB > b.entryCount) {
            std::abort();
        }
    }
}

void readAndRewrite(std::string_view bytes, LibraryKind kind) {
    Library& first = scratch(0);
    first.libraryKind = kind;
    const ReadResult result = readLibraryText(bytes, first);
    if (first.entryCount < 0 || first.entryCount > MaxEntries) {
        std::abort();
    }
    for (const ReadFinding& finding : result.findings) {
        if (findingText(finding).empty()) {
            std::abort();
        }
    }
    if (result.error && readErrorText(*result.error).empty()) {
        std::abort();
    }
    checkProblems(first, result.layout);
    std::string written = writeLibraryText(first);
    for (int round = 0; round < 2; ++round) {
        Library& second = scratch(1);
        second.libraryKind = kind;
        const ReadResult reread = readLibraryText(written, second);
        if (reread.outcome != ReadOutcome::Read || !reread.findings.empty() ||
            second.entryCount != first.entryCount) {
            std::abort();
        }
        checkComparison(first, second);
        std::string again = writeLibraryText(second);
        if (round == 1 && again != written) {
            std::abort();
        }
        written = std::move(again);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    readAndRewrite(bytes, LibraryKind::Symbol);
    readAndRewrite(bytes, LibraryKind::LineType);
    return 0;
}
