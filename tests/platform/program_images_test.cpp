#include "platform/program_images.h"

#include <gtest/gtest.h>

namespace {

struct ExpectedImage {
    ProgramImage image;
    int size;
};

TEST(ProgramImages, EveryImageLoadsAtItsSizeWithTransparentCorners) {
    const ExpectedImage images[] = {
        {ProgramImage::ConstCursor, 32},   {ProgramImage::WindowIcon, 32},
        {ProgramImage::SelectGlyph, 16},   {ProgramImage::ArcGlyph, 16},
        {ProgramImage::LineGlyph, 16},     {ProgramImage::UndoGlyph, 16},
        {ProgramImage::LeftLineIndex, 16}, {ProgramImage::RightLineIndex, 16},
    };
    for (const auto& [image, size] : images) {
        const QImage loaded = programImage(image);
        ASSERT_FALSE(loaded.isNull()) << int(image);
        EXPECT_EQ(loaded.size(), QSize(size, size)) << int(image);
        EXPECT_TRUE(loaded.hasAlphaChannel()) << int(image);
        EXPECT_EQ(qAlpha(loaded.pixel(0, 0)), 0) << int(image);
    }
}

TEST(ProgramImages, TheCursorHotSpotIsOnTheCrossAndTheIndexMarksPointInward) {
    const QImage cursor = programImage(ProgramImage::ConstCursor);
    EXPECT_EQ(cursor.pixel(ConstCursorHotSpot), qRgb(0, 0, 0));
    // The cross runs through the hot spot in both directions.
    EXPECT_EQ(cursor.pixel(ConstCursorHotSpot + QPoint(8, 0)), qRgb(0, 0, 0));
    EXPECT_EQ(cursor.pixel(ConstCursorHotSpot + QPoint(0, -8)), qRgb(0, 0, 0));

    // Left of the drawing area the tip is at the right, on row 8; and the other way round.
    const QImage left = programImage(ProgramImage::LeftLineIndex);
    const QImage right = programImage(ProgramImage::RightLineIndex);
    EXPECT_NE(qAlpha(left.pixel(13, 8)), 0);
    EXPECT_EQ(qAlpha(left.pixel(13, 3)), 0);
    EXPECT_NE(qAlpha(right.pixel(2, 8)), 0);
    EXPECT_EQ(qAlpha(right.pixel(2, 3)), 0);
}

}  // namespace
