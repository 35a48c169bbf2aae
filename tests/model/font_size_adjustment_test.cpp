#include "model/font_size_adjustment.h"

#include <gtest/gtest.h>

#include "support/memory_settings_store.h"

namespace {

constexpr SettingsRoot User = SettingsRoot::CurrentUser;
constexpr SettingsRoot Machine = SettingsRoot::LocalMachine;

TEST(FontSizeAdjustment, TextsThatAreNoWholeNumberGiveZeroAndHugeOnesAreClamped) {
    EXPECT_EQ(parseFontSizeAdjustment("2"), 2);
    EXPECT_EQ(parseFontSizeAdjustment(" -3 "), -3);
    EXPECT_EQ(parseFontSizeAdjustment("+4"), 4);
    for (const char* text : {"", "  ", "abc", "2.5", "3pt", "+-2", "--1", "0x10", "1 2"}) {
        EXPECT_EQ(parseFontSizeAdjustment(text), 0) << text;
    }
    EXPECT_EQ(parseFontSizeAdjustment("100"), MaxFontSizeAdjustment);
    EXPECT_EQ(parseFontSizeAdjustment("-100"), MinFontSizeAdjustment);
    EXPECT_EQ(parseFontSizeAdjustment(std::string(10000, '9')), MaxFontSizeAdjustment);
    EXPECT_EQ(parseFontSizeAdjustment("-" + std::string(10000, '9')), MinFontSizeAdjustment);
}

TEST(FontSizeAdjustment, UserKeyIsCreatedAndTheMachineValueStandsInForAMissingOne) {
    MemorySettingsStore store;
    EXPECT_EQ(readFontSizeAdjustment(store), 0);
    EXPECT_TRUE(store.hasKey(User, FontSettingsKey));

    store.setValue(Machine, FontSettingsKey, FontSizeAdjustmentValue, "3");
    EXPECT_EQ(readFontSizeAdjustment(store), 3);
    store.setValue(User, FontSettingsKey, FontSizeAdjustmentValue, "-2");
    EXPECT_EQ(readFontSizeAdjustment(store), -2);
    EXPECT_EQ(store.writes, 0);
}

TEST(FontSizeAdjustment, MachineValueIsReadWhenTheUserStoreCannotBeWritten) {
    MemorySettingsStore store;
    store.setWritable(User, false);
    store.setValue(Machine, FontSettingsKey, FontSizeAdjustmentValue, "5");
    EXPECT_EQ(readFontSizeAdjustment(store), 5);
}

}  // namespace
