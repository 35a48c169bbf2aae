#include "platform/entry_picture.h"

#include <gtest/gtest.h>

#include <memory>

#include "editing/editor_state.h"
#include "support/entities.h"

namespace {

QRgb rgb(Rgb c) {
    return qRgb(c.r, c.g, c.b);
}

class EntryPictureTest : public ::testing::Test {
  protected:
    void SetUp() override {
        allocateLibrary(state->library);
        state->library.entryCount = 2;
        LibraryEntry& first = state->library.entry(1);
        first.name.assign("Red line");
        first.originX = 100;
        first.originY = 200;
        first.sizeRadius = 90;
        first.useColours = 1;
        state->library.entities(1)[0] = lineEntity({20, 50}, {290, 50}, 3);
        LibraryEntry& second = state->library.entry(2);
        second.name.assign("Plain");
        second.originX = 155;
        second.originY = 155;
        state->library.entities(2)[0] = lineEntity({20, 80}, {290, 80}, 3);
    }
    void TearDown() override { releaseLibrary(state->library); }

    std::unique_ptr<EditorState> state = std::make_unique<EditorState>();
};

TEST_F(EntryPictureTest, ShowsGridEntitiesInTheirColoursAndTheOriginMarker) {
    const QImage picture = entryPicture(*state, 1, 1);
    ASSERT_EQ(picture.size(), QSize(310, 310));
    EXPECT_EQ(picture.pixel(5, 5), rgb(Black));
    EXPECT_EQ(picture.pixel(305, 305), rgb(Black));
    EXPECT_EQ(picture.pixel(6, 5), rgb(Silver));
    EXPECT_EQ(picture.pixel(21, 50), qRgb(255, 0, 0));
    EXPECT_EQ(picture.pixel(95, 195), rgb(Black));    // the marker's corner
    EXPECT_EQ(picture.pixel(190, 200), rgb(Silver));  // no size radius circle
    EXPECT_EQ(state->work.workEntry.name.str(), "Red line");

    const QImage plain = entryPicture(*state, 2, 1);
    EXPECT_EQ(plain.pixel(21, 80), rgb(Black));   // colours off
    EXPECT_EQ(plain.pixel(21, 50), rgb(Silver));  // nothing left of the first entry
}

TEST_F(EntryPictureTest, LineTypesShowNoOriginMarker) {
    state->library.libraryKind = LibraryKind::LineType;
    const QImage picture = entryPicture(*state, 2, 1);
    EXPECT_EQ(picture.pixel(150, 150), rgb(Silver));
    EXPECT_EQ(picture.pixel(21, 80), rgb(Black));
}

TEST_F(EntryPictureTest, ScalingRepeatsEveryPixelInAWholeSquare) {
    const QImage small = entryPicture(*state, 1, 1);
    const QImage large = entryPicture(*state, 1, 3);
    ASSERT_EQ(large.size(), QSize(930, 930));
    for (int y = 0; y < 930; ++y) {
        for (int x = 0; x < 930; ++x) {
            ASSERT_EQ(large.pixel(x, y), small.pixel(x / 3, y / 3)) << x << "," << y;
        }
    }
    EXPECT_EQ(entryPicture(*state, 1, 99).size(), QSize(3100, 3100));
}

TEST_F(EntryPictureTest, FileNamesKeepOnlyPlainCharactersOfTheName) {
    EXPECT_EQ(entryPictureFileName(state->library, 1).toStdString(), "001-Red_line.png");
    state->library.entry(2).name.assign("../..\\x:y*\xe4");
    EXPECT_EQ(entryPictureFileName(state->library, 2).toStdString(), "002-______x_y__.png");
}

}  // namespace

// A line one pixel wide stays one crisp pixel in its own colour at the list's sizes; the grid
// is left out; the silver background is kept.
TEST_F(EntryPictureTest, ListPicturesKeepThinLinesWholeAndLeaveOutTheGrid) {
    const LibraryEntry& header = state->library.entry(1);
    const EntityArray& entities = state->library.entities(1);
    for (const int side : {24, 48}) {
        const QImage picture = entryListPicture(header, entities, LibraryKind::LineType, side);
        ASSERT_EQ(picture.size(), QSize(side, side));
        const int row = 50 * side / 310;
        int red = 0;
        for (int x = 0; x < side; ++x) {
            for (int y = 0; y < side; ++y) {
                const QRgb pixel = picture.pixel(x, y);
                if (y == row && x >= 20 * side / 310 + 1 && x < 290 * side / 310) {
                    EXPECT_EQ(pixel, qRgb(255, 0, 0)) << side << ": " << x;
                }
                red += pixel == qRgb(255, 0, 0) ? 1 : 0;
                EXPECT_TRUE(pixel == qRgb(255, 0, 0) || pixel == rgb(Silver)) << x << "," << y;
            }
        }
        EXPECT_LE(red, side);  // one row of the picture, nothing smeared around it
    }
}
