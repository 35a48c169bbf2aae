#include "app/command_line.h"

#include <gtest/gtest.h>

#include <set>

namespace {

StartupChoice choose(std::string_view argument, std::set<std::string> existing = {}) {
    return chooseLibrary(argument,
                         [&](const std::string& name) { return existing.count(name) > 0; });
}

TEST(CommandLine, LineTypeKindFromLtpAnywhereInTheUpperCasedArgument) {
    EXPECT_EQ(choose("roads.ltp", {"roads.ltp"}).kind, LibraryKind::LineType);
    EXPECT_EQ(choose("roads.LTP.bak", {"roads.LTP.bak"}).kind, LibraryKind::LineType);
    EXPECT_EQ(choose("/data/x.ltpfiles/std.sym", {"/data/x.ltpfiles/std.sym"}).kind,
              LibraryKind::LineType);
    EXPECT_EQ(choose("roads.sym", {"roads.sym"}).kind, LibraryKind::Symbol);
    EXPECT_EQ(choose("roadsltp").kind, LibraryKind::Symbol);
    EXPECT_EQ(choose("").kind, LibraryKind::Symbol);
}

TEST(CommandLine, ExistingFileIsRead) {
    const StartupChoice choice = choose("roads.ltp", {"roads.ltp"});
    EXPECT_EQ(choice.fileName, "roads.ltp");
}

TEST(CommandLine, LeadingStarOrMissingFileLeavesNoFileButKeepsTheKind) {
    const StartupChoice star = choose("*.ltp", {"*.ltp"});
    EXPECT_EQ(star.kind, LibraryKind::LineType);
    EXPECT_EQ(star.fileName, "");
    EXPECT_EQ(choose("*.sym").kind, LibraryKind::Symbol);

    const StartupChoice missing = choose("gone.ltp");
    EXPECT_EQ(missing.kind, LibraryKind::LineType);
    EXPECT_EQ(missing.fileName, "");
}

TEST(CommandLine, NameTooLongToHoldIsNotCutToAnotherFile) {
    const std::string longName = std::string(250, 'a') + "/std.sym";
    const std::string cut = longName.substr(0, MaxFileNameLength);
    const StartupChoice choice = choose(longName, {longName, cut});
    EXPECT_EQ(choice.fileName, "");

    const std::string longest(MaxFileNameLength, 'b');
    EXPECT_EQ(choose(longest, {longest}).fileName, longest);
}

}  // namespace
