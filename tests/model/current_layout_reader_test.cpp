#include <gtest/gtest.h>

#include <string>

#include "model/codec_test_support.h"

namespace {

using codec_test::crlf;
using codec_test::TestLibrary;

constexpr std::string_view Header = "Veltrax Sym/Ltype File Version 1.0";

const std::string TreeExample = crlf({
    Header,
    "S Tree",
    "P    100   100     0    20     1",
    "L      2    90    80   110    80",
    "A      3    90    80   110    80   100    80     1",
    "E",
});

TEST(CurrentLayoutReader, ReadsTheTreeExample) {
    TestLibrary t;
    const ReadResult result = t.read(TreeExample);
    EXPECT_EQ(result.outcome, ReadOutcome::Read);
    EXPECT_EQ(result.layout, LibraryLayout::Current);
    EXPECT_FALSE(result.clearsFileName());
    EXPECT_TRUE(result.findings.empty());
    ASSERT_EQ(t.library.entryCount, 1);

    const LibraryEntry& tree = t.library.entry(1);
    EXPECT_EQ(tree.name.view(), "Tree");
    EXPECT_EQ(tree.originX, 155);
    EXPECT_EQ(tree.originY, 155);
    EXPECT_EQ(tree.clipRadius, 0);
    EXPECT_EQ(tree.sizeRadius, 30);
    EXPECT_EQ(tree.useColours, 1);
    ASSERT_EQ(t.count(1), 2);

    const Entity& line = t.entity(1, 0);
    EXPECT_EQ(line.isArc, 0);
    EXPECT_EQ(line.colour, 2);
    EXPECT_EQ(line.x1, 140);
    EXPECT_EQ(line.y1, 185);
    EXPECT_EQ(line.x2, 170);
    EXPECT_EQ(line.y2, 185);
    EXPECT_EQ(line.centreX, 0);
    EXPECT_EQ(line.arcFlag, 0);

    const Entity& arc = t.entity(1, 1);
    EXPECT_EQ(arc.isArc, 1);
    EXPECT_EQ(arc.colour, 3);
    EXPECT_FLOAT_EQ(arc.centreX, 155);
    EXPECT_FLOAT_EQ(arc.centreY, 185);
    EXPECT_EQ(arc.arcFlag, 1);
}

TEST(CurrentLayoutReader, FirstLineMustMatchOneOfTheAcceptedTextsExactly) {
    TestLibrary t;
    EXPECT_EQ(t.read(crlf({"Veltrax Terrabook Sym/Ltype File Version 1.0", "S A", "E"})).outcome,
              ReadOutcome::Read);
    EXPECT_EQ(t.library.entryCount, 1);

    for (const std::string& refused :
         {std::string(), crlf({"Veltrax Sym/Ltype File Version 1.0 ", "S A", "E"}),
          crlf({"veltrax sym/ltype file version 1.0"}), std::string("\r\n")}) {
        const ReadResult result = t.read(refused);
        EXPECT_EQ(result.outcome, ReadOutcome::InvalidFormat) << refused;
        EXPECT_EQ(t.library.entryCount, 0);
        EXPECT_FALSE(result.clearsFileName());
    }
}

TEST(CurrentLayoutReader, EachOlderFirstLineIsRefusedForTheOtherKind) {
    TestLibrary symbols(LibraryKind::Symbol);
    EXPECT_EQ(symbols.read(crlf({"File format version 2"})).outcome, ReadOutcome::InvalidFormat);
    TestLibrary lineTypes(LibraryKind::LineType);
    EXPECT_EQ(lineTypes.read(crlf({"Version 1.0 of file format"})).outcome,
              ReadOutcome::InvalidFormat);
}

TEST(CurrentLayoutReader, AFileWithNoEntriesIsAnEmptyLibrary) {
    TestLibrary t;
    const ReadResult result = t.read(crlf({Header}));
    EXPECT_EQ(result.outcome, ReadOutcome::Read);
    EXPECT_EQ(t.library.entryCount, 0);
}

TEST(CurrentLayoutReader, LinesAreClassifiedByTheirFirstCharacter) {
    TestLibrary t;
    t.read(crlf({Header, "S Mixed", "", "X      4    10    10    20    20",
                 "A      5    10    10    30    10    20    10"}) +
           "E\r\n");
    ASSERT_EQ(t.count(1), 3);
    // An empty line is a line from file (0, 0) to (0, 0) in colour 1.
    const Entity& empty = t.entity(1, 0);
    EXPECT_EQ(empty.isArc, 0);
    EXPECT_EQ(empty.colour, 1);
    EXPECT_EQ(empty.x1, 5);
    EXPECT_EQ(empty.y1, 305);
    EXPECT_EQ(empty.x2, 5);
    EXPECT_EQ(empty.y2, 305);
    // Any other letter than S, P, E and A starts a straight line.
    EXPECT_EQ(t.entity(1, 1).isArc, 0);
    EXPECT_EQ(t.entity(1, 1).colour, 4);
    EXPECT_EQ(t.entity(1, 2).isArc, 1);
    EXPECT_EQ(t.entity(1, 2).arcFlag, 0);  // field 8 missing
}

TEST(CurrentLayoutReader, EmptyOrBadFieldsTakeTheirDefaults) {
    TestLibrary t;
    t.read(crlf({Header, "S Bad", "P   abc  1.5", "L    x7    12  junk    -4   1 2",
                 "A      1    10    10    20    10  nan   12x    -1", "E"}));
    const LibraryEntry& entry = t.library.entry(1);
    EXPECT_EQ(entry.originX, 5);    // "abc" is file 0
    EXPECT_EQ(entry.originY, 305);  // "1.5" is not a whole number
    EXPECT_EQ(entry.sizeRadius, 0);
    EXPECT_EQ(entry.useColours, 0);

    const Entity& line = t.entity(1, 0);
    EXPECT_EQ(line.colour, 1);
    EXPECT_EQ(line.x1, 23);   // file 12
    EXPECT_EQ(line.y1, 305);  // "junk"
    EXPECT_EQ(line.x2, -1);   // file -4
    EXPECT_EQ(line.y2, 305);  // "1 2" is not a number

    const Entity& arc = t.entity(1, 1);
    EXPECT_FLOAT_EQ(arc.centreX, 5);  // "nan" is no number
    EXPECT_FLOAT_EQ(arc.centreY, 305);
    EXPECT_EQ(arc.arcFlag, 1);  // -1 is not 0
}

TEST(CurrentLayoutReader, HugeRealsNeverLeaveTheFiniteRange) {
    TestLibrary t;
    t.read(crlf({Header, "S Huge", "A      1    10    10    20    10 1e309  3e38     0",
                 "A      1    10    10    20    10 -3e38  12.5     0", "E"}));
    EXPECT_FLOAT_EQ(t.entity(1, 0).centreX, 5);    // beyond any real
    EXPECT_FLOAT_EQ(t.entity(1, 0).centreY, 305);  // finite, but not once scaled to display
    EXPECT_FLOAT_EQ(t.entity(1, 1).centreX, 5);
    EXPECT_FLOAT_EQ(t.entity(1, 1).centreY, 286.25f);  // reals are not rounded
}

TEST(CurrentLayoutReader, SettingsFollowTheLibraryKind) {
    const std::string text = crlf({Header, "S One", "P     50   150     1    40     0", "E"});
    TestLibrary symbols(LibraryKind::Symbol);
    symbols.read(text);
    EXPECT_EQ(symbols.library.entry(1).clipRadius, 2);  // scaled by 1.5, halves to even
    EXPECT_EQ(symbols.library.entry(1).sizeRadius, 60);
    EXPECT_EQ(symbols.library.entry(1).originX, 80);
    EXPECT_EQ(symbols.library.entry(1).originY, 80);

    TestLibrary lineTypes(LibraryKind::LineType);
    lineTypes.read(text);
    EXPECT_EQ(lineTypes.library.entry(1).singlePattern(), 1);  // unscaled
    EXPECT_EQ(lineTypes.library.entry(1).patternHeight(), 60);
}

TEST(CurrentLayoutReader, AStartPointJustOutsideTheAreaEndsTheEntityList) {
    TestLibrary t;
    const ReadResult result = t.read(crlf(
        {Header, "S Cut", "L      1    10    10    20    20", "L      1    -3    10    20    20",
         "L      1    10    10    30    30", "L      1    10   203    30    30", "E"}));
    EXPECT_EQ(t.entity(1, 1).x1, 0);
    EXPECT_EQ(t.entity(1, 3).y1, 0);
    EXPECT_EQ(t.count(1), 1);
    ASSERT_EQ(result.findings.size(), 1u);
    const ReadFinding& f = result.findings[0];
    EXPECT_EQ(f.kind, FindingKind::EntityListEnded);
    EXPECT_EQ(f.entry, 1);
    EXPECT_EQ(f.firstLine, 4);
    EXPECT_EQ(f.lastLine, 6);
    EXPECT_EQ(f.count, 3);
}

TEST(CurrentLayoutReader, TheEntityBufferIsKeptAcrossEntries) {
    TestLibrary t;
    const ReadResult result = t.read(crlf({
        Header,
        "S Full",
        "L      1    10    10    20    20",
        "L      2    10    10    20    20",
        "L      3    10    10    20    20",
        "E",
        "S NoEnd",
        "L      4    10    10    20    20",
        "S Short",
        "L      5    10    10    20    20",
        "E",
    }));
    ASSERT_EQ(t.library.entryCount, 3);
    EXPECT_EQ(t.count(1), 3);
    // An entry without an E line gets no entities and the loss is reported.
    EXPECT_EQ(t.count(2), 0);
    // The E line frees every slot after the entry's own count, whatever the buffer held.
    EXPECT_EQ(t.count(3), 1);
    EXPECT_EQ(t.entity(3, 0).colour, 5);
    EXPECT_FALSE(t.entity(3, 1).inUse());
    ASSERT_EQ(result.findings.size(), 1u);
    EXPECT_EQ(result.findings[0].kind, FindingKind::MissingEndLine);
    EXPECT_EQ(result.findings[0].entry, 2);
    EXPECT_EQ(result.findings[0].firstLine, 8);
}

TEST(CurrentLayoutReader, EntityLinesAfterTheLastELineAreReportedLost) {
    TestLibrary t;
    const ReadResult result = t.read(crlf({Header, "S A", "L      1    10    10    20    20", "E",
                                           "L      1    10    10    20    20"}));
    EXPECT_EQ(t.count(1), 1);
    ASSERT_EQ(result.findings.size(), 1u);
    EXPECT_EQ(result.findings[0].kind, FindingKind::MissingEndLine);
    EXPECT_EQ(result.findings[0].firstLine, 5);
}

TEST(CurrentLayoutReader, LinesBeforeTheFirstEntryAreSkipped) {
    TestLibrary t;
    const ReadResult result =
        t.read(crlf({Header, "P    100   100     0    20     1", "L      1    10    10    20    20",
                     "E", "", "S First", "E"}));
    ASSERT_EQ(t.library.entryCount, 1);
    EXPECT_EQ(t.library.entry(1).originX, 0);
    EXPECT_EQ(t.count(1), 0);
    ASSERT_EQ(result.findings.size(), 1u);
    EXPECT_EQ(result.findings[0].kind, FindingKind::LineBeforeFirstEntry);
    EXPECT_EQ(result.findings[0].firstLine, 2);
    EXPECT_EQ(result.findings[0].lastLine, 5);
    EXPECT_EQ(result.findings[0].count, 4);
}

TEST(CurrentLayoutReader, EntriesBeyondFiveHundredDoNotTouchTheLastOne) {
    std::string text = crlf({Header});
    for (int n = 1; n <= MaxEntries; ++n) {
        text += crlf({"S E" + std::to_string(n), "P    100   100     0    20     1",
                      "L      7    10    10    20    20", "E"});
    }
    text += crlf({"S Extra", "P     10    10     0    99     0", "L      9    30    30    40    40",
                  "E", "S Another", "E"});
    TestLibrary t;
    const ReadResult result = t.read(text);
    ASSERT_EQ(t.library.entryCount, MaxEntries);
    const LibraryEntry& last = t.library.entry(MaxEntries);
    EXPECT_EQ(last.name.view(), "E500");
    EXPECT_EQ(last.originX, 155);
    EXPECT_EQ(t.count(MaxEntries), 1);
    EXPECT_EQ(t.entity(MaxEntries, 0).colour, 7);
    ASSERT_EQ(result.findings.size(), 1u);
    EXPECT_EQ(result.findings[0].kind, FindingKind::EntryBeyondCapacity);
    EXPECT_EQ(result.findings[0].count, 2);
    EXPECT_EQ(result.findings[0].firstLine, 2 + 4 * MaxEntries);
    EXPECT_EQ(result.findings[0].lastLine, 7 + 4 * MaxEntries);
}

TEST(CurrentLayoutReader, EntityLinesBeyondTwoHundredFiftyAreSkipped) {
    std::string text = crlf({Header, "S Many"});
    for (int i = 1; i <= MaxEntities + 2; ++i) {
        text += crlf({"L " + std::string(i <= MaxEntities ? "     1" : "     9") +
                      "    10    10    20    20"});
    }
    text += crlf({"E"});
    TestLibrary t;
    const ReadResult result = t.read(text);
    EXPECT_EQ(t.count(1), MaxEntities);
    EXPECT_EQ(t.entity(1, MaxEntities - 1).colour, 1);
    ASSERT_EQ(result.findings.size(), 1u);
    EXPECT_EQ(result.findings[0].kind, FindingKind::EntityBeyondCapacity);
    EXPECT_EQ(result.findings[0].count, 2);
    EXPECT_EQ(result.findings[0].firstLine, 3 + MaxEntities);
}

TEST(CurrentLayoutReader, ReadsLfEndingsLongLinesNulBytesAndAMissingFinalEnding) {
    std::string text = std::string(Header) + "\nS " + std::string("Na\0me", 5) +
                       std::string(200, 'x') + "\nL      2    10    10    20    20" +
                       std::string(5000, '7') + "\nE";
    TestLibrary t;
    const ReadResult result = t.read(text);
    EXPECT_EQ(result.outcome, ReadOutcome::Read);
    ASSERT_EQ(t.library.entryCount, 1);
    EXPECT_EQ(t.library.entry(1).name.view(), std::string("Na\0me", 5) + std::string(15, 'x'));
    EXPECT_EQ(t.count(1), 1);
    EXPECT_EQ(t.entity(1, 0).colour, 2);
}

TEST(CurrentLayoutReader, NamesAreCutToTwentyCharactersWithBlanksKept) {
    TestLibrary t;
    t.read(crlf({Header, "S  Leading and trailing   blanks  ", "S", "E"}));
    ASSERT_EQ(t.library.entryCount, 2);
    EXPECT_EQ(t.library.entry(1).name.view(), " Leading and trailin");
    EXPECT_EQ(t.library.entry(2).name.view(), "");
}

TEST(CurrentLayoutReader, ReadingReplacesWhateverTheLibraryHeld) {
    TestLibrary t;
    t.read(TreeExample);
    t.library.entry(2).name.assign("Old");
    t.library.entities(2)[0].x1 = t.library.entities(2)[0].y1 = 20;
    t.read(crlf({Header, "S New", "S Second"}));
    EXPECT_EQ(t.library.entryCount, 2);
    EXPECT_EQ(t.library.entry(2).name.view(), "Second");
    EXPECT_EQ(t.count(2), 0);
    EXPECT_EQ(t.count(1), 0);
}

}  // namespace
