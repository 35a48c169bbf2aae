#include "model/see_thru_registry.h"

#include <gtest/gtest.h>

#include "support/memory_settings_store.h"

namespace {

constexpr std::string_view Key = "Software\\Maker\\Product";
constexpr SettingsRoot User = SettingsRoot::CurrentUser;
constexpr SettingsRoot Machine = SettingsRoot::LocalMachine;

class SeeThruRegistryTest : public ::testing::Test {
  protected:
    MemorySettingsStore store;
    TSeeThruRegistry registry{store};
};

TEST_F(SeeThruRegistryTest, KeyOnlyForTheMachineOpensReadOnlyFromTheMachineAndCloseReturns) {
    store.setValue(Machine, Key, "Name", "machine");
    ASSERT_TRUE(registry.openKey(Key, false));
    EXPECT_EQ(registry.rootKey(), Machine);
    EXPECT_TRUE(registry.isReadOnly());
    EXPECT_EQ(registry.readString("Name"), "machine");

    const SettingsWrite write = registry.writeString("Name", "changed");
    EXPECT_FALSE(write.ok());
    EXPECT_EQ(write.failure, SettingsFailure::KeyOnlyForMachine);
    EXPECT_EQ(write.name, "Name");
    EXPECT_EQ(write.subject, Key);
    EXPECT_EQ(store.writes, 0);
    EXPECT_EQ(store.readText(Machine, Key, "Name"), "machine");

    registry.closeKey();
    EXPECT_EQ(registry.rootKey(), User);
    EXPECT_FALSE(registry.hasOpenKey());
}

TEST_F(SeeThruRegistryTest, KeyForNeitherRootFailsToOpenAndCreatingMakesItTheUsers) {
    EXPECT_FALSE(registry.openKey(Key, false));
    EXPECT_FALSE(registry.hasOpenKey());
    EXPECT_EQ(registry.readString("Name"), "");
    EXPECT_FALSE(registry.writeString("Name", "x").ok());

    store.setValue(Machine, Key, "Name", "machine");
    ASSERT_TRUE(registry.openKey(Key, true));
    EXPECT_EQ(registry.rootKey(), User);
    EXPECT_FALSE(registry.isReadOnly());
    EXPECT_TRUE(store.hasKey(User, Key));
    EXPECT_TRUE(registry.writeString("Name", "user").ok());
    EXPECT_EQ(store.readText(User, Key, "Name"), "user");
    EXPECT_EQ(store.readText(Machine, Key, "Name"), "machine");
}

TEST_F(SeeThruRegistryTest, ValueMissingForTheUserIsReadFromTheMachineAndTheUserKeyStaysOpen) {
    store.setValue(User, Key, "Own", "user");
    store.setValue(Machine, Key, "Own", "machine own");
    store.setValue(Machine, Key, "Shared", "machine");
    ASSERT_TRUE(registry.openKey(Key, false));
    EXPECT_EQ(registry.rootKey(), User);
    EXPECT_EQ(registry.readString("Own"), "user");
    EXPECT_EQ(registry.readString("Shared"), "machine");
    EXPECT_EQ(registry.readString("Nowhere"), "");
    EXPECT_EQ(registry.rootKey(), User);
    EXPECT_TRUE(registry.writeString("Shared", "mine").ok());
    EXPECT_EQ(registry.readString("Shared"), "mine");
}

TEST_F(SeeThruRegistryTest, AnEmptyUserValueHidesTheMachineValue) {
    store.setValue(User, Key, "Name", "");
    store.setValue(Machine, Key, "Name", "machine");
    ASSERT_TRUE(registry.openKey(Key, false));
    EXPECT_EQ(registry.readString("Name"), "");
}

TEST_F(SeeThruRegistryTest, UserKeyThatCannotBeWrittenOpensReadOnlyForTheUser) {
    store.setValue(User, Key, "Name", "user");
    store.setWritable(User, false);
    ASSERT_TRUE(registry.openKey(Key, false));
    EXPECT_EQ(registry.rootKey(), User);
    EXPECT_TRUE(registry.isReadOnly());
    EXPECT_FALSE(registry.writeString("Name", "x").ok());
    EXPECT_FALSE(registry.openKey("Software\\Other", true));
}

TEST_F(SeeThruRegistryTest, MachineRootOpensReadOnlyWithoutFallingBackAndStaysThereOnClose) {
    store.setValue(User, Key, "Name", "user");
    registry.setRootKey(Machine);
    EXPECT_FALSE(registry.openKeyReadOnly(Key));
    store.setValue(Machine, Key, "Other", "machine");
    ASSERT_TRUE(registry.openKeyReadOnly(Key));
    EXPECT_EQ(registry.readString("Name"), "");
    EXPECT_EQ(registry.readString("Other"), "machine");
    registry.closeKey();
    EXPECT_EQ(registry.rootKey(), Machine);
}

TEST_F(SeeThruRegistryTest, StoreRefusingAWriteIsReportedWithTheValueName) {
    store.setValue(User, Key, "Name", "user");
    ASSERT_TRUE(registry.openKey(Key, false));
    store.setWritable(User, false);
    const SettingsWrite write = registry.writeString("Name", "x");
    EXPECT_FALSE(write.ok());
    EXPECT_EQ(write.failure, SettingsFailure::FileReadOnly);
    EXPECT_EQ(write.name, "Name");
}

}  // namespace
