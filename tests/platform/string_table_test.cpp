#include "platform/string_table.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/strings_module.h"

namespace {

NumberedTexts parse(std::string_view text) {
    return parseStringTable(text);
}

TEST(StringTableFile, ReadsNumberTabTextLinesAndIgnoresCommentsAndBlankLines) {
    const NumberedTexts texts = parse(
        "# a comment\n"
        "\n"
        "1\tAdd New Line Type\n"
        "70\t&File\r\n"
        "9\t  spaced  \n"
        "12\t\n"
        "13\tLast line without end");
    EXPECT_EQ(texts, (NumberedTexts{{1, "Add New Line Type"},
                                    {70, "&File"},
                                    {9, "  spaced  "},
                                    {12, ""},
                                    {13, "Last line without end"}}));
}

TEST(StringTableFile, SkipsEveryBadLineAndKeepsTheGoodOnes) {
    const NumberedTexts texts = parse(
        "1 Space instead of tab\n"
        "\tNo number\n"
        "x2\tLetter before\n"
        "2x\tLetter after\n"
        "-3\tNegative\n"
        "+4\tSigned\n"
        " 5\tLeading blank\n"
        "0\tZero\n"
        "65536\tToo large\n"
        "99999999999999999999\tOverflow\n"
        "6\tFirst\n"
        "6\tRepeated\n"
        "7\tBad \xC3\x28 UTF-8\n"
        "8\tTab\tinside\n"
        "65535\tLargest\n");
    EXPECT_EQ(texts, (NumberedTexts{{6, "First"}, {8, "Tab\tinside"}, {65535, "Largest"}}));
}

TEST(StringTableFile, DropsAByteOrderMarkAndKeepsNonAsciiText) {
    const NumberedTexts texts = parse(
        "\xEF\xBB\xBF"
        "106\tWarnung \xC3\xBC\n");
    EXPECT_EQ(texts, (NumberedTexts{{106, "Warnung \xC3\xBC"}}));
}

TEST(StringTableFile, CutsLongTextsTo1023CharactersWithoutSplittingACharacter) {
    const std::string ascii(2000, 'a');
    EXPECT_EQ(parse("1\t" + ascii).at(1), std::string(MaxStringLength, 'a'));

    // 1022 letters, then a character outside the BMP (a surrogate pair in UTF-16).
    const std::string pairAtTheEnd = std::string(1022, 'b') + "\xF0\x9F\x98\x80" + "c";
    EXPECT_EQ(parse("2\t" + pairAtTheEnd).at(2), std::string(1022, 'b'));

    const std::string umlauts = [] {
        std::string s;
        for (int i = 0; i < 1100; ++i) {
            s += "\xC3\xA4";
        }
        return s;
    }();
    EXPECT_EQ(QString::fromStdString(parse("3\t" + umlauts).at(3)).size(), MaxStringLength);
}

TEST(StringTableFile, SurvivesArbitraryBytes) {
    std::string noise;
    for (int i = 0; i < 4096; ++i) {
        noise += char((i * 7919 + i / 13) & 0xFF);
    }
    for (const NumberedTexts& texts : {parse(noise), parse(noise.substr(1)), parse("\n\n\t\t\n")}) {
        for (const auto& [n, text] : texts) {
            EXPECT_GE(n, 1);
            EXPECT_LE(n, MaxStringNumber);
            EXPECT_LE(text.size(), size_t(3 * MaxStringLength));
        }
    }
}

TEST(BuiltinStrings, HoldEveryNumberFrom1To108WithTheEnglishTexts) {
    const StringTable table;
    for (int n = 1; n <= LastOriginalStringNumber; ++n) {
        EXPECT_FALSE(table.builtinText(n).empty()) << "string " << n;
    }
    EXPECT_EQ(table.builtinText(1), "Add New Line Type");
    EXPECT_EQ(table.builtinText(24), "Select the end point for the arc");
    EXPECT_EQ(table.builtinText(35), "Maximum vector limit reached");
    EXPECT_EQ(table.builtinText(43),
              "Any changes made to the library will not be available in the current project "
              "until it is reopened");
    EXPECT_EQ(table.builtinText(74), "Sa&ve As...");
    EXPECT_EQ(table.builtinText(104), "Existing specified file is read only - save to a new file");
    EXPECT_EQ(table.builtinText(106), "Warning");
    EXPECT_EQ(table.builtinText(108), "a component of");
    EXPECT_EQ(table.builtinText(0), "");
    EXPECT_EQ(table.builtinText(-1), "");
    EXPECT_EQ(table.builtinText(MaxStringNumber + 1), "");
}

TEST(StringTable, ServesTheBuiltinTableUntilAModuleIsChosen) {
    StringTable table;
    EXPECT_FALSE(table.hasStringsModule());
    EXPECT_EQ(table.loadText(106), "Warning");
    table.setStringsModule(std::nullopt);
    EXPECT_EQ(table.loadText(106), "Warning");
    // The choice is made once: a module offered later is ignored.
    table.setStringsModule(NumberedTexts{{106, "Warnung"}});
    EXPECT_FALSE(table.hasStringsModule());
    EXPECT_EQ(table.loadText(106), "Warning");
}

TEST(StringTable, AModuleReplacesTextsAndItsGapsAreEmptyUpTo108) {
    StringTable table;
    table.setStringsModule(NumberedTexts{{106, "Warnung"}, {109, "Neuer Text"}});
    EXPECT_TRUE(table.hasStringsModule());
    EXPECT_EQ(table.loadText(106), "Warnung");
    EXPECT_EQ(table.loadText(109), "Neuer Text");
    EXPECT_EQ(table.loadText(35), "");   // lacking, and it should have it
    EXPECT_EQ(table.loadText(108), "");  // the last original number
    EXPECT_EQ(table.loadText(0), "");
    // The built-in texts stay reachable for the places that always show them.
    EXPECT_EQ(table.builtinText(35), "Maximum vector limit reached");
    EXPECT_EQ(table.builtinText(106), "Warning");

    table.setStringsModule(NumberedTexts{{106, "Avertissement"}});
    EXPECT_EQ(table.loadText(106), "Warnung");

    table.releaseStringsModule();
    EXPECT_FALSE(table.hasStringsModule());
    EXPECT_EQ(table.loadText(106), "Warning");
}

TEST(StringTable, AModuleLackingANumberAbove108FallsBackToTheBuiltinText) {
    // Texts after 108 came later; a module made before them cannot know them.
    StringTable table(NumberedTexts{
        {1, "Add New Line Type"}, {108, "a component of"}, {109, "Later text"}, {110, "Another"}});
    table.setStringsModule(NumberedTexts{{1, "Neue Linienart"}, {110, "Noch einer"}});
    EXPECT_EQ(table.loadText(1), "Neue Linienart");
    EXPECT_EQ(table.loadText(108), "");
    EXPECT_EQ(table.loadText(109), "Later text");
    EXPECT_EQ(table.loadText(110), "Noch einer");
    EXPECT_EQ(table.loadText(111), "");
}

class StringsModuleFiles : public ::testing::Test {
  protected:
    void write(const QString& folder, const QByteArray& bytes) {
        QDir().mkpath(folder);
        QFile file(QDir(folder).filePath(QLatin1String(StringsModuleFileName)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QTemporaryDir dir;
    QString first = dir.filePath("program");
    QString second = dir.filePath("data");
};

TEST_F(StringsModuleFiles, NoFileAnywhereMeansNoModule) {
    EXPECT_FALSE(loadStringsModule({first, second, QString()}));
    EXPECT_FALSE(loadStringsModule({}));
}

TEST_F(StringsModuleFiles, TheProgramFolderComesBeforeTheDataFolder) {
    write(first, "106\tWarnung\n");
    write(second, "106\tAvertissement\n");
    EXPECT_EQ(loadStringsModule({first, second})->texts, (NumberedTexts{{106, "Warnung"}}));
    EXPECT_EQ(loadStringsModule({first, second})->folder, first);
    EXPECT_EQ(loadStringsModule({dir.filePath("none"), second})->texts,
              (NumberedTexts{{106, "Avertissement"}}));
}

TEST_F(StringsModuleFiles, AFileWithoutAnyValidEntryIsNoModule) {
    // A table saved as UTF-16 holds no valid line; it must not blank out every text.
    write(first, QByteArray("\xFF\xFE"
                            "1\0\t\0A\0\n\0",
                            10));
    write(second, "106\tWarnung\n");
    EXPECT_EQ(loadStringsModule({first, second})->texts, (NumberedTexts{{106, "Warnung"}}));
}

TEST_F(StringsModuleFiles, AnOversizedFileOrAFolderOfThatNameIsNoModule) {
    write(first, "1\t" + QByteArray(MaxStringsModuleSize, 'a'));
    QDir().mkpath(QDir(second).filePath(QLatin1String(StringsModuleFileName)));
    EXPECT_FALSE(loadStringsModule({first, second}));
}

TEST(ShippedTranslations, GermanHoldsEveryNumberOfTheBuiltInTable) {
    QFile file(GLYPH_SOURCE_DIR "/resources/translations/de/GLYDSTRS.txt");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const NumberedTexts texts = parse(std::string_view(bytes.constData(), size_t(bytes.size())));
    for (int n = 1; n <= LastOriginalStringNumber; ++n) {
        EXPECT_TRUE(texts.contains(n)) << "string " << n;
    }
    // Every text of the program, and no number it does not know.
    const StringTable builtin;
    for (int n = 1; n <= MaxStringNumber; ++n) {
        EXPECT_EQ(texts.contains(n), !builtin.builtinText(n).empty()) << "string " << n;
    }
    EXPECT_EQ(texts.at(106), "Warnung");
}

}  // namespace
