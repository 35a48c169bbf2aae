#include <gtest/gtest.h>

#include <string>

#include "model/codec_test_support.h"

namespace {

using codec_test::crlf;
using codec_test::TestLibrary;

constexpr std::string_view OlderSymbol = "Version 1.0 of file format";
constexpr std::string_view OlderLineType = "File format version 2";

TEST(OlderSymbolLayout, ScalesTheNineteenUnitGridAndSetsFixedSettings) {
    TestLibrary t;
    const ReadResult result =
        t.read(crlf({OlderSymbol, "S Tree", "2 origins follow", "0 0", "95 95 trailing words", "2",
                     "L 0 0 19 19 ignored", "L 1  2", "3 4", "E"}));
    EXPECT_EQ(result.outcome, ReadOutcome::Read);
    EXPECT_EQ(result.layout, LibraryLayout::OlderSymbol);
    EXPECT_TRUE(result.clearsFileName());
    ASSERT_EQ(t.library.entryCount, 1);
    const LibraryEntry& tree = t.library.entry(1);
    EXPECT_EQ(tree.name.view(), "Tree");
    EXPECT_EQ(tree.originX, 155);  // the last origin line counts
    EXPECT_EQ(tree.originY, 155);
    EXPECT_EQ(tree.clipRadius, 0);
    EXPECT_EQ(tree.sizeRadius, 150);
    EXPECT_EQ(tree.useColours, 0);
    ASSERT_EQ(t.count(1), 2);
    const Entity& line = t.entity(1, 0);
    EXPECT_EQ(line.colour, 1);
    EXPECT_EQ(line.x1, 5);
    EXPECT_EQ(line.y1, 305);
    EXPECT_EQ(line.x2, 35);  // 19 units scale to 20
    EXPECT_EQ(line.y2, 275);
    // Numbers may continue on the next line.
    const Entity& wrapped = t.entity(1, 1);
    EXPECT_EQ(wrapped.x1, 6);    // 1 x 20/19 rounds to 1, display 6.5 to even
    EXPECT_EQ(wrapped.y1, 302);  // 2 -> 2
    EXPECT_EQ(wrapped.x2, 10);   // 3 -> 3, display 9.5 to even
    EXPECT_EQ(wrapped.y2, 299);  // 4 -> 4
}

TEST(OlderSymbolLayout, ArcFlagFollowsTheSweep) {
    TestLibrary t;
    t.read(crlf({OlderSymbol, "S Arcs", "0", "3", "A 19 0 0 19 0 0 90", "A 19 0 0 19 0 0 -270.5",
                 "A 19 0 0 19 0 0 180.0001", "E"}));
    ASSERT_EQ(t.count(1), 3);
    EXPECT_EQ(t.entity(1, 0).arcFlag, 0);
    EXPECT_EQ(t.entity(1, 1).arcFlag, 1);
    EXPECT_EQ(t.entity(1, 2).arcFlag, 1);  // not a half circle within the tolerance
    EXPECT_FLOAT_EQ(t.entity(1, 0).centreX, 5);
    EXPECT_FLOAT_EQ(t.entity(1, 0).centreY, 305);
}

TEST(OlderSymbolLayout, HalfCirclesAreMadeSymmetricAboutTheirCentre) {
    TestLibrary t;
    t.read(crlf(
        {OlderSymbol, "S Half", "0", "2", "A 0 0 19 1 9.5 0 180", "A 19 0 0 0 9.5 0 -180", "E"}));
    ASSERT_EQ(t.count(1), 2);
    // File points (0, 0) and (20, 1) about the centre (10, 0): the larger distance on each axis
    // wins, so the ends become (0, -1) and (20, 1).
    const Entity& a = t.entity(1, 0);
    EXPECT_FLOAT_EQ(a.centreX, 20);
    EXPECT_FLOAT_EQ(a.centreY, 305);
    EXPECT_EQ(a.x1, 5);
    EXPECT_EQ(a.y1, 306);  // 306.5 to even
    EXPECT_EQ(a.x2, 35);
    EXPECT_EQ(a.y2, 304);  // 303.5 to even
    EXPECT_EQ(a.arcFlag, 0);
    const Entity& b = t.entity(1, 1);
    EXPECT_EQ(b.x1, 35);
    EXPECT_EQ(b.x2, 5);
    EXPECT_EQ(b.arcFlag, 1);  // negative sweep
}

TEST(OlderSymbolLayout, OnlyLinesStartingWithSStartEntries) {
    TestLibrary t;
    t.read(crlf({OlderSymbol, "", "comment", " S not at the start", "S One", "0", "0", "E",
                 "junk between", "S Two", "0", "0", "E"}));
    ASSERT_EQ(t.library.entryCount, 2);
    EXPECT_EQ(t.library.entry(2).name.view(), "Two");
}

TEST(OlderLayoutErrors, UnknownElementTypeStopsAndKeepsWhatWasRead) {
    TestLibrary t;
    const ReadResult result =
        t.read(crlf({OlderSymbol, "S Good", "0", "1", "L 0 0 19 19", "E", "S Tree", "1", "38 38",
                     "2", "L 0 0 19 19", "X 0 0 19 19", "E", "S Never", "0", "0", "E"}));
    EXPECT_EQ(result.outcome, ReadOutcome::StoppedWithError);
    ASSERT_TRUE(result.error.has_value());
    EXPECT_EQ(readErrorText(*result.error), "Unknown element type \"X\" in symbol Tree");
    EXPECT_TRUE(result.clearsFileName());
    ASSERT_EQ(t.library.entryCount, 2);
    EXPECT_EQ(t.count(1), 1);
    // The failing entry keeps its name and settings but no entities.
    EXPECT_EQ(t.library.entry(2).name.view(), "Tree");
    EXPECT_EQ(t.library.entry(2).originX, 65);
    EXPECT_EQ(t.count(2), 0);
}

TEST(OlderLayoutErrors, EachWayOfStoppingHasItsText) {
    struct Case {
        std::string body;
        std::string text;
    };
    const Case cases[] = {
        {"0\r\n1\r\nL 0 0 1 1\r\nF\r\n", "Expected \"E\" in symbol Tree"},
        {"0\r\n0\r\n\r\nE\r\n", "Expected \"E\" in symbol Tree"},
        {"0\r\n1\r\n\r\n", "Unknown element type \"\" in symbol Tree"},
        {"0\r\nx\r\n", "Invalid number on line 4 in symbol Tree"},
        {"0\r\n99999999999\r\n", "Invalid number on line 4 in symbol Tree"},
        {"0\r\n1\r\nA 0 0 1 1 1e999 0 90\r\nE\r\n", "Invalid number on line 5 in symbol Tree"},
        {"0\r\n1\r\nA 0 0 1 1 nan 0 90\r\nE\r\n", "Invalid number on line 5 in symbol Tree"},
        {"0\r\n1\r\nL 0 0", "Unexpected end of file in symbol Tree"},
        {"2000000000\r\n", "Unexpected end of file in symbol Tree"},
    };
    for (const Case& c : cases) {
        TestLibrary t;
        const ReadResult result = t.read(crlf({OlderSymbol, "S Tree"}) + c.body);
        EXPECT_EQ(result.outcome, ReadOutcome::StoppedWithError) << c.body;
        ASSERT_TRUE(result.error.has_value()) << c.body;
        EXPECT_EQ(readErrorText(*result.error), c.text) << c.body;
        EXPECT_EQ(t.library.entryCount, 1);
    }
}

TEST(OlderLayoutCapacity, EntitiesBeyondTheLimitAreReadButNotStored) {
    std::string text = crlf({OlderSymbol, "S Many", "0", std::to_string(MaxEntities + 3)});
    for (int i = 0; i < MaxEntities + 3; ++i) {
        text += crlf({"L 1 1 2 2"});
    }
    text += crlf({"E", "S Next", "0", "1", "L 3 3 4 4", "E"});
    TestLibrary t;
    const ReadResult result = t.read(text);
    EXPECT_EQ(result.outcome, ReadOutcome::Read);
    ASSERT_EQ(t.library.entryCount, 2);
    EXPECT_EQ(t.count(1), MaxEntities);
    EXPECT_EQ(t.count(2), 1);
    ASSERT_EQ(result.findings.size(), 1u);
    EXPECT_EQ(result.findings[0].kind, FindingKind::EntityBeyondCapacity);
    EXPECT_EQ(result.findings[0].count, 3);
    EXPECT_EQ(result.findings[0].firstLine, 5 + MaxEntities);
}

TEST(OlderLayoutCapacity, EntriesBeyondTheLimitAreReadInStepButNotStored) {
    std::string text = crlf({OlderSymbol});
    for (int n = 1; n <= MaxEntries + 2; ++n) {
        text += crlf({"S N" + std::to_string(n), "0", "1", "L 1 1 2 2", "E"});
    }
    TestLibrary t;
    const ReadResult result = t.read(text);
    EXPECT_EQ(result.outcome, ReadOutcome::Read);
    ASSERT_EQ(t.library.entryCount, MaxEntries);
    EXPECT_EQ(t.library.entry(MaxEntries).name.view(), "N500");
    ASSERT_EQ(result.findings.size(), 1u);
    EXPECT_EQ(result.findings[0].kind, FindingKind::EntryBeyondCapacity);
    EXPECT_EQ(result.findings[0].count, 2);
}

TEST(OlderLineTypeLayout, SkipsItsSettingLinesAndKeepsTheScale) {
    TestLibrary t(LibraryKind::LineType);
    const ReadResult result =
        t.read(crlf({OlderLineType, "S Fence", "a", "b", "c", "d", "2", "skipped 1", "skipped 2",
                     "one more", "1", "A 0 100 20 100 10 100 -180", "E"}));
    EXPECT_EQ(result.outcome, ReadOutcome::Read);
    EXPECT_EQ(result.layout, LibraryLayout::OlderLineType);
    ASSERT_EQ(t.library.entryCount, 1);
    const LibraryEntry& fence = t.library.entry(1);
    EXPECT_EQ(fence.originX, 155);
    EXPECT_EQ(fence.originY, 155);
    EXPECT_EQ(fence.singlePattern(), 0);
    EXPECT_EQ(fence.patternHeight(), 0);
    EXPECT_EQ(fence.useColours, 0);
    ASSERT_EQ(t.count(1), 1);
    const Entity& arc = t.entity(1, 0);
    EXPECT_EQ(arc.x1, 5);
    EXPECT_EQ(arc.y1, 155);
    EXPECT_EQ(arc.x2, 35);
    EXPECT_FLOAT_EQ(arc.centreX, 20);
    EXPECT_FLOAT_EQ(arc.centreY, 155);
    EXPECT_EQ(arc.arcFlag, 1);
}

// A skip count below one skips no line before the one more line.
TEST(OlderLineTypeLayout, ANegativeSkipCountSkipsOnlyTheOneMoreLine) {
    for (const char* count : {"-1", "0"}) {
        TestLibrary t(LibraryKind::LineType);
        const ReadResult result = t.read(crlf({OlderLineType, "S Fence", "a", "b", "c", "d", count,
                                               "one more", "1", "L 0 100 20 100", "E"}));
        EXPECT_EQ(result.outcome, ReadOutcome::Read) << count;
        ASSERT_EQ(t.count(1), 1) << count;
        EXPECT_EQ(t.entity(1, 0).x2, 35) << count;
    }
}

// The centre is scaled as written and rounded once: 8.55 x 20/19 is 9 file units, display 18.5,
// which rounds to 18. Rounded to a 4-byte real first, 8.55 scales a hair above 9 and gives 19.
TEST(OlderSymbolLayout, TheCentreIsScaledBeforeItIsRounded) {
    TestLibrary t;
    t.read(crlf({OlderSymbol, "S Arc", "0", "1", "A 0 0 19 0 8.55 122.55 45", "E"}));
    ASSERT_EQ(t.count(1), 1);
    EXPECT_FLOAT_EQ(t.entity(1, 0).centreX, 18);
    EXPECT_FLOAT_EQ(t.entity(1, 0).centreY, 112);  // 111 when rounded first
}

}  // namespace
