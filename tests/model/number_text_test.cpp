#include <gtest/gtest.h>

#include <charconv>
#include <random>
#include <string>

#include "model/number_text.h"

namespace {

// The rule in its plainest form: blanks trimmed, an optional sign, digits, the int32 range.
std::optional<int32_t> plainWholeNumber(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    const bool negative = text[0] == '-';
    if (negative || text[0] == '+') {
        text.remove_prefix(1);
    }
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    const uint64_t limit = negative ? 2147483648u : 2147483647u;
    if (error != std::errc() || magnitude > limit) {
        return std::nullopt;
    }
    return static_cast<int32_t>(negative ? -static_cast<int64_t>(magnitude)
                                         : static_cast<int64_t>(magnitude));
}

TEST(WholeNumberText, FieldsAsTheFilesHoldThem) {
    EXPECT_EQ(parseWholeNumber("    36"), 36);
    EXPECT_EQ(parseWholeNumber("  -187"), -187);
    EXPECT_EQ(parseWholeNumber("+5"), 5);
    EXPECT_EQ(parseWholeNumber(" 12   "), 12);
    EXPECT_EQ(parseWholeNumber("000042"), 42);
    EXPECT_EQ(parseWholeNumber("-2147483648"), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(parseWholeNumber("2147483647"), std::numeric_limits<int32_t>::max());
    for (const char* notANumber :
         {"", "      ", "-", "+", " - 5", "+-5", "5 5", "5-", "1e3", "0x1F", "\t5", "2147483648",
          "-2147483649", "99999999999999999999999"}) {
        EXPECT_EQ(parseWholeNumber(notANumber), std::nullopt) << '"' << notANumber << '"';
    }
}

TEST(WholeNumberText, AgreesWithThePlainRuleOnRandomTexts) {
    std::mt19937 random(20261208);
    const std::string alphabet = "      +-0123456789x\t";
    std::uniform_int_distribution<size_t> length(0, 24);
    std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
    for (int i = 0; i < 200000; ++i) {
        std::string text(length(random), ' ');
        for (char& c : text) {
            c = alphabet[pick(random)];
        }
        ASSERT_EQ(parseWholeNumber(text), plainWholeNumber(text)) << '"' << text << '"';
    }
}

}  // namespace
