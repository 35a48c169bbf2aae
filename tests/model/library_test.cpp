#include "model/library.h"

#include <gtest/gtest.h>
#include "support/entities.h"

namespace {

Entity lineFrom(int x, int y) {
    return lineEntity(x, y, x + 15, y);
}

class LibraryTest : public ::testing::Test {
  protected:
    void SetUp() override { allocateLibrary(library); }
    Library library;
    WorkingCopy work;
};

TEST_F(LibraryTest, CountStopsAtFirstSlotWithAZeroStartCoordinate) {
    EntityArray slots{};
    EXPECT_EQ(countEntities(slots), 0);
    slots[0] = lineFrom(20, 20);
    slots[1] = lineFrom(35, 20);
    slots[2] = lineFrom(50, 0);  // y = 0 ends the list
    slots[3] = lineFrom(65, 20);
    EXPECT_EQ(countEntities(slots), 2);
    for (Entity& e : slots) {
        e = lineFrom(20, 20);
    }
    EXPECT_EQ(countEntities(slots), MaxEntities);
}

TEST_F(LibraryTest, ClearLibraryEmptiesEntriesButKeepsTheCount) {
    library.entryCount = 3;
    library.entry(2).name.assign("Tree");
    library.entry(2).originX = 155;
    library.entry(2).useColours = 1;
    library.entities(2)[0] = lineFrom(20, 20);
    clearLibrary(library);
    EXPECT_EQ(library.entryCount, 3);
    EXPECT_TRUE(library.entry(2).name.empty());
    EXPECT_EQ(library.entry(2).originX, 0);
    EXPECT_EQ(library.entry(2).useColours, 1);
    EXPECT_EQ(countEntities(library.entities(2)), 0);
}

TEST_F(LibraryTest, LoadingAnEntryBeyondTheCountCopiesNothing) {
    library.entryCount = 1;
    work.workEntityCount = 7;
    work.workEntry.name.assign("kept");
    EXPECT_FALSE(copyEntryToWork(library, 2, work));
    EXPECT_FALSE(copyEntryToWork(library, 0, work));
    EXPECT_EQ(work.workEntityCount, 7);
    EXPECT_EQ(work.workEntry.name.view(), "kept");
}

TEST_F(LibraryTest, StoringAnEntryWithoutEntitiesFreesTheStoredOnes) {
    library.entryCount = 1;
    library.entities(1)[0] = lineFrom(20, 20);
    library.entities(1)[1] = lineFrom(35, 20);
    ASSERT_TRUE(copyEntryToWork(library, 1, work));
    ASSERT_EQ(work.workEntityCount, 2);

    work.workEntityCount = 0;  // every line deleted
    work.workEntry.name.assign("Bare");
    copyWorkToEntry(library, 1, work);
    EXPECT_EQ(countEntities(library.entities(1)), 0);
    EXPECT_EQ(library.entry(1).name.view(), "Bare");
}

TEST_F(LibraryTest, StoringCopiesOnlyTheLeadingCountedSlots) {
    library.entryCount = 1;
    for (int i = 0; i < 5; ++i) {
        library.entities(1)[i] = lineFrom(20 + 15 * i, 20);
    }
    ASSERT_TRUE(copyEntryToWork(library, 1, work));
    work.workEntityCount = 3;  // the last two were deleted; their slots still hold data
    copyWorkToEntry(library, 1, work);
    EXPECT_EQ(countEntities(library.entities(1)), 3);
}

TEST_F(LibraryTest, NamesAreCutToTwentyBytesWithBlanksKept) {
    EntryName name(" a name of 25 chars long ");
    EXPECT_EQ(name.view(), " a name of 25 chars ");
    EXPECT_EQ(name.view().size(), 20u);
}

TEST_F(LibraryTest, DeletingAnEntryMovesTheLaterOnesUpAndEmptiesTheLastPlace) {
    library.entryCount = 3;
    for (int n = 1; n <= 3; ++n) {
        library.entry(n).name.assign(std::string(1, static_cast<char>('A' + n - 1)));
        library.entities(n)[0] = lineFrom(20 * n, 20);
    }
    deleteEntryData(library, 1);
    EXPECT_EQ(library.entryCount, 2);
    EXPECT_EQ(library.entry(1).name.view(), "B");
    EXPECT_EQ(library.entry(2).name.view(), "C");
    EXPECT_EQ(library.entities(1)[0].x1, 40);
    EXPECT_TRUE(library.entry(3).name.empty());
    EXPECT_EQ(countEntities(library.entities(3)), 0);
}

TEST_F(LibraryTest, DeletingTheLastEntryEmptiesItsPlaceAndKeepsTheOthers) {
    library.entryCount = 2;
    for (int n = 1; n <= 2; ++n) {
        library.entry(n).name.assign(std::string(1, static_cast<char>('A' + n - 1)));
        library.entry(n).originX = 155;
        library.entities(n)[0] = lineFrom(20 * n, 20);
    }
    deleteEntryData(library, 2);
    EXPECT_EQ(library.entryCount, 1);
    EXPECT_EQ(library.entry(1).name.view(), "A");
    EXPECT_EQ(library.entities(1)[0].x1, 20);
    EXPECT_TRUE(library.entry(2).name.empty());
    EXPECT_EQ(library.entry(2).originX, 0);
    EXPECT_EQ(countEntities(library.entities(2)), 0);
    deleteEntryData(library, 1);
    EXPECT_EQ(library.entryCount, 0);
    EXPECT_EQ(countEntities(library.entities(1)), 0);
    deleteEntryData(library, 1);  // nothing left to delete
    EXPECT_EQ(library.entryCount, 0);
}

}  // namespace
