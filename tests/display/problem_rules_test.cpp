#include "display/problem_rules.h"

#include <gtest/gtest.h>

#include <fstream>
#include <ostream>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "model/codec_test_support.h"

namespace {

using codec_test::crlf;
using codec_test::TestLibrary;

struct Found {
    std::string rule;
    int entry = 0;
    int entity = 0;
    friend auto operator<=>(const Found&, const Found&) = default;
    friend void PrintTo(const Found& f, std::ostream* out) {
        *out << f.rule << " in entry " << f.entry << ", entity " << f.entity;
    }
};

struct PlantedCase {
    const char* what;
    LibraryKind kind;
    std::string file;
    std::vector<Found> expected;  // exactly these, in this order
};

constexpr const char* Header = "Veltrax Sym/Ltype File Version 1.0";
// A symbol that breaks no rule: size radius 60 file units, a line 40 units either side.
constexpr const char* Clean[] = {"S Clean", "P    100   100     0    60     1",
                                 "L      1    60   100   140   100", "E"};

std::string symbols(std::initializer_list<std::string_view> lines) {
    std::string text = crlf({Header});
    for (const char* line : Clean) {
        text += crlf({line});
    }
    return text + crlf(lines);
}

std::string lineTypes(std::initializer_list<std::string_view> lines) {
    return crlf({Header}) + crlf(lines);
}

std::vector<PlantedCase> plantedCases() {
    const LibraryKind S = LibraryKind::Symbol;
    const LibraryKind L = LibraryKind::LineType;
    const char* P = "P    100   100     0    60     1";
    return {
        {"clean symbols", S, symbols({}), {}},
        {"zero-length line",
         S,
         symbols({"S Dot", P, "L      1   100   100   100   100", "E"}),
         {{"zero-length", 2, 1}}},
        {"arc radius far above the limit",
         S,
         symbols({"S Flat", P, "A      1    60   100   140   100   100 -3000     0", "E"}),
         {{"arc-radius", 2, 1}}},
        {"arc whose centre reads as none",
         S,
         crlf({"Version 1.0 of file format", "S Old", "1", "95 95", "1", "A 76 95 114 95 -3 95 90",
               "E"}),
         {{"older-layout", 0, 0}, {"arc-no-centre", 1, 1}}},
        {"end point outside the drawing area",
         S,
         symbols({"S Wide", "P    100   100     0   200     1", "L      1    60   100   210   100",
                  "E"}),
         {{"outside-area", 2, 1}}},
        {"lines on one another, reversed and recoloured",
         S,
         symbols({"S Twice", P, "L      1    60   100   140   100",
                  "L      2   140   100    60   100", "E"}),
         {{"duplicate-entity", 2, 2}}},
        {"quarter arcs on one another, reversed",
         S,
         symbols({"S Arcs", P, "A      1    60   100   100   140   100   100     0",
                  "A      1   100   140    60   100   100   100     0", "E"}),
         {{"duplicate-entity", 2, 2}}},
        {"the other quarter is no duplicate",
         S,
         symbols({"S Arcs", P, "A      1    60   100   100   140   100   100     0",
                  "A      1    60   100   100   140   100   100     1", "E"}),
         {}},
        {"empty entry", S, symbols({"S Nothing", P, "E"}), {{"empty-entry", 2, 0}}},
        {"equal names",
         S,
         symbols({"S Clean", P, "L      1    60   100   140   100", "E"}),
         {{"same-name", 2, 0}}},
        {"names equal but for case and trailing blanks",
         S,
         symbols({"S cLEAN  ", P, "L      1    60   100   140   100", "E"}),
         {{"similar-name", 2, 0}}},
        {"name the host cannot show",
         S,
         symbols({"S Bad\x81name", P, "L      1    60   100   140   100", "E"}),
         {{"name-characters", 2, 0}}},
        {"colour outside the palette",
         S,
         symbols({"S Odd", P, "L     17    60   100   140   100", "E"}),
         {{"colour-range", 2, 1}}},
        {"colours while colours are off",
         S,
         symbols({"S Grey", "P    100   100     0    60     0", "L      3    60   100   140   100",
                  "L      1    60    90   140    90", "E"}),
         {{"colours-off", 2, 0}}},
        {"line beyond the size radius",
         S,
         symbols({"S Small", "P    100   100     0    20     1", "L      1    60   100   140   100",
                  "E"}),
         {{"size-radius", 2, 1}}},
        // A half circle right of the origin: its end points lie inside the size radius (22
        // pixels), its far side does not; the other half passes through the origin.
        {"half circle bulging beyond the size radius",
         S,
         symbols({"S Bulge", "P    100   100     0    15     1",
                  "A      1   110   110   110    90   110   100     0", "E"}),
         {{"size-radius", 2, 1}}},
        {"half circle within the size radius",
         S,
         symbols({"S Inside", "P    100   100     0    15     1",
                  "A      1   110   110   110    90   110   100     1", "E"}),
         {}},
        {"pattern spanning the base line with half circles at its ends",
         L,
         lineTypes({"S Ends", "P    100   100     0    20     1",
                    "L      1    10   100   190   100",
                    "A      1    10   110    10    90    10   100     1",
                    "A      1   190   110   190    90   190   100     0", "E"}),
         {}},
        {"the half circles turned inwards leave gaps",
         L,
         lineTypes({"S Ends", "P    100   100     0    20     1",
                    "L      1    10   100   190   100",
                    "A      1    10   110    10    90    10   100     0",
                    "A      1   190   110   190    90   190   100     1", "E"}),
         {{"pattern-gap", 1, 0}}},
        {"single pattern drawn once leaves no gap",
         L,
         lineTypes({"S Once", "P    100   100     1     0     1",
                    "L      1     0   100   150   100", "E"}),
         {}},
        {"stale pattern height",
         L,
         lineTypes({"S Flat", "P    100   100     0    15     1",
                    "L      1     0   100   200   100", "E"}),
         {{"pattern-height", 1, 0}}},
        {"older layout",
         S,
         crlf({"Version 1.0 of file format", "S Old", "1", "95 95", "1", "L 76 95 114 95", "E"}),
         {{"older-layout", 0, 0}}},
    };
}

std::vector<Found> check(const PlantedCase& c) {
    TestLibrary t(c.kind);
    const ReadResult read = t.read(c.file);
    EXPECT_EQ(read.outcome, ReadOutcome::Read) << c.what;
    std::vector<Found> found;
    for (const Problem& p : checkLibrary(t.library, {.layout = read.layout})) {
        found.push_back({std::string(ruleInfo(p.rule).id), p.entry, p.entity});
    }
    return found;
}

TEST(ProblemRules, EachPlantedProblemIsFoundAloneAndEveryRuleIsPlanted) {
    std::set<std::string> planted;
    for (const PlantedCase& c : plantedCases()) {
        const std::vector<Found> found = check(c);
        EXPECT_EQ(found, c.expected) << c.what;
        for (const Found& f : found) {
            planted.insert(f.rule);
        }
    }
    for (const RuleInfo& rule : problemRules()) {
        EXPECT_TRUE(planted.contains(std::string(rule.id))) << rule.id << " is never planted";
    }
}

// The samples show what a library keeper may meet: warnings, never an error.
TEST(ProblemRules, TheSamplesHoldNoErrors) {
    for (const char* name : {"survey.sym", "boundaries.ltp", "older.sym", "older.ltp"}) {
        std::ifstream in(std::string(GLYPH_SOURCE_DIR "/samples/") + name, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        TestLibrary t(std::string_view(name).ends_with(".ltp") ? LibraryKind::LineType
                                                               : LibraryKind::Symbol);
        const ReadResult read = t.read(bytes.str());
        ASSERT_EQ(read.outcome, ReadOutcome::Read) << name;
        const std::vector<Problem> problems = checkLibrary(t.library, {.layout = read.layout});
        EXPECT_FALSE(problems.empty()) << name;
        for (const Problem& p : problems) {
            EXPECT_EQ(ruleInfo(p.rule).severity, Severity::Warning)
                << name << ": " << ruleInfo(p.rule).id << " in entry " << p.entry;
        }
    }
}

TEST(ProblemRules, ArgumentsFillTheNumberedPlaces) {
    EXPECT_EQ(fillArguments("%2 beyond %1, 100%%", {"a", "b"}), "b beyond a, 100%");
    EXPECT_EQ(fillArguments("%3 and %", {"a"}), " and %");
}

}  // namespace
