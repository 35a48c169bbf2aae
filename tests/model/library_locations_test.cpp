#include "model/library_locations.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "support/memory_settings_store.h"

namespace {

constexpr SettingsRoot User = SettingsRoot::CurrentUser;
constexpr SettingsRoot Machine = SettingsRoot::LocalMachine;

class LibraryLocationsTest : public ::testing::Test {
  protected:
    void setUserLibrary(std::string_view value) {
        store.setValue(User, HostGeneralKey, SymbolLibraryValue, value);
    }
    void setHostPath(std::string_view path) {
        store.setValue(Machine, HostAppPathsKey, HostPathValue, path);
    }
    DefaultLibraryResult offer(const std::string& fileName, bool answer = true) {
        return offerAsDefaultLibrary(store, LibraryKind::Symbol, fileName, [&] {
            ++questions;
            return answer;
        });
    }

    MemorySettingsStore store;
    int questions = 0;
};

TEST_F(LibraryLocationsTest, SavedFileMatchingTheDefaultIgnoringCaseAsksNothing) {
    setUserLibrary("D:\\maps\\std.sym");
    EXPECT_EQ(offer("D:\\MAPS\\STD.SYM").outcome, DefaultLibraryOutcome::AlreadyDefault);
    EXPECT_EQ(questions, 0);

    EXPECT_EQ(offer("D:\\maps\\other.sym", false).outcome, DefaultLibraryOutcome::Declined);
    EXPECT_EQ(offer("D:\\maps\\other.sym", false).outcome, DefaultLibraryOutcome::Declined);
    EXPECT_EQ(questions, 2);
    EXPECT_EQ(store.writes, 0);

    EXPECT_EQ(offer("D:\\maps\\other.sym").outcome, DefaultLibraryOutcome::Recorded);
    EXPECT_EQ(store.readText(User, HostGeneralKey, SymbolLibraryValue), "D:\\maps\\other.sym");
    EXPECT_EQ(offer("d:\\maps\\OTHER.sym").outcome, DefaultLibraryOutcome::AlreadyDefault);
    EXPECT_EQ(questions, 3);
}

TEST_F(LibraryLocationsTest, BareNameIsJoinedToTheDirectoryAfterTheFirstSemicolon) {
    setUserLibrary("std.sym");
    setHostPath("C:\\host;C:\\host\\libs");
    EXPECT_EQ(defaultLibraryPath(store, LibraryKind::Symbol), "C:\\host\\libs\\std.sym");

    setHostPath("C:\\host;D:\\one;D:\\two");
    EXPECT_EQ(defaultLibraryPath(store, LibraryKind::Symbol), "D:\\one;D:\\two\\std.sym");
    setHostPath("C:\\only");
    EXPECT_EQ(defaultLibraryPath(store, LibraryKind::Symbol), "C:\\only\\std.sym");
    setHostPath("/usr/lib/host;/opt/host/libs");
    EXPECT_EQ(defaultLibraryPath(store, LibraryKind::Symbol), "/opt/host/libs/std.sym");
}

TEST_F(LibraryLocationsTest, FullPathsAndMissingAppPathsLeaveTheValueAsItIs) {
    setUserLibrary("C:\\maps\\std.sym");
    setHostPath("C:\\host;C:\\host\\libs");
    EXPECT_EQ(defaultLibraryPath(store, LibraryKind::Symbol), "C:\\maps\\std.sym");
    setUserLibrary("/home/maps/std.sym");
    EXPECT_EQ(defaultLibraryPath(store, LibraryKind::Symbol), "/home/maps/std.sym");

    MemorySettingsStore noAppPaths;
    noAppPaths.setValue(User, HostGeneralKey, SymbolLibraryValue, "std.sym");
    EXPECT_EQ(defaultLibraryPath(noAppPaths, LibraryKind::Symbol), "std.sym");
}

TEST_F(LibraryLocationsTest, MissingLibraryValueGivesTheDirectoryWithASeparator) {
    store.addKey(User, HostGeneralKey);
    setHostPath("C:\\host;C:\\host\\libs");
    EXPECT_EQ(defaultLibraryPath(store, LibraryKind::Symbol), "C:\\host\\libs\\");
}

TEST_F(LibraryLocationsTest, KindSelectsTheValueAndTheMachineStandsInForTheUser) {
    store.setValue(Machine, HostGeneralKey, SymbolLibraryValue, "M:\\std.sym");
    store.setValue(Machine, HostGeneralKey, LinetypeLibraryValue, "M:\\std.ltp");
    EXPECT_EQ(defaultLibraryPath(store, LibraryKind::Symbol), "M:\\std.sym");
    EXPECT_EQ(defaultLibraryPath(store, LibraryKind::LineType), "M:\\std.ltp");

    // The user's key exists but lacks the line type value: the machine's value is used.
    setUserLibrary("U:\\mine.sym");
    EXPECT_EQ(defaultLibraryPath(store, LibraryKind::Symbol), "U:\\mine.sym");
    EXPECT_EQ(defaultLibraryPath(store, LibraryKind::LineType), "M:\\std.ltp");

    EXPECT_EQ(setDefaultLibrary(store, LibraryKind::LineType, "U:\\mine.ltp").outcome,
              DefaultLibraryOutcome::Recorded);
    EXPECT_EQ(store.readText(User, HostGeneralKey, LinetypeLibraryValue), "U:\\mine.ltp");
    EXPECT_EQ(store.readText(User, HostGeneralKey, SymbolLibraryValue), "U:\\mine.sym");
    EXPECT_EQ(store.readText(Machine, HostGeneralKey, LinetypeLibraryValue), "M:\\std.ltp");
}

TEST_F(LibraryLocationsTest, WithoutHostSettingsEverySaveAsksAndYesRecordsNothing) {
    EXPECT_EQ(defaultLibraryPath(store, LibraryKind::Symbol), "");
    for (int save = 0; save < 3; ++save) {
        EXPECT_EQ(offer("/maps/std.sym").outcome, DefaultLibraryOutcome::NoHostSettings);
    }
    EXPECT_EQ(questions, 3);
    EXPECT_EQ(store.writes, 0);
    EXPECT_FALSE(store.hasKey(User, HostGeneralKey));
}

TEST_F(LibraryLocationsTest, WriteIsRefusedWhenTheKeyExistsOnlyForTheMachine) {
    store.setValue(Machine, HostGeneralKey, SymbolLibraryValue, "M:\\std.sym");
    const DefaultLibraryResult result = offer("/maps/new.sym");
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(result.outcome, DefaultLibraryOutcome::WriteFailed);
    EXPECT_EQ(result.write.name, SymbolLibraryValue);
    EXPECT_EQ(result.write.subject, HostGeneralKey);
    EXPECT_EQ(store.writes, 0);
    EXPECT_FALSE(store.hasKey(User, HostGeneralKey));
    EXPECT_EQ(store.readText(Machine, HostGeneralKey, SymbolLibraryValue), "M:\\std.sym");
}

TEST_F(LibraryLocationsTest, LongValuesAreUsedWhileTheHostDirectoryIsCutTo255) {
    const std::string longName(10000, 'n');
    setUserLibrary(longName);
    EXPECT_EQ(defaultLibraryPath(store, LibraryKind::Symbol), longName);

    const std::string longDirectory = "C:\\" + std::string(9997, 'd');
    setHostPath("C:\\host;" + longDirectory);
    const std::string path = defaultLibraryPath(store, LibraryKind::Symbol);
    EXPECT_EQ(path, longDirectory.substr(0, MaxHostDirectoryLength) + "\\" + longName);

    const std::string longFile = "D:\\" + std::string(9997, 'f');
    EXPECT_EQ(offer(longFile).outcome, DefaultLibraryOutcome::Recorded);
    EXPECT_EQ(defaultLibraryPath(store, LibraryKind::Symbol), longFile);
}

TEST(IsReadOnlyFile, FollowsTheWritePermissionAndIsFalseForMissingFiles) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("glyph-readonly-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::filesystem::path file = dir / "lib.sym";
    std::ofstream(file) << "x";

    EXPECT_FALSE(isReadOnlyFile(file.string()));
    std::filesystem::permissions(file, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::group_read |
                                           std::filesystem::perms::others_read);
    EXPECT_TRUE(isReadOnlyFile(file.string()));
    EXPECT_FALSE(isReadOnlyFile((dir / "missing.sym").string()));
    EXPECT_FALSE(isReadOnlyFile(""));

    std::filesystem::remove_all(dir);
}

}  // namespace
