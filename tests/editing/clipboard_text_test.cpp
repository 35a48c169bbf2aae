#include "editing/clipboard_text.h"

#include <gtest/gtest.h>

#include <locale>
#include <string>
#include <vector>

#include "support/entities.h"

namespace {

std::string lineOf(const Entity& e) {
    std::string out;
    appendClipboardLine(out, e);
    return out;
}

// Every entity the reader yields, and whether it stopped before the end of the text.
struct ReadResult {
    std::vector<Entity> entities;
    bool stoppedEarly = false;
};

ReadResult readAll(std::string_view text) {
    ReadResult result;
    ClipboardTextReader reader(text);
    while (!reader.atEnd()) {
        const std::optional<Entity> e = reader.next();
        if (!e) {
            result.stoppedEarly = true;
            break;
        }
        result.entities.push_back(*e);
    }
    return result;
}

std::string withMarker(const std::string& lines) {
    return std::string(ClipboardMarker) + "\r\n" + lines;
}

TEST(ClipboardTextFormat, LineAndArcAreWrittenByteForByte) {
    EXPECT_EQ(lineOf(lineEntity(20, 20, 200, 20, 3)), "20,20,200,20,3,0,0.0000,0.0000,0\r\n");
    EXPECT_EQ(lineOf(arcEntity(155, 80, 155, 230, 155, 155, 1, 1)),
              "155,80,155,230,1,1,155.0000,155.0000,1\r\n");
}

TEST(ClipboardTextFormat, LineKeepsWhatItsSlotHoldsInTheArcFields) {
    Entity e = lineEntity(5, 305, 305, 5, 16);
    e.centreX = 230;
    e.centreY = -12.5f;
    e.arcFlag = 1;
    EXPECT_EQ(lineOf(e), "5,305,305,5,16,0,230.0000,-12.5000,1\r\n");
}

TEST(ClipboardTextFormat, CentresHaveFourDecimalsAndNoNegativeZero) {
    EXPECT_EQ(lineOf(arcEntity(5, 5, 10, 10, 1.23456f, 0.1f, 0, 2)),
              "5,5,10,10,2,1,1.2346,0.1000,0\r\n");
    EXPECT_EQ(lineOf(arcEntity(5, 5, 10, 10, -0.00001f, -0.0f, 0, 2)),
              "5,5,10,10,2,1,0.0000,0.0000,0\r\n");
}

// A decimal comma in the user's settings must not reach the clipboard.
TEST(ClipboardTextFormat, IgnoresTheGlobalLocale) {
    struct CommaPoint : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
        char do_thousands_sep() const override { return '.'; }
        std::string do_grouping() const override { return "\3"; }
    };
    const std::locale previous = std::locale::global(std::locale(std::locale(), new CommaPoint));
    const std::string text = lineOf(arcEntity(1000, 20, 200, 20, 1234.5f, 7, 1, 3));
    std::locale::global(previous);
    EXPECT_EQ(text, "1000,20,200,20,3,1,1234.5000,7.0000,1\r\n");
}

TEST(ClipboardTextMarker, IsCaseSensitiveAndNeedsAllTenCharacters) {
    EXPECT_TRUE(isEntityClipboardText("GlyEd data\r\n"));
    EXPECT_TRUE(isEntityClipboardText("GlyEd data"));
    EXPECT_FALSE(isEntityClipboardText("GlyEd Data\r\n"));
    EXPECT_FALSE(isEntityClipboardText("glyed data\r\n"));
    EXPECT_FALSE(isEntityClipboardText("GlyEd dat"));
    EXPECT_FALSE(isEntityClipboardText(" GlyEd data"));
    EXPECT_FALSE(isEntityClipboardText(""));
}

