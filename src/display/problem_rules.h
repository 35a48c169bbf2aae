#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/library.h"
#include "model/read_result.h"

// What a library keeper should fix or know about a library, found by fixed rules that the
// editor's Problems panel and `glyphlib check` share. Only errors make `glyphlib check` fail.

enum class Severity { Warning, Error };

enum class ProblemRule {
    ZeroLengthLine,
    ArcWithoutCentre,
    ArcTooLarge,
    OutsideArea,
    DuplicateEntity,
    EmptyEntry,
    SameName,
    SimilarName,
    NameCharacters,
    ColourOutOfRange,
    ColoursWhileOff,
    BeyondSizeRadius,
    PatternGap,
    PatternHeight,
    OlderLayout,
};

struct RuleInfo {
    ProblemRule rule;
    std::string_view id;  // short, stable, for scripts: "zero-length"
    Severity severity;
    int textNumber;  // the numbered string of its text, with %1, %2, ... for the arguments
};

std::span<const RuleInfo> problemRules();
const RuleInfo& ruleInfo(ProblemRule rule);

struct Problem {
    ProblemRule rule = ProblemRule::ZeroLengthLine;
    int32_t entry = 0;                   // 1-based; 0 = the library as a whole
    int32_t entity = 0;                  // 1-based; 0 = the entry as a whole
    std::vector<std::string> arguments;  // UTF-8, in the order of %1, %2, ...

    friend bool operator==(const Problem&, const Problem&) = default;
};

struct CheckOptions {
    LibraryLayout layout = LibraryLayout::Current;  // the layout the library was read from
    // The line types' pattern heights are those of the file. The editor keeps the heights it
    // read while entries change, and a save writes them new, so it leaves this off.
    bool heightsAsRead = true;
};

// Every problem of the library: the layout's first, then entry by entry its name's (as
// checkNames), then those of checkEntry.
std::vector<Problem> checkLibrary(const Library& library, const CheckOptions& options = {});
// The names equal, or equal but for case and trailing blanks, to an earlier entry's name.
std::vector<Problem> checkNames(const Library& library);
// The problems of entry n (1..entryCount) but its name's: the entry's own, then its entities'
// in entity order.
std::vector<Problem> checkEntry(const Library& library, int n, const CheckOptions& options = {});

// The pattern with %1..%9 replaced by the arguments (a missing one by nothing); "%%" is "%".
std::string fillArguments(std::string_view pattern, const std::vector<std::string>& arguments);

// The problem's text: its rule's pattern, as loadText(number) gives it, with the arguments.
template <typename LoadText>
std::string problemText(const Problem& problem, LoadText&& loadText) {
    return fillArguments(loadText(ruleInfo(problem.rule).textNumber), problem.arguments);
}
