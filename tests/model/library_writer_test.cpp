#include "model/library_writer.h"

#include <gtest/gtest.h>

#include <string>

#include "model/codec_test_support.h"
#include "model/units.h"
#include "support/entities.h"

namespace {

using codec_test::crlf;
using codec_test::TestLibrary;

LibraryEntry& addEntry(Library& library, std::string_view name) {
    ++library.entryCount;
    LibraryEntry& entry = library.entry(library.entryCount);
    entry.name.assign(name);
    entry.originX = entry.originY = 155;
    return entry;
}

TEST(LibraryWriter, WritesTheTreeExampleByteForByte) {
    TestLibrary t;
    LibraryEntry& tree = addEntry(t.library, "Tree");
    tree.clipRadius = 45;  // never written
    tree.sizeRadius = 30;
    tree.useColours = 1;
    t.library.entities(1)[0] = lineEntity(140, 185, 170, 185, 2);
    t.library.entities(1)[1] = arcEntity(140, 185, 170, 185, 155, 185, 1, 3);
    EXPECT_EQ(writeLibraryText(t.library), crlf({
                                               "Veltrax Sym/Ltype File Version 1.0",
                                               "S Tree",
                                               "P    100   100     0    20     1",
                                               "L      2    90    80   110    80",
                                               "A      3    90    80   110    80   100    80     1",
                                               "E",
                                           }));
}

TEST(LibraryWriter, TheClippingRadiusIsWrittenAsZeroAndReadBackAsZero) {
    TestLibrary t;
    addEntry(t.library, "Clip").clipRadius = 90;
    const std::string text = writeLibraryText(t.library);
    t.read(text);
    EXPECT_EQ(t.library.entry(1).clipRadius, 0);
}

TEST(LibraryWriter, NumbersLongerThanSixCharactersAreCutToTheirFirstSix) {
    TestLibrary t;
    addEntry(t.library, "Long");
    t.library.entities(1)[0] = lineEntity(-1000000, 305, 5, 305, 1234567);
    t.library.entities(1)[1] = arcEntity(5, 305, 5, 305, 1.5e7f, -3e6f, 7);
    EXPECT_EQ(writeLibraryText(t.library), crlf({
                                               "Veltrax Sym/Ltype File Version 1.0",
                                               "S Long",
                                               "P    100   100     0     0     0",
                                               "L 123456-66667     0     0     0",
                                               "A      1     0     0     0     0999999200020     1",
                                               "E",
                                           }));
}

TEST(LibraryWriter, ArcCentresAreWholeNumbersWithHalvesToEven) {
    TestLibrary t;
    addEntry(t.library, "Halves");
    // Display x 8.75 is file 2.5, display y 10.25 file 196.5, display x 155.3 file 100.2.
    t.library.entities(1)[0] = arcEntity(20, 20, 50, 50, 8.75f, 10.25f, 0);
    t.library.entities(1)[1] = arcEntity(20, 20, 50, 50, 155.3f, 4.6f, 0);
    const std::string text = writeLibraryText(t.library);
    EXPECT_NE(text.find("A      1    10   190    30   170     2   196     0\r\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("A      1    10   190    30   170   100   200     0\r\n"),
              std::string::npos)
        << text;
}

TEST(LibraryWriter, OnlyTheLeadingInUseSlotsAreWritten) {
    TestLibrary t;
    addEntry(t.library, "Gap");
    t.library.entities(1)[0] = lineEntity(20, 20, 50, 50);
    t.library.entities(1)[1] = lineEntity(0, 20, 50, 50);  // ends the list
    t.library.entities(1)[2] = lineEntity(20, 20, 80, 80);
    const std::string text = writeLibraryText(t.library);
    EXPECT_EQ(text.find("L", text.find("L ") + 1), std::string::npos) << text;
}

TEST(LibraryWriter, LineTypesWriteTheFlagAndTheRecomputedPatternHeight) {
    TestLibrary t(LibraryKind::LineType);
    LibraryEntry& fence = addEntry(t.library, "Fence");
    fence.singlePattern() = 1;
    fence.patternHeight() = 999;  // stale; recomputed
    fence.useColours = 1;
    // A half circle above the line from 125 to 185 at y 155: reaches 125.
    t.library.entities(1)[0] = arcEntity(125, 155, 185, 155, 155, 155, 0);
    EXPECT_NE(writeLibraryText(t.library).find("P    100   100     1    20     1\r\n"),
              std::string::npos);
}

TEST(LibraryWriter, WriteReadWriteGivesTheSameBytes) {
    TestLibrary t;
    for (int n = 0; n < 7; ++n) {
        addEntry(t.library, "Entry " + std::to_string(n)).sizeRadius = 10 * n + 1;
        for (int i = 0; i < 3 * n; ++i) {
            const int x = 5 + (i * 37 + n * 11) % 301;
            const int y = 5 + (i * 53 + n * 7) % 301;
            t.library.entities(n + 1)[i] =
                (i % 2) ? arcEntity(x, y, 310 - x, 310 - y, 155.5f + static_cast<float>(i), 99.25f,
                                    static_cast<uint8_t>(i % 3 == 0), 1 + i % 16)
                        : lineEntity(x, y, y, x, 1 + i % 16);
        }
    }
    const std::string first = writeLibraryText(t.library);
    TestLibrary again;
    again.read(first);
    EXPECT_EQ(writeLibraryText(again.library), first);
}

// The pattern height is measured on the arcs as written, with whole centres, so saving a line
// type library that was read from a file reproduces the file.
TEST(LibraryWriter, LineTypeWithFractionalCentresSurvivesWriteReadWrite) {
    TestLibrary t(LibraryKind::LineType);
    addEntry(t.library, "Wave");
    // The long arc over the top: its centre (155.2, 130.8) is written as file (100, 116), that
    // is display (155, 131), which moves the top of the circle from 92 to 93.
    t.library.entities(1)[0] = arcEntity(125, 155, 185, 155, 155.2f, 130.8f, 1);
    const std::string first = writeLibraryText(t.library);
    EXPECT_NE(first.find("P    100   100     0    41     0\r\n"), std::string::npos) << first;
    TestLibrary again(LibraryKind::LineType);
    again.read(first);
    EXPECT_EQ(writeLibraryText(again.library), first);
}

TEST(LibraryWriter, AnEmptyLibraryIsJustTheFirstLine) {
    TestLibrary t;
    EXPECT_EQ(writeLibraryText(t.library), "Veltrax Sym/Ltype File Version 1.0\r\n");
}

}  // namespace