TEST(ClipboardNumbers, IntegersSkipLeadingBlanksOnly) {
    EXPECT_EQ(parseClipboardInteger("12"), 12);
    EXPECT_EQ(parseClipboardInteger("   12"), 12);
    EXPECT_EQ(parseClipboardInteger("-7"), -7);
    EXPECT_EQ(parseClipboardInteger("+7"), 7);
    EXPECT_FALSE(parseClipboardInteger("12 "));
    EXPECT_FALSE(parseClipboardInteger("1 2"));
    EXPECT_FALSE(parseClipboardInteger(""));
    EXPECT_FALSE(parseClipboardInteger("   "));
    EXPECT_FALSE(parseClipboardInteger("1.5"));
    EXPECT_FALSE(parseClipboardInteger("1e2"));
    EXPECT_FALSE(parseClipboardInteger("- 7"));
    EXPECT_FALSE(parseClipboardInteger("\t7"));
}

TEST(ClipboardNumbers, IntegersTakeHexadecimalAfterDollarOrZeroX) {
    EXPECT_EQ(parseClipboardInteger("$1F"), 31);
    EXPECT_EQ(parseClipboardInteger("0x1f"), 31);
    EXPECT_EQ(parseClipboardInteger("0X1F"), 31);
    EXPECT_EQ(parseClipboardInteger("  $A"), 10);
    EXPECT_EQ(parseClipboardInteger("-$10"), -16);
    EXPECT_EQ(parseClipboardInteger("$7FFFFFFF"), 2147483647);
    EXPECT_EQ(parseClipboardInteger("-$80000000"), -2147483647 - 1);
    EXPECT_FALSE(parseClipboardInteger("$"));
    EXPECT_FALSE(parseClipboardInteger("0x"));
    EXPECT_FALSE(parseClipboardInteger("$G"));
    EXPECT_FALSE(parseClipboardInteger("$1F "));
    EXPECT_FALSE(parseClipboardInteger("$-1"));
    EXPECT_FALSE(parseClipboardInteger("1F"));
}

TEST(ClipboardNumbers, IntegersOutsideThirtyTwoBitsAreRefused) {
    EXPECT_EQ(parseClipboardInteger("2147483647"), 2147483647);
    EXPECT_EQ(parseClipboardInteger("-2147483648"), -2147483647 - 1);
    EXPECT_FALSE(parseClipboardInteger("2147483648"));
    EXPECT_FALSE(parseClipboardInteger("99999999999"));
    EXPECT_FALSE(parseClipboardInteger("$80000000"));
    EXPECT_FALSE(parseClipboardInteger("$FFFFFFFF"));
    EXPECT_FALSE(parseClipboardInteger("0x10000000000000000000"));
}

TEST(ClipboardNumbers, RealsWithFractionAndExponent) {
    EXPECT_EQ(parseClipboardReal("155.0000"), 155.0f);
    EXPECT_EQ(parseClipboardReal("  -12.5"), -12.5f);
    EXPECT_EQ(parseClipboardReal("1.5e2"), 150.0f);
    EXPECT_EQ(parseClipboardReal("15E-1"), 1.5f);
    EXPECT_EQ(parseClipboardReal("7"), 7.0f);
    EXPECT_FALSE(parseClipboardReal("12.5 "));
    EXPECT_FALSE(parseClipboardReal(""));
    EXPECT_FALSE(parseClipboardReal("12,5"));
    EXPECT_FALSE(parseClipboardReal("1e"));
    EXPECT_FALSE(parseClipboardReal("$10"));
}

TEST(ClipboardNumbers, RealsThatAreNotFiniteSinglesAreRefused) {
    EXPECT_FALSE(parseClipboardReal("1e309"));
    EXPECT_FALSE(parseClipboardReal("1e39"));
    EXPECT_FALSE(parseClipboardReal("NaN"));
    EXPECT_FALSE(parseClipboardReal("nan"));
    EXPECT_FALSE(parseClipboardReal("inf"));
    EXPECT_FALSE(parseClipboardReal("-Infinity"));
}

