#include "model/library_compare.h"

#include <gtest/gtest.h>

#include <fstream>
#include <ostream>
#include <sstream>

#include "model/codec_test_support.h"

namespace {

constexpr const char* EntityDifferenceNames[] = {"added", "removed", "moved", "recoloured"};

}  // namespace

void PrintTo(const EntityChange& c, std::ostream* out) {
    *out << EntityDifferenceNames[static_cast<int>(c.kind)] << ' ' << c.entityA << " -> "
         << c.entityB << (c.recoloured ? " recoloured" : "");
}

namespace {

using codec_test::TestLibrary;

// Two copies of one library that differ in every way a comparison tells apart, and in the
// two ways it does not: the order of entries and the order of an entry's entities. glyphlib's
// diff tests use them too.
std::string copyText(const char* name) {
    std::ifstream in(std::string(GLYPH_SOURCE_DIR "/tests/tools/diff/") + name, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

const std::string A = copyText("a.sym");
const std::string B = copyText("b.sym");

struct Copies {
    TestLibrary a;
    TestLibrary b;
    Copies(const std::string& textA, const std::string& textB) {
        EXPECT_EQ(a.read(textA).outcome, ReadOutcome::Read);
        EXPECT_EQ(b.read(textB).outcome, ReadOutcome::Read);
    }
};

TEST(LibraryCompare, TellsEveryKindOfDifferenceInTheFirstLibrarysOrder) {
    Copies copies(A, B);
    const LibraryComparison diff = compareLibraries(copies.a.library, copies.b.library);
    ASSERT_EQ(diff.entries.size(), 4u);

    EXPECT_EQ(diff.entries[0].kind, EntryDifference::OnlyInA);
    EXPECT_EQ(diff.entries[0].entryA, 2);

    const EntryComparison& renamed = diff.entries[1];
    EXPECT_EQ(renamed.kind, EntryDifference::Renamed);
    EXPECT_EQ(std::pair(renamed.entryA, renamed.entryB), std::pair(3, 3));
    EXPECT_TRUE(renamed.fields.empty());

    const EntryComparison& changed = diff.entries[2];
    EXPECT_EQ(changed.kind, EntryDifference::Changed);
    EXPECT_EQ(std::pair(changed.entryA, changed.entryB), std::pair(4, 2));
    const std::vector<FieldChange> fields = {{HeaderField::OriginX, 155, 170},
                                             {HeaderField::UseColours, 1, 0}};
    EXPECT_EQ(changed.fields, fields);
    const std::vector<EntityChange> entities = {
        {EntityDifference::Recoloured, 2, 3, true}, {EntityDifference::Moved, 3, 4, false},
        {EntityDifference::Removed, 4, 0, false},   {EntityDifference::Moved, 5, 2, true},
        {EntityDifference::Added, 0, 5, false},
    };
    EXPECT_EQ(changed.entities, entities);

    EXPECT_EQ(diff.entries[3].kind, EntryDifference::OnlyInB);
    EXPECT_EQ(diff.entries[3].entryB, 4);
}

TEST(LibraryCompare, ALibraryEqualsItselfAndTheOtherWayRoundEveryChangeTurns) {
    Copies same(A, A);
    EXPECT_TRUE(compareLibraries(same.a.library, same.b.library).equal());

    Copies copies(A, B);
    const LibraryComparison forth = compareLibraries(copies.a.library, copies.b.library);
    const LibraryComparison back = compareLibraries(copies.b.library, copies.a.library);
    const auto count = [](const LibraryComparison& diff, EntityDifference kind) {
        int n = 0;
        for (const EntryComparison& entry : diff.entries) {
            n += static_cast<int>(
                std::count_if(entry.entities.begin(), entry.entities.end(),
                              [kind](const EntityChange& c) { return c.kind == kind; }));
        }
        return n;
    };
    EXPECT_EQ(count(forth, EntityDifference::Added), count(back, EntityDifference::Removed));
    EXPECT_EQ(count(forth, EntityDifference::Moved), count(back, EntityDifference::Moved));
    EXPECT_EQ(count(forth, EntityDifference::Recoloured),
              count(back, EntityDifference::Recoloured));
}

}  // namespace
