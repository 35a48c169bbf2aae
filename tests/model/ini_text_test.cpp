#include "model/ini_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <utility>

namespace {

constexpr std::string_view General = "Software\\Veltrax\\Veltrax Plotwerk\\1.6\\General";

// How many bytes of before the change to after replaced: after is before with one stretch cut
// out and another put in; the answer is the length of the stretch cut out.
size_t bytesReplaced(const std::string& before, const std::string& after) {
    const size_t shorter = std::min(before.size(), after.size());
    size_t prefix = 0;
    while (prefix < shorter && before[prefix] == after[prefix]) {
        ++prefix;
    }
    size_t suffix = 0;
    while (suffix < shorter - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
        ++suffix;
    }
    return before.size() - prefix - suffix;
}

using Address = std::pair<std::string, std::string>;

TEST(IniText, AnyValueWrittenReadsBackAndOnlyItsOwnTextChanges) {
    const std::vector<std::string> files = {
        "",
        "; hand-written\r\n[Software]\r\nVeltrax\\Veltrax%20Plotwerk\\1.6\\General\\Symbol%20"
        "Library=C:\\\\maps\\\\std.sym\r\n\r\n[Other]\r\nA=1\r\n",
        "\xEF\xBB\xBF[software\\veltrax\\veltrax plotwerk\\1.6\\general]\n"
        "symbol%20library = D:\\maps\\new\\std.sym   \n# end\n[Zoom]\nFactor=2",
        "Top=1\n[Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\PWHost.exe]\n"
        "Path=\"C:\\\\host;/opt/host/libs\"\n[Software\\Veltrax]\nx=\n",
        "[Software]\nGood=1\n[unclosed\nVeltrax\\Later=2\n",
    };
    const std::vector<Address> addresses = {
        {std::string(General), "Symbol Library"},
        {std::string(General), "Linetype Library"},
        {"Software\\Veltrax", "x"},
        {"Zoom", "Factor"},
        {"", "Top"},
        {"Other", "A"},
        {"Software\\New Maker\\100%", "Name=Odd[1]"},
    };
    const std::vector<std::string> pieces = {
        "C:",          "\\", "\\\\", "maps", " ",   "\t", "\"",
        "=",           ";",  "#",    "[x]",  "%20", "ü",  "@Variant(\\0\\0\\0\\x7f)",
        "@ByteArray(", "/",  ",",    "'",    "a",
    };
    std::mt19937 random(12);
    for (int round = 0; round < 3000; ++round) {
        const IniText before(files[random() % files.size()]);
        const auto& [key, name] = addresses[random() % addresses.size()];
        std::string value;
        for (int n = static_cast<int>(random() % 6); n > 0; --n) {
            value += pieces[random() % pieces.size()];
        }
        const std::optional<std::string> changed = before.withValue(key, name, value);
        ASSERT_TRUE(changed) << value;
        const IniText after(*changed);
        ASSERT_EQ(after.value(key, name), value) << *changed;
        EXPECT_EQ(after.complete(), before.complete());
        // At most the old value's text, which is the value with its backslashes doubled and
        // quotes around it; nothing when the value is new.
        const std::optional<std::string> old = before.value(key, name);
        EXPECT_LE(bytesReplaced(before.text(), *changed), old ? 2 * old->size() + 2 : 0)
            << *changed;
        for (const auto& [otherKey, otherName] : addresses) {
            if (std::make_pair(otherKey, otherName) != std::make_pair(key, name)) {
                EXPECT_EQ(after.value(otherKey, otherName), before.value(otherKey, otherName));
            }
        }
    }
}

TEST(IniText, ValuesArePlainTextFoundWhateverTheCaseOfTheirNames) {
    const IniText text(
        "[software]\n"
        "veltrax\\VELTRAX%20plotwerk\\1.6\\General\\symbol%20library=D:\\maps\\new\\std.sym\n"
        "Veltrax/Veltrax Plotwerk/1.6/General/Linetype Library=\"C:\\\\maps\\\\std.ltp\"\n"
        "[Software\\Veltrax\\Veltrax Ducton\\4.0]\n"
        "Font Size Adjustment=@Variant(" +
        std::string(50000, '(') +
        ")\n"
        "Nested=first\nnested=second\n");
    EXPECT_TRUE(text.complete());
    EXPECT_EQ(text.value(General, "Symbol Library"), "D:\\maps\\new\\std.sym");
    EXPECT_EQ(text.value(General, "LINETYPE LIBRARY"), "C:\\maps\\std.ltp");
    EXPECT_EQ(text.value("Software\\Veltrax\\Veltrax Ducton\\4.0", "Font Size Adjustment")->size(),
              50010u);
    EXPECT_EQ(text.value("Software\\Veltrax\\Veltrax Ducton\\4.0", "Nested"), "second");
    EXPECT_TRUE(text.keyExists("SOFTWARE\\veltrax"));
    EXPECT_TRUE(text.keyExists("Software\\Veltrax\\Veltrax Ducton\\4.0"));
    EXPECT_FALSE(text.keyExists("Software\\Veltrax\\Veltrax Plot"));
    EXPECT_FALSE(text.value(General, "Symbol"));
    EXPECT_FALSE(text.value("Software", "Veltrax\\Veltrax Plotwerk"));
}

TEST(IniText, ALineThatDoesNotParseEndsTheReadingAndNewValuesGoBeforeIt) {
    const IniText text("[A]\nKept=1\n[unclosed\nB=2\n[C]\nD=3\n");
    EXPECT_FALSE(text.complete());
    EXPECT_EQ(text.value("A", "Kept"), "1");
    EXPECT_FALSE(text.value("unclosed", "B"));
    EXPECT_FALSE(text.value("C", "D"));
    EXPECT_EQ(*text.withValue("C", "D", "4"),
              "[A]\nKept=1\n\n[C]\nD=4\n[unclosed\nB=2\n[C]\nD=3\n");
    for (const char* bad : {"no equals sign\n", "=no name\n", "A=\x01\n", "[]]x\n"}) {
        EXPECT_FALSE(IniText(bad).complete()) << bad;
    }
}

TEST(IniText, NewValuesJoinTheSectionNamingMostOfTheirKeyInItsLineEndings) {
    const std::string file =
        "; settings\r\n[Software]\r\nVeltrax\\Other=1\r\n\r\n; next\r\n[Zoom]\r\nFactor=2";
    EXPECT_EQ(*IniText(file).withValue(General, "Symbol Library", "/home/me/std.sym"),
              "; settings\r\n[Software]\r\nVeltrax\\Other=1\r\n"
              "Veltrax\\Veltrax%20Plotwerk\\1.6\\General\\Symbol%20Library=/home/me/std.sym\r\n"
              "\r\n; next\r\n[Zoom]\r\nFactor=2");
    EXPECT_EQ(*IniText(file).withValue("Zoom", "Percent", "200"), file + "\r\nPercent=200\r\n");
    EXPECT_EQ(*IniText(file).withValue("Help\\Window", "Size", "1 2"),
              file + "\r\n\r\n[Help\\Window]\r\nSize=1 2\r\n");
    EXPECT_FALSE(IniText(file).withValue("Zoom", "Factor", "two\nlines"));
    EXPECT_FALSE(IniText(file).withValue("Zoom", "A/B", "1"));
    EXPECT_FALSE(IniText(file).withValue("Zoom", "", "1"));
}

}  // namespace