TEST(ClipboardTextReader, ReadsBackWhatWasWritten) {
    const Entity line = lineEntity(20, 20, 200, 20, 3);
    const Entity arc = arcEntity(155, 80, 155, 230, 155, 155, 1, 1);
    const ReadResult read = readAll(withMarker(lineOf(line) + lineOf(arc)));
    EXPECT_FALSE(read.stoppedEarly);
    ASSERT_EQ(read.entities.size(), 2u);
    EXPECT_EQ(read.entities[0], line);
    EXPECT_EQ(read.entities[1], arc);
}

TEST(ClipboardTextReader, LineIsCompleteAfterTheCommaOfItsSixthField) {
    const ReadResult read = readAll(withMarker("20,20,200,20,3,0,\r\n"));
    EXPECT_FALSE(read.stoppedEarly);
    ASSERT_EQ(read.entities.size(), 1u);
    EXPECT_EQ(read.entities[0], lineEntity(20, 20, 200, 20, 3));

    const ReadResult withoutComma = readAll(withMarker("20,20,200,20,3,0\r\n10,10,20,20,1,0,\r\n"));
    EXPECT_TRUE(withoutComma.stoppedEarly);
    EXPECT_TRUE(withoutComma.entities.empty());
}

TEST(ClipboardTextReader, LineIgnoresItsArcFieldsAndOddFlagsCountAsZero) {
    const ReadResult read =
        readAll(withMarker("20,20,200,20,3,2,junk\r\n"
                           "155,80,155,230,1,1,155.0,155.0,7\r\n"));
    ASSERT_EQ(read.entities.size(), 2u);
    EXPECT_EQ(read.entities[0].isArc, 0);
    EXPECT_EQ(read.entities[0].centreX, 0.0f);
    EXPECT_EQ(read.entities[1].isArc, 1);
    EXPECT_EQ(read.entities[1].arcFlag, 0);
}

TEST(ClipboardTextReader, BlankAfterANumberStopsBlankBeforeIsAccepted) {
    EXPECT_EQ(readAll(withMarker(" 20, 20,  200,20,3,0,\r\n")).entities.size(), 1u);
    const ReadResult read =
        readAll(withMarker("10,10,20,20,1,0,\r\n20 ,20,200,20,3,0,\r\n"
                           "30,30,40,40,1,0,\r\n"));
    EXPECT_TRUE(read.stoppedEarly);
    ASSERT_EQ(read.entities.size(), 1u);
    EXPECT_EQ(read.entities[0].x1, 10);
}

TEST(ClipboardTextReader, ArcFlagRunsToTheEndOfTheLine) {
    EXPECT_TRUE(readAll(withMarker("155,80,155,230,1,1,155.0,155.0,1 \r\n")).stoppedEarly);
    EXPECT_TRUE(readAll(withMarker("155,80,155,230,1,1,155.0,155.0,1,\r\n")).stoppedEarly);
    EXPECT_TRUE(readAll(withMarker("155,80,155,230,1,1,155.0,155.0,\r\n")).stoppedEarly);
    EXPECT_TRUE(readAll(withMarker("155,80,155,230,1,1,155.0 ,155.0,1\r\n")).stoppedEarly);
    EXPECT_EQ(readAll(withMarker("155,80,155,230,1,1, 155.0, 155.0, 1\r\n")).entities.size(), 1u);
}

TEST(ClipboardTextReader, EmptyLineAndUnendedFragmentStopTheText) {
    const ReadResult empty = readAll(withMarker("10,10,20,20,1,0,\r\n\r\n30,30,40,40,1,0,\r\n"));
    EXPECT_TRUE(empty.stoppedEarly);
    EXPECT_EQ(empty.entities.size(), 1u);

    const ReadResult fragment = readAll(withMarker("10,10,20,20,1,0,\r\n30,30,40,40,1,0,"));
    EXPECT_TRUE(fragment.stoppedEarly);
    EXPECT_EQ(fragment.entities.size(), 1u);
}

