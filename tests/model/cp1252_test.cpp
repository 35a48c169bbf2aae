#include "model/cp1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp1252, EveryByteRoundTripsThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
}

TEST(Cp1252, HighBytesDecodeToTheirCodePageCharacters) {
    EXPECT_EQ(cp1252ToUtf8("\x80"), "\u20AC");
    EXPECT_EQ(cp1252ToUtf8("Caf\xE9"), "Caf\u00E9");
    EXPECT_EQ(cp1252ToUtf8("\x9F"), "\u0178");
    EXPECT_EQ(cp1252ToUtf8("\x81"), "\u0081");  // undefined in the code page
    EXPECT_EQ(utf8ToCp1252("\u2013 \u00FC"), "\x96 \xFC");
}

TEST(Cp1252, CharactersOutsideTheCodePageAndBrokenUtf8BecomeQuestionMarks) {
    EXPECT_EQ(utf8ToCp1252("\u6728"), "?");
    EXPECT_EQ(utf8ToCp1252("a\xC3"), "a?");  // cut sequence
    EXPECT_EQ(utf8ToCp1252("\xFF"
                           "b"),
              "?b");                             // no lead byte
    EXPECT_EQ(utf8ToCp1252("\xE2\x82x"), "?x");  // bad continuation
}

TEST(Cp1252, NameCharactersAreThePrintableCharactersOfTheCodePage) {
    for (char32_t c :
         {U' ', U'A', U'~', U'\u00A0', U'\u00E9', U'\u00FF', U'\u20AC', U'\u0178', U'\u2122'}) {
        EXPECT_TRUE(isNameCharacter(c)) << static_cast<uint32_t>(c);
    }
    // Controls, the undefined bytes as their C1 code points, and characters of no byte.
    for (char32_t c : {U'\0', U'\t', U'\n', U'\r', U'\x7F', U'\u0081', U'\u009D', U'\u0100',
                       U'\u6728', U'\U0001F600'}) {
        EXPECT_FALSE(isNameCharacter(c)) << static_cast<uint32_t>(c);
    }
}

}  // namespace
