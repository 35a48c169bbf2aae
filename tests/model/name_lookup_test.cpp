#include "model/name_lookup.h"

#include <gtest/gtest.h>

namespace {

class NameLookupTest : public ::testing::Test {
  protected:
    void SetUp() override {
        allocateLibrary(library);
        for (const char* name : {"Tree", " Well ", "A name of twenty ch."}) {
            library.entry(++library.entryCount).name.assign(name);
        }
    }
    Library library;
};

TEST_F(NameLookupTest, EveryEntryCountsAndTheComparisonIsExact) {
    EXPECT_FALSE(isNameUnique(library, "Tree"));
    EXPECT_FALSE(isNameUnique(library, " Well "));
    EXPECT_TRUE(isNameUnique(library, "tree"));
    EXPECT_TRUE(isNameUnique(library, "Well"));
    EXPECT_TRUE(isNameUnique(library, " Well"));
    EXPECT_TRUE(isNameUnique(library, "Tree "));
    EXPECT_TRUE(isNameUnique(library, "Church"));
}

TEST_F(NameLookupTest, OnlyTheFirstTwentyCharactersTakePart) {
    EXPECT_FALSE(isNameUnique(library, "A name of twenty ch. and more"));
    EXPECT_TRUE(isNameUnique(library, "A name of twenty ch"));
}

TEST_F(NameLookupTest, EntriesBeyondTheCountAreNotLookedAt) {
    library.entry(4).name.assign("Left over");
    EXPECT_TRUE(isNameUnique(library, "Left over"));
    library.entryCount = 0;
    EXPECT_TRUE(isNameUnique(library, "Tree"));
    EXPECT_TRUE(isNameUnique(library, ""));
}

}  // namespace
