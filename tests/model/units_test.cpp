#include "model/units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(Units, CentreAndEdgesOfTheDrawingArea) {
    EXPECT_EQ(toFileX(155), 100.0f);
    EXPECT_EQ(toFileY(155), 100.0f);
    EXPECT_EQ(toFileX(5), 0.0f);
    EXPECT_EQ(toFileY(305), 0.0f);
    EXPECT_EQ(toFileY(5), 200.0f);
    EXPECT_EQ(toDisplayX(100), 155.0f);
    EXPECT_EQ(toDisplayY(0), 305.0f);
    EXPECT_EQ(toDisplayY(200), 5.0f);
    EXPECT_EQ(toDisplayX(1), 6.5f);
}

TEST(Units, RoundingSendsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(roundHalfEven(6.5), 6);
    EXPECT_EQ(roundHalfEven(9.5), 10);
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
    EXPECT_EQ(roundHalfEven(-1.5), -2);
    EXPECT_EQ(roundHalfEven(2.4999), 2);
    EXPECT_EQ(roundHalfEven(2.5001), 3);
    EXPECT_EQ(roundHalfEven(-7.6), -8);
}

TEST(Units, RoundingOfMalformedNumbersStaysInRange) {
    EXPECT_EQ(roundHalfEven(1e30), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(roundHalfEven(-1e30), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(roundHalfEven(std::numeric_limits<double>::infinity()),
              std::numeric_limits<int32_t>::max());
    EXPECT_EQ(roundHalfEven(std::nan("")), 0);
}

// A start point at file -3 lands on display 0.5, which rounds to 0: the free-slot marker.
TEST(Units, FileCoordinateJustOutsideTheAreaRoundsToZero) {
    EXPECT_EQ(roundHalfEven(toDisplayX(-3)), 0);
    EXPECT_EQ(roundHalfEven(toDisplayY(203)), 0);
}

// Whole file coordinates read into display units and written back come out unchanged.
TEST(Units, WholeFileCoordinatesSurviveReadAndWrite) {
    // The whole range a 6-column field can hold.
    for (int f = -99999; f <= 999999; ++f) {
        const auto file = static_cast<float>(f);
        ASSERT_EQ(roundHalfEven(toFileX(static_cast<float>(roundHalfEven(toDisplayX(file))))), f);
        ASSERT_EQ(roundHalfEven(toFileY(static_cast<float>(roundHalfEven(toDisplayY(file))))), f);
    }
}

TEST(Units, LengthsScaleWithoutOffsetAndSurviveReadAndWrite) {
    EXPECT_EQ(roundHalfEven(toDisplayLength(20)), 30);
    EXPECT_EQ(roundHalfEven(toFileLength(30)), 20);
    for (int f = 0; f <= 999999; ++f) {
        const int32_t display = roundHalfEven(toDisplayLength(static_cast<float>(f)));
        ASSERT_EQ(roundHalfEven(toFileLength(static_cast<float>(display))), f);
    }
}

TEST(Units, TruncationGoesTowardsZeroAndSaturates) {
    EXPECT_EQ(truncateToInt(-7.9), -7);
    EXPECT_EQ(truncateToInt(7.9), 7);
    EXPECT_EQ(truncateToInt(1e20), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(truncateToInt(std::nan("")), 0);
}

}  // namespace