TEST(ClipboardTextReader, MarkerAloneOrWithoutLineEndHoldsNothing) {
    EXPECT_TRUE(ClipboardTextReader("GlyEd data\r\n").atEnd());
    EXPECT_TRUE(ClipboardTextReader("GlyEd data").atEnd());
    EXPECT_TRUE(ClipboardTextReader("GlyEd data10,10,20,20,1,0,").atEnd());
}

TEST(ClipboardTextReader, BareLineFeedsEndLinesToo) {
    const ReadResult read = readAll("GlyEd data\n10,10,20,20,1,0,\n155,80,155,230,1,1,155,155,1\n");
    EXPECT_FALSE(read.stoppedEarly);
    ASSERT_EQ(read.entities.size(), 2u);
    EXPECT_EQ(read.entities[1].arcFlag, 1);
}

TEST(ClipboardTextReader, OnlyTheFirstEightyCharactersOfALineCount) {
    // The arc's flag is the 81st character: cut off, the flag field is empty.
    const std::string head = "155,80,155,230,1,1,";  // 19 characters
    const std::string centres = std::string(30, ' ') + "155," + std::string(23, ' ') + "155,";
    ASSERT_EQ(head.size() + centres.size(), 80u);
    EXPECT_TRUE(readAll(withMarker(head + centres + "1\r\n")).stoppedEarly);
    const std::string shorter = head + centres.substr(1) + "1\r\n";
    EXPECT_EQ(readAll(withMarker(shorter)).entities.size(), 1u);
}

TEST(ClipboardTextReader, FieldsAreCutToFortyCharacters) {
    // 38 blanks and "123": the cut leaves "12".
    const ReadResult read = readAll(withMarker(std::string(38, ' ') + "123,20,200,20,3,0,\r\n"));
    ASSERT_EQ(read.entities.size(), 1u);
    EXPECT_EQ(read.entities[0].x1, 12);
}

TEST(ClipboardTextReader, PointsOffTheDrawingAreaEndTheText) {
    EXPECT_EQ(readAll(withMarker("5,5,305,305,1,0,\r\n")).entities.size(), 1u);
    for (const char* line :
         {"4,20,200,20,1,0,\r\n", "20,306,200,20,1,0,\r\n", "20,20,0,20,1,0,\r\n",
          "20,20,200,99999,1,0,\r\n", "0,20,200,20,1,0,\r\n", "20,0,200,20,1,0,\r\n",
          "-20,20,200,20,1,0,\r\n"}) {
        const ReadResult read = readAll(
            withMarker(std::string("10,10,20,20,1,0,\r\n") + line + "30,30,40,40,1,0,\r\n"));
        EXPECT_TRUE(read.stoppedEarly) << line;
        EXPECT_EQ(read.entities.size(), 1u) << line;
    }
}

TEST(ClipboardTextReader, ArcCentreFartherThanAnyDrawnArcEndsTheText) {
    EXPECT_EQ(readAll(withMarker("155,80,155,230,1,1,3155,80,0\r\n")).entities.size(), 1u);
    EXPECT_TRUE(readAll(withMarker("155,80,155,230,1,1,3156,80,0\r\n")).stoppedEarly);
    EXPECT_TRUE(readAll(withMarker("155,80,155,230,1,1,1e11,155,0\r\n")).stoppedEarly);
    // A line's centre fields are not read, whatever they hold.
    EXPECT_EQ(readAll(withMarker("155,80,155,230,1,0,1e11,155,0\r\n")).entities.size(), 1u);
}

TEST(ClipboardTextReader, HugeTextWithoutLineEndsIsOneFragment) {
    std::string text = withMarker("");
    text.append(10'000'000, '7');
    ClipboardTextReader reader(text);
    ASSERT_FALSE(reader.atEnd());
    EXPECT_FALSE(reader.next());
}

}  // namespace
