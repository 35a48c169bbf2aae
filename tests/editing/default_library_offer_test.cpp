#include "editing/default_library_offer.h"

#include <gtest/gtest.h>

#include "editing/support/recording_editor_ui.h"
#include "editing/support/test_ports.h"
#include "support/memory_settings_store.h"

namespace {

class DefaultLibraryOfferTest : public ::testing::Test {
  protected:
    DefaultLibraryResult offer(const std::string& fileName) {
        return offerAsDefaultLibrary(store, LibraryKind::LineType, fileName, ui, strings);
    }

    MemorySettingsStore store;
    RecordingEditorUi ui;
    TableStrings strings{{{102, "Set saved library as System library?"},
                          {105, "Confirm"},
                          {106, "Warning"},
                          {130, "no host settings"},
                          {131, "not recorded"},
                          {171, "failed for %1"},
                          {173, "%1 is the machine's"}}};
};

TEST_F(DefaultLibraryOfferTest, YesRecordsTheLineTypeDefaultAfterAskingWithTheConfirmBox) {
    store.setValue(SettingsRoot::CurrentUser, HostGeneralKey, LinetypeLibraryValue, "old.ltp");
    ui.answer = MessageAnswer::Yes;
    EXPECT_EQ(offer("/maps/new.ltp").outcome, DefaultLibraryOutcome::Recorded);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Set saved library as System library?");
    EXPECT_EQ(ui.messages[0].caption, "Confirm");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Question);
    EXPECT_EQ(ui.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(store.readText(SettingsRoot::CurrentUser, HostGeneralKey, LinetypeLibraryValue),
              "/maps/new.ltp");

    EXPECT_EQ(offer("/MAPS/NEW.LTP").outcome, DefaultLibraryOutcome::AlreadyDefault);
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(DefaultLibraryOfferTest, NoLeavesTheSettingsAlone) {
    store.setValue(SettingsRoot::CurrentUser, HostGeneralKey, LinetypeLibraryValue, "old.ltp");
    ui.answer = MessageAnswer::No;
    EXPECT_EQ(offer("/maps/new.ltp").outcome, DefaultLibraryOutcome::Declined);
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(store.writes, 0);
}

TEST_F(DefaultLibraryOfferTest, RefusedWriteIsShownAsAWarningThatNamesTheValue) {
    store.setValue(SettingsRoot::LocalMachine, HostGeneralKey, LinetypeLibraryValue, "m.ltp");
    ui.answer = MessageAnswer::Yes;
    EXPECT_EQ(offer("/maps/new.ltp").outcome, DefaultLibraryOutcome::WriteFailed);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text, "not recorded\nfailed for Linetype Library\n" +
                                       std::string(HostGeneralKey) + " is the machine's");
    EXPECT_EQ(ui.messages[1].caption, "Warning");
    EXPECT_EQ(ui.messages[1].icon, MessageIcon::Warning);
    EXPECT_EQ(ui.messages[1].buttons, MessageButtons::Ok);
}

TEST_F(DefaultLibraryOfferTest, WithoutHostSettingsYesWarnsThatNothingWasRecorded) {
    ui.answer = MessageAnswer::Yes;
    EXPECT_EQ(offer("/maps/new.ltp").outcome, DefaultLibraryOutcome::NoHostSettings);
    EXPECT_EQ(offer("/maps/new.ltp").outcome, DefaultLibraryOutcome::NoHostSettings);
    ASSERT_EQ(ui.messages.size(), 4u);
    EXPECT_EQ(ui.messages[1].text, "no host settings");
    EXPECT_EQ(ui.messages[1].caption, "Warning");
    EXPECT_EQ(ui.messages[1].icon, MessageIcon::Warning);
    EXPECT_EQ(store.writes, 0);
}

}  // namespace
