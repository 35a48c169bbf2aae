#include "app/character_set.h"

#include <gtest/gtest.h>

TEST(CharacterSet, EastAsianCodePagesSelectTheirCharacterSets) {
    EXPECT_EQ(charsetForCodePage(932), FontCharset::ShiftJis);
    EXPECT_EQ(static_cast<int>(charsetForCodePage(936)), 134);
    EXPECT_EQ(static_cast<int>(charsetForCodePage(949)), 129);
    EXPECT_EQ(static_cast<int>(charsetForCodePage(950)), 136);
}

TEST(CharacterSet, EveryOtherCodePageSelectsTheDefault) {
    for (int codePage : {1252, 1250, 437, 65001, 0, -1}) {
        EXPECT_EQ(charsetForCodePage(codePage), FontCharset::Default) << codePage;
    }
}
